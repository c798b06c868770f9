// Stand-ins for the host's random numbers and real math, for the tests of
// the pure computations that must know exactly which draws and which
// trigonometry calls were made.
#pragma once

#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "shell/host_services.hpp"

namespace tovrins::test {

// Hands out a fixed script of numbers and counts how many were taken; a draw
// beyond the script fails the test.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> script = {}) : script_(std::move(script)) { }

    float next() override
    {
        if (draws_ >= script_.size()) {
            ADD_FAILURE() << "draw " << draws_ + 1 << " is beyond the script of " << script_.size();
            ++draws_;
            return 0.0f;
        }
        return script_[draws_++];
    }

    std::size_t draws() const { return draws_; }

private:
    std::vector<float> script_;
    std::size_t draws_ = 0;
};

// Always the same number; counts how often it was asked.
class ConstantRandom final : public RandomSource {
public:
    explicit ConstantRandom(float value) : value_(value) { }

    float next() override
    {
        ++draws_;
        return value_;
    }

    std::size_t draws() const { return draws_; }

private:
    float value_;
    std::size_t draws_ = 0;
};

// Float math as a host would do it; records the arguments it was handed.
class StdMath final : public HostMath {
public:
    float degreesToRadians(float degrees) override
    {
        radiansArgs.push_back(degrees);
        return degrees * (std::numbers::pi_v<float> / 180.0f);
    }
    float sine(float radians) override
    {
        sineArgs.push_back(radians);
        return std::sin(radians);
    }
    float cosine(float radians) override
    {
        cosineArgs.push_back(radians);
        return std::cos(radians);
    }
    float squareRoot(float value) override
    {
        rootArgs.push_back(value);
        return std::sqrt(value);
    }

    std::size_t conversions() const { return radiansArgs.size(); }
    std::size_t sines() const { return sineArgs.size(); }
    std::size_t cosines() const { return cosineArgs.size(); }
    std::size_t calls() const { return radiansArgs.size() + sineArgs.size() + cosineArgs.size() + rootArgs.size(); }

    std::vector<float> radiansArgs;
    std::vector<float> sineArgs;
    std::vector<float> cosineArgs;
    std::vector<float> rootArgs;
};

// The largest draw a random source may give.
inline const float kAlmostOne = std::nextafter(1.0f, 0.0f);

} // namespace tovrins::test
