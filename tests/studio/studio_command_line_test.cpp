// `tovrins studio`'s command line: every flag the command takes, the
// refusals of values it cannot use, and help that shows examples.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/app_error.hpp"
#include "app/command_line.hpp"
#include "host/io/svg_import.hpp"
#include "studio/bundled_example.hpp"

namespace tovrins::app {
namespace {

using ::testing::HasSubstr;

CommandLine parse(std::vector<std::string> args) { return parseCommandLine(args, "default/plugin.aip"); }

TEST(StudioCommandLine, WithoutOptionsServesTheExampleOnTheDefaultPortOfThisMachine)
{
    const CommandLine cl = parse({"studio"});
    EXPECT_EQ(cl.command, CommandLine::Command::Studio);
    EXPECT_FALSE(cl.studio.document);
    EXPECT_EQ(cl.studio.port, 8470);
    EXPECT_EQ(cl.studio.host, "127.0.0.1");
    EXPECT_FALSE(cl.studio.seed);
    EXPECT_EQ(cl.plugin, "default/plugin.aip");
}

TEST(StudioCommandLine, TakesEveryFlagInAnyOrder)
{
    const CommandLine cl = parse({"studio", "--seed", "18446744073709551615", "drawing.json", "--port", "0", "--plugin",
                                  "other.aip", "--host", "192.168.1.5"});
    EXPECT_EQ(cl.command, CommandLine::Command::Studio);
    EXPECT_EQ(cl.studio.document, std::filesystem::path("drawing.json"));
    EXPECT_EQ(cl.studio.port, 0);
    EXPECT_EQ(cl.studio.host, "192.168.1.5");
    EXPECT_EQ(cl.studio.seed, 18446744073709551615u);
    EXPECT_EQ(cl.plugin, "other.aip");
}

TEST(StudioCommandLine, RefusesPortsAndSeedsItCannotUse)
{
    for (const char* port : {"65536", "-1", "http", ""})
        EXPECT_THROW(parse({"studio", "--port", port}), UsageError) << port;
    for (const char* seed : {"-1", "18446744073709551616", "1.5", "seven"}) {
        try {
            parse({"studio", "--seed", seed});
            ADD_FAILURE() << "seed " << seed << " was taken";
        } catch (const UsageError& e) {
            EXPECT_THAT(e.what(), HasSubstr(std::string("'") + seed + "' is not a seed"));
        }
    }
    EXPECT_THROW(parse({"studio", "a.svg", "b.svg"}), UsageError);
}

TEST(StudioCommandLine, HelpNamesEveryFlagAndShowsExamples)
{
    const CommandLine cl = parse({"studio", "--help"});
    EXPECT_EQ(cl.command, CommandLine::Command::Help);
    for (const char* text : {"DOCUMENT", "--port", "--seed", "--plugin", "--host",
                             "Examples:", "tovrins studio drawing.svg --port 0 --seed 42", "Ctrl-C"})
        EXPECT_THAT(cl.helpText, HasSubstr(text));
}

TEST(BundledExample, IsTheStarDrawingAndReadsWithoutWarnings)
{
    const studio::BundledExample example = studio::bundledExample();
    EXPECT_EQ(example.name, "star.svg");
    std::vector<std::string> warnings;
    const host::DocumentData data = host::readSvg(example.svg, std::string(example.name), warnings);
    EXPECT_TRUE(warnings.empty());
    bool star = false;
    for (const host::LayerData& layer : data.layers)
        for (const host::ArtData& art : layer.art)
            star = star || art.id == "star";
    EXPECT_TRUE(star) << "the example has no art with id star";
}

} // namespace
} // namespace tovrins::app
