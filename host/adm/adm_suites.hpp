// The workbench's ADM function tables.
#pragma once

#include "sdk/tv_sdk.h"

namespace tovrins::host {

class SuiteRegistry;

const TvADMBasicSuiteV2& admBasicSuite();
const TvADMDialogSuiteV3& admDialogSuite();
const TvADMItemSuiteV4& admItemSuite();
const TvADMListSuiteV1& admListSuite();
const TvADMEntrySuiteV2& admEntrySuite();
const TvADMTrackerSuiteV1& admTrackerSuite();
const TvADMIconSuiteV1& admIconSuite();
const TvADMNotifierSuiteV1& admNotifierSuite();

void registerAdmSuites(SuiteRegistry& registry);

} // namespace tovrins::host
