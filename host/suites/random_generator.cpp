#include "host/suites/random_generator.hpp"

#include <chrono>

namespace tovrins::host {

RandomGenerator RandomGenerator::fromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return RandomGenerator(static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

uint64_t RandomGenerator::next()
{
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace tovrins::host
