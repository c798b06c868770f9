// Adapters that give the pure computations the host's random numbers and
// trigonometry through the acquired suites.
#pragma once

#include "shell/host_services.hpp"
#include "shell/suites.hpp"

namespace tovrins {

class SuiteRandom final : public RandomSource {
public:
    float next() override { return suites().random->floatRandom(); }
};

class SuiteMath final : public HostMath {
public:
    float degreesToRadians(float degrees) override { return suites().math->degreeToRadian(degrees); }
    float sine(float radians) override { return suites().math->sine(radians); }
    float cosine(float radians) override { return suites().math->cosine(radians); }
    float squareRoot(float value) override { return suites().math->squareRoot(value); }
};

} // namespace tovrins
