#pragma once

#include "sdk/tv_sdk.h"

namespace tovrins::host {

class SuiteRegistry;

const TvAIMenuSuiteV7& menuSuite();
const TvAIFilterSuiteV2& filterSuite();
void registerMenuFilterSuites(SuiteRegistry& registry);

} // namespace tovrins::host
