// Stand-ins for the host's random numbers and real math in the translate
// tests: a scripted random source that counts its draws, and math in float.
#pragma once

#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "host_services.hpp"

namespace tovrins::test {

class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}

    float next() override {
        if (used_ >= draws_.size()) {
            ADD_FAILURE() << "more random draws than scripted (" << draws_.size() << ")";
            ++used_;
            return 0.0f;
        }
        return draws_[used_++];
    }

    std::size_t used() const { return used_; }

private:
    std::vector<float> draws_;
    std::size_t used_ = 0;
};

// Always the same number; counts how often it was asked.
class ConstantRandom final : public RandomSource {
public:
    explicit ConstantRandom(float value) : value_(value) {}
    float next() override {
        ++used_;
        return value_;
    }
    int used() const { return used_; }

private:
    float value_;
    int used_ = 0;
};

// Float math as a host would do it; records the arguments it was handed.
class StdMath final : public HostMath {
public:
    float degreesToRadians(float degrees) override {
        radiansArgs.push_back(degrees);
        return degrees * (std::numbers::pi_v<float> / 180.0f);
    }
    float sine(float radians) override {
        sineArgs.push_back(radians);
        return std::sin(radians);
    }
    float cosine(float radians) override {
        cosineArgs.push_back(radians);
        return std::cos(radians);
    }
    float squareRoot(float value) override {
        rootArgs.push_back(value);
        return std::sqrt(value);
    }

    std::size_t calls() const { return radiansArgs.size() + sineArgs.size() + cosineArgs.size() + rootArgs.size(); }

    std::vector<float> radiansArgs;
    std::vector<float> sineArgs;
    std::vector<float> cosineArgs;
    std::vector<float> rootArgs;
};

} // namespace tovrins::test
