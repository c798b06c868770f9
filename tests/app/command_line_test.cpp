#include "app/command_line.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/app_error.hpp"

namespace tovrins::app {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Kind = ActionRequest::Kind;

CommandLine parse(std::vector<std::string> args) { return parseCommandLine(args, "default/plugin.aip"); }

std::vector<std::string> typedActions(const RunRequest& run)
{
    std::vector<std::string> typed;
    for (const ActionRequest& action : run.actions)
        typed.push_back(action.typed());
    return typed;
}

TEST(CommandLine, RunKeepsTheActionsInTheOrderTypedAcrossOptions)
{
    const CommandLine cl = parse({"run",       "rotate",
                                  "in.svg",    "-o",
                                  "a.svg",     "--tumble",
                                  "--set",     "rotateCopies=12",
                                  "--zoom",    "200",
                                  "--preset",  "3",
                                  "--set",     "rotateAngleStep=-4.5",
                                  "--shuffle", "--pick",
                                  "61=10,20",  "--tumble",
                                  "-o",        "b.png"});
    ASSERT_EQ(cl.command, CommandLine::Command::Run);
    EXPECT_EQ(cl.run.filter, "rotate");
    EXPECT_EQ(cl.run.input, "in.svg");
    EXPECT_THAT(cl.run.outputs, ElementsAre("a.svg", "b.png"));
    EXPECT_THAT(typedActions(cl.run),
                ElementsAre("--tumble", "--set rotateCopies=12", "--zoom 200", "--preset 3",
                            "--set rotateAngleStep=-4.5", "--shuffle", "--pick 61=10,20", "--tumble"));
    EXPECT_FALSE(cl.run.cancel);
    EXPECT_TRUE(cl.run.selection.all);
    EXPECT_FALSE(cl.run.seed.has_value());
    EXPECT_EQ(cl.run.repeat, 0);
    EXPECT_EQ(cl.plugin, "default/plugin.aip");
}

TEST(CommandLine, EqualsSignFormsAndRunOptions)
{
    const CommandLine cl = parse({"run", "scale", "in.json", "--output=x.json", "--set=scaleCopies=3", "--cancel",
                                  "--seed", "18446744073709551615", "--select", "star, ring", "--plugin", "p.aip"});
    EXPECT_THAT(typedActions(cl.run), ElementsAre("--set scaleCopies=3"));
    EXPECT_TRUE(cl.run.cancel);
    EXPECT_EQ(cl.run.seed, 18446744073709551615u);
    EXPECT_FALSE(cl.run.selection.all);
    EXPECT_THAT(cl.run.selection.ids, ElementsAre("star", "ring"));
    EXPECT_EQ(cl.plugin, "p.aip");
}

TEST(CommandLine, RepeatAndSeedAreChecked)
{
    const auto repeat = [](std::string count) {
        return parse({"run", "translate", "i.svg", "-o", "o.svg", "--repeat", count}).run.repeat;
    };
    EXPECT_EQ(repeat("3"), 3);
    EXPECT_EQ(repeat("1000"), 1000);
    for (const char* bad : {"-1", "1001", "2.5", "many", "99999999999999999999"}) {
        try {
            repeat(bad);
            ADD_FAILURE() << "--repeat " << bad << " was accepted";
        } catch (const UsageError& e) {
            EXPECT_THAT(e.what(), HasSubstr("--repeat '" + std::string(bad) + "'"));
            EXPECT_THAT(e.what(), HasSubstr("from 0 to 1000"));
        }
    }
    EXPECT_THROW(parse({"run", "translate", "i.svg", "-o", "o.svg", "--seed", "x"}), UsageError);
    EXPECT_THROW(parse({"run", "translate", "i.svg", "-o", "o.svg", "--seed", "-3"}), UsageError);
    try {
        parse({"run", "translate", "i.svg", "-o", "o.svg", "--cancel", "--repeat", "2"});
        FAIL() << "--cancel with --repeat was accepted";
    } catch (const UsageError& e) {
        EXPECT_THAT(e.what(), HasSubstr("--repeat"));
    }
}

TEST(CommandLine, MissingPiecesAreUsageErrors)
{
    // No command at all: the help, which lists the commands.
    const CommandLine bare = parse({});
    EXPECT_EQ(bare.command, CommandLine::Command::Help);
    for (const char* command : {"run", "filters", "about"})
        EXPECT_THAT(bare.helpText, HasSubstr(command));
    try {
        parse({"--plugin", "p.aip"});
        ADD_FAILURE() << "options without a command were accepted";
    } catch (const UsageError& e) {
        EXPECT_THAT(e.what(), HasSubstr("run, studio, filters and about"));
    }
    EXPECT_THROW(parse({"run", "rotate", "in.svg"}), UsageError);      // no output
    EXPECT_THROW(parse({"run", "rotate", "-o", "o.svg"}), UsageError); // no input
    EXPECT_THROW(parse({"run", "rotate", "in.svg", "-o", "o.svg", "--bogus"}), UsageError);
    EXPECT_THROW(parse({"run", "rotate", "in.svg", "-o", "o.svg", "--set"}), UsageError);
    EXPECT_THROW(parse({"frobnicate"}), UsageError);
}

TEST(CommandLine, FiltersAndAboutTakeAPluginPath)
{
    EXPECT_EQ(parse({"filters"}).command, CommandLine::Command::Filters);
    const CommandLine about = parse({"about", "--plugin", "other.aip"});
    EXPECT_EQ(about.command, CommandLine::Command::About);
    EXPECT_EQ(about.plugin, "other.aip");
}

TEST(CommandLine, RunHelpShowsAWorkedExampleForEachFilter)
{
    const CommandLine cl = parse({"run", "--help"});
    ASSERT_EQ(cl.command, CommandLine::Command::Help);
    for (const char* example : {"tovrins run rotate ", "tovrins run scale ", "tovrins run translate "})
        EXPECT_THAT(cl.helpText, HasSubstr(example));
    EXPECT_THAT(cl.helpText, HasSubstr("--pick"));
    EXPECT_THAT(parse({"--help"}).helpText, HasSubstr("filters"));
}

TEST(Selection, AllOrCommaSeparatedIds)
{
    EXPECT_TRUE(parseSelection("all").all);
    EXPECT_TRUE(parseSelection(" ALL ").all);
    const SelectionRequest one = parseSelection("star");
    EXPECT_FALSE(one.all);
    EXPECT_THAT(one.ids, ElementsAre("star"));
    EXPECT_THAT(parseSelection("a,b , c").ids, ElementsAre("a", "b", "c"));
    for (const char* bad : {"", "a,,b", "a,", ",a", " "})
        EXPECT_THROW(parseSelection(bad), UsageError) << '"' << bad << '"';
}

TEST(CommandLine, VersionIsPrintedWithoutACommand)
{
    const CommandLine cl = parse({"--version"});
    EXPECT_EQ(cl.command, CommandLine::Command::Help);
    EXPECT_THAT(cl.helpText, ::testing::MatchesRegex("tovrins [0-9]+\\.[0-9]+(\\.[0-9]+)*\n"));
}

} // namespace
} // namespace tovrins::app
