// The built plug-in in a workbench, for end-to-end tests: its three filters,
// their parameter blocks, and counts over the document.
#pragma once

#include <cstring>
#include <stdexcept>
#include <string>

#include "tests/host/document_fixtures.hpp"
#include "shell/filter_params.hpp"
#include "host/workbench/workbench.hpp"

namespace tovrins::testing {

class PluginHarness {
public:
    explicit PluginHarness(uint64_t seed = 1) : bench(TOVRINS_PLUGIN_PATH, seed) { }

    host::RegisteredFilter& filter(std::string_view title)
    {
        host::RegisteredFilter* found = bench.filters().find(title);
        if (!found)
            throw std::runtime_error("no filter " + std::string(title));
        return *found;
    }
    host::RegisteredFilter& rotate() { return filter("TovrinRotate..."); }
    host::RegisteredFilter& scale() { return filter("TovrinScale..."); }
    host::RegisteredFilter& translate() { return filter("TovrinTranslate..."); }

    // The filter's block as the plug-in left it; null before its first
    // Get Parameters.
    FilterParams* params(const host::RegisteredFilter& f)
    {
        return f.parameters ? static_cast<FilterParams*>(bench.environment().memory.pointer(f.parameters)) : nullptr;
    }

    host::Document& document()
    {
        if (!bench.document())
            throw std::runtime_error("no document open");
        return *bench.document();
    }

    host::CommandOutcome run(host::RegisteredFilter& f, host::DialogFrontEnd& frontEnd)
    {
        return bench.runFilter(f, frontEnd);
    }
    host::CommandOutcome run(host::RegisteredFilter& f)
    {
        host::DefaultFrontEnd accept;
        return bench.runFilter(f, accept);
    }
    host::CommandOutcome repeat()
    {
        host::DefaultFrontEnd accept;
        return bench.repeatLastFilter(accept);
    }

    // Top-level art of every layer together.
    size_t topLevelArtCount() { return host::testing::topLevelArtCount(document().data()); }

    host::Workbench bench;
};

} // namespace tovrins::testing
