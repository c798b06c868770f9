#include <cstring>

#include "host/suites/core_suites.hpp"
#include "host/host_context.hpp"
#include "host/suites/suite_registry.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host {
namespace {

TvErr acquireSuite(const char* name, int32_t version, const void** suite)
{
    if (TvErr err = checkFault(kTvSPBasicSuite, "acquireSuite"))
        return err;
    SuiteRegistry* registry = hostContext().suites;
    if (!name || !suite)
        return TV_ERR_BAD_PARAMETER;
    return registry ? registry->acquire(name, version, suite) : TV_ERR_SUITE_NOT_FOUND;
}

TvErr releaseSuite(const char* name, int32_t version)
{
    if (TvErr err = checkFault(kTvSPBasicSuite, "releaseSuite"))
        return err;
    SuiteRegistry* registry = hostContext().suites;
    if (!name)
        return TV_ERR_BAD_PARAMETER;
    return registry ? registry->release(name, version) : TV_ERR_SUITE_NOT_FOUND;
}

// Cannot fail, so not counted.
TvBool isEqual(const char* first, const char* second) { return first && second && std::strcmp(first, second) == 0; }

} // namespace

const TvSPBasicSuiteV4& spBasicSuite()
{
    static constexpr TvSPBasicSuiteV4 table{acquireSuite, releaseSuite, isEqual};
    return table;
}

} // namespace tovrins::host
