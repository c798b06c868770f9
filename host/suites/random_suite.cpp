#include "host/suites/core_suites.hpp"
#include "host/host_context.hpp"
#include "host/suites/random_generator.hpp"

namespace tovrins::host {
namespace {

// Cannot fail, so not counted; with no generator installed every draw is 0.
TvReal floatRandom()
{
    RandomGenerator* random = hostContext().random;
    return random ? random->draw() : 0.0f;
}

} // namespace

const TvAIRandomSuiteV3& randomSuite()
{
    static constexpr TvAIRandomSuiteV3 table{floatRandom};
    return table;
}

} // namespace tovrins::host
