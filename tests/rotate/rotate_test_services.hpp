// Stand-ins for the host's random numbers and real math, for tests that must
// know exactly which draws and which trigonometry calls were made.
#pragma once

#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "host_services.hpp"

namespace tovrins::testing {

// Hands out a fixed script of numbers and counts how many were taken.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> script) : script_(std::move(script)) {}

    float next() override {
        if (used_ >= script_.size()) {
            ADD_FAILURE() << "random script exhausted after " << used_ << " draws";
            return 0.0f;
        }
        return script_[used_++];
    }

    std::size_t used() const { return used_; }

private:
    std::vector<float> script_;
    std::size_t used_ = 0;
};

// Float trigonometry from the standard library, with call counters.
class CountingMath : public HostMath {
public:
    float degreesToRadians(float degrees) override {
        ++conversions;
        return degrees * (std::numbers::pi_v<float> / 180.0f);
    }
    float sine(float radians) override {
        ++sines;
        return std::sin(radians);
    }
    float cosine(float radians) override {
        ++cosines;
        return std::cos(radians);
    }
    float squareRoot(float value) override { return std::sqrt(value); }

    int conversions = 0;
    int sines = 0;
    int cosines = 0;
};

} // namespace tovrins::testing
