#include "host/adm/adm_suites.hpp"
#include "host/suites/suite_registry.hpp"

namespace tovrins::host {

void registerAdmSuites(SuiteRegistry& registry)
{
    registry.add(kTvADMBasicSuite, kTvADMBasicSuiteVersion, &admBasicSuite());
    registry.add(kTvADMDialogSuite, kTvADMDialogSuiteVersion, &admDialogSuite());
    registry.add(kTvADMItemSuite, kTvADMItemSuiteVersion, &admItemSuite());
    registry.add(kTvADMIconSuite, kTvADMIconSuiteVersion, &admIconSuite());
    registry.add(kTvADMNotifierSuite, kTvADMNotifierSuiteVersion, &admNotifierSuite());
    registry.add(kTvADMListSuite, kTvADMListSuiteVersion, &admListSuite());
    registry.add(kTvADMEntrySuite, kTvADMEntrySuiteVersion, &admEntrySuite());
    registry.add(kTvADMTrackerSuite, kTvADMTrackerSuiteVersion, &admTrackerSuite());
}

} // namespace tovrins::host
