// The host's random numbers: SplitMix64, so a run is reproducible from its
// seed alone.
#pragma once

#include <cstdint>

namespace tovrins::host {

class RandomGenerator {
public:
    explicit RandomGenerator(uint64_t seed) : seed_(seed), state_(seed) { }
    // A seed from the clock, for when the user gives none; report seed().
    static RandomGenerator fromClock();

    uint64_t seed() const { return seed_; }
    void reseed(uint64_t seed) { seed_ = state_ = seed; }
    uint64_t next();
    // The top 24 bits as a float in [0, 1): exact, never rounds up to 1.
    float draw() { return static_cast<float>(next() >> 40) * 0x1p-24f; }

private:
    uint64_t seed_;
    uint64_t state_;
};

} // namespace tovrins::host
