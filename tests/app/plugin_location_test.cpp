// Finding the default plug-in from the program's own file.
#include "app/plugin_location.hpp"

#include <gtest/gtest.h>

#include <fstream>

namespace tovrins::app {
namespace {

namespace fs = std::filesystem;

TEST(PluginLocation, TheProgramFileIsThisOne)
{
    const auto program = programFile();
    ASSERT_TRUE(program.has_value());
    EXPECT_TRUE(program->is_absolute());
    EXPECT_EQ(program->filename(), "app_unit_tests");
}

TEST(PluginLocation, BesideTheProgramFirstThenWhereTheBuildPutsIt)
{
    const fs::path dir = fs::path(::testing::TempDir()) / "tovrins_plugin_location";
    fs::remove_all(dir);
    fs::create_directories(dir / "bin");
    const fs::path program = dir / "bin" / "tovrins";
    const fs::path built = "../resources/KM47_Tovrins.aip";
    EXPECT_EQ(defaultPlugin(program, built), dir / "resources" / "KM47_Tovrins.aip");
    std::ofstream(dir / "bin" / "KM47_Tovrins.aip") << "plug-in";
    EXPECT_EQ(defaultPlugin(program, built), dir / "bin" / "KM47_Tovrins.aip");
    // Without the program's file, the build's path from where we are.
    EXPECT_EQ(defaultPlugin(std::nullopt, built), built);
    fs::remove_all(dir);
}

} // namespace
} // namespace tovrins::app
