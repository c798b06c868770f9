// The host services that the pure computations need, as small interfaces, so
// that settings and per-copy values can be tested without a host. The engines
// pass adapters over the AI Random Suite and the AI Real Math Suite.
#pragma once

namespace tovrins {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number from 0 (included) to 1 (excluded).
    virtual float next() = 0;
};

class HostMath {
public:
    virtual ~HostMath() = default;
    virtual float degreesToRadians(float degrees) = 0;
    virtual float sine(float radians) = 0;
    virtual float cosine(float radians) = 0;
    virtual float squareRoot(float value) = 0;
};

} // namespace tovrins
