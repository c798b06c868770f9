// The host's side of the protocol: loading, start-up registration, About,
// unload and reload, and the commands it refuses.
#include <gtest/gtest.h>

#include "tests/support/scratch_directory.hpp"

#include "tests/host/document_fixtures.hpp"
#include "tests/support/plugin_harness.hpp"

namespace tovrins::host {
namespace {

using tovrins::testing::PluginHarness;

DocumentData onePath()
{
    DocumentData data;
    data.layers.push_back(host::testing::layer("Layer 1", {host::testing::rect("a", 100, 100, 200, 150, true)}));
    return data;
}

std::string loadError(const std::filesystem::path& path)
{
    try {
        Workbench bench(path, 1);
    } catch (const WorkbenchError& error) {
        return error.what();
    }
    return "loaded";
}

TEST(Workbench, AFileThatIsNotAPluginIsRefusedByName)
{
    const std::string missing = loadError("/nonexistent/KM47_Tovrins.aip");
    EXPECT_NE(missing.find("/nonexistent/KM47_Tovrins.aip"), std::string::npos) << missing;
    const std::string notPlugin = loadError(TOVRINS_TEST_SOURCE);
    EXPECT_NE(notPlugin.find(TOVRINS_TEST_SOURCE), std::string::npos) << notPlugin;
}

TEST(Workbench, StartupRegistersTheFiltersWithMenusEnabledWhenADocumentIsOpen)
{
    PluginHarness harness;
    const auto& filters = harness.bench.filters().all();
    ASSERT_EQ(filters.size(), 3u);
    const char* titles[] = {"TovrinRotate...", "TovrinScale...", "TovrinTranslate..."};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(filters[i].title, titles[i]);
        EXPECT_EQ(filters[i].category, "QRX <Paths>");
        EXPECT_TRUE(filters[i].menuItem.automatic);
        EXPECT_EQ(filters[i].menuItem.ifIsTrue, TV_MENU_IF_DOCUMENT_OPEN);
        EXPECT_EQ(filters[i].parameters, nullptr);
    }
    EXPECT_EQ(harness.bench.environment().suites.totalReferences(), 0);
}

TEST(Workbench, CommandsNeedADocumentAndARepeatNeedsAnEarlierFilter)
{
    PluginHarness harness;
    DefaultFrontEnd accept;
    EXPECT_THROW(harness.bench.runFilter(harness.rotate(), accept), WorkbenchError);
    harness.bench.open(onePath());
    EXPECT_THROW(harness.bench.repeatLastFilter(accept), WorkbenchError);
    EXPECT_TRUE(accept.alerts.empty());
}

TEST(Workbench, AboutShowsItsDialogWithTheTextsOfTheResource)
{
    PluginHarness harness;
    DefaultFrontEnd accept;
    ASSERT_EQ(harness.bench.about(accept), 0);
    ASSERT_EQ(harness.bench.adm().shown().size(), 1u);
    const ShownDialog& about = harness.bench.adm().shown().back();
    EXPECT_EQ(about.resourceId, 16050);
    EXPECT_EQ(about.result, 1);
    ASSERT_GE(about.unnamedTexts.size(), 3u);
    EXPECT_EQ(about.unnamedTexts[2], "Plugin Name: Tovrins Plugin");
}

TEST(Workbench, AfterUnloadAndReloadTheFiltersRunWithTheBlocksTheyKept)
{
    PluginHarness harness;
    harness.bench.open(onePath());
    ASSERT_EQ(harness.run(harness.translate()).code, 0);
    // The defaults delete the original and put each copy on a new layer, so
    // the repeat finds nothing selected and adds only its empty layers.
    const size_t layersAfterFirst = harness.document().data().layers.size();
    const TvMemoryHandle block = harness.translate().parameters;
    harness.bench.unloadAndReload();
    ASSERT_EQ(harness.repeat().code, 0);
    EXPECT_EQ(harness.document().data().layers.size(), 2 * layersAfterFirst - 1);
    EXPECT_EQ(harness.translate().parameters, block);
    EXPECT_EQ(harness.bench.environment().suites.totalReferences(), 0);
}

TEST(Workbench, APluginThatCannotBeLoadedAgainStaysUnloaded)
{
    const std::filesystem::path copy = tovrins::test::scratchDirectory("tovrins_reload_").replace_extension(".aip");
    std::filesystem::copy_file(TOVRINS_PLUGIN_PATH, copy, std::filesystem::copy_options::overwrite_existing);
    {
        Workbench bench(copy, 1);
        std::filesystem::remove(copy);
        try {
            bench.unloadAndReload();
            FAIL() << "reloaded a deleted file";
        } catch (const WorkbenchError& error) {
            EXPECT_NE(std::string(error.what()).find(copy.string()), std::string::npos) << error.what();
        }
        EXPECT_FALSE(bench.started());
        DefaultFrontEnd accept;
        EXPECT_THROW(bench.about(accept), WorkbenchError);
    } // and closing it sends nothing to the missing plug-in
}

TEST(Workbench, ACommandIsOneStepOfTheUsersUndo)
{
    PluginHarness harness;
    harness.bench.open(onePath());
    const DocumentData before = harness.document().data();
    const CommandOutcome outcome = harness.run(harness.scale());
    ASSERT_EQ(outcome.code, 0);
    EXPECT_TRUE(outcome.changed);
    const DocumentData after = harness.document().data();
    ASSERT_TRUE(harness.document().undo());
    host::testing::expectSameDocument(harness.document().data(), before);
    ASSERT_TRUE(harness.document().redo());
    host::testing::expectSameDocument(harness.document().data(), after);
}

} // namespace
} // namespace tovrins::host
