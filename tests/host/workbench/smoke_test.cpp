#include <gtest/gtest.h>

#include "document_fixtures.hpp"
#include "workbench/workbench.hpp"

namespace tovrins::host {
namespace {

using testing::layer;
using testing::rect;

TEST(WorkbenchSmoke, RotateDefaultsOnOnePath)
{
    Workbench bench(TOVRINS_PLUGIN_PATH, 1);
    ASSERT_EQ(bench.filters().all().size(), 3u);
    DocumentData data;
    data.layers.push_back(layer("Layer 1", {rect("a", 100, 100, 200, 150, true)}));
    bench.open(data);
    DefaultFrontEnd frontEnd;
    const CommandOutcome outcome = bench.runFilter(const_cast<RegisteredFilter&>(bench.filters().all()[0]), frontEnd);
    EXPECT_EQ(outcome.code, 0);
    const DocumentData after = bench.document()->data();
    size_t art = 0;
    for (const auto& l : after.layers)
        art += l.art.size();
    EXPECT_GT(art, 1u);
    for (const auto& f : bench.filters().all())
        std::printf("%s | %s | %s\n", f.name.c_str(), f.category.c_str(), f.title.c_str());
    std::printf("layers %zu art %zu dialogs %zu alerts %zu\n", after.layers.size(), art, outcome.dialogs.size(),
                frontEnd.alerts.size());
}

} // namespace
} // namespace tovrins::host
