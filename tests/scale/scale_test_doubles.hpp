// Test doubles for the scale filter's pure computations: a random source that
// plays back a script and counts its draws, and host math from <cmath>.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>
#include <vector>

#include "host_services.hpp"

namespace tovrins::test {

class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> script = {}) : script_(std::move(script)) {}

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

class StdMath final : public HostMath {
public:
    float degreesToRadians(float degrees) override
    {
        return static_cast<float>(degrees * std::numbers::pi / 180.0);
    }
    float sine(float radians) override { return std::sin(radians); }
    float cosine(float radians) override { return std::cos(radians); }
    float squareRoot(float value) override { return std::sqrt(value); }
};

// The largest draw a random source may give.
inline const float kAlmostOne = std::nextafter(1.0f, 0.0f);

} // namespace tovrins::test
