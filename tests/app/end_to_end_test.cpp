// Runs of the built tovrins binary with the built plug-in.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "json_document.hpp"
#include "svg_export.hpp"
#include "svg_import.hpp"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace tovrins::host;
using ::testing::HasSubstr;
using ::testing::Not;

struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

size_t lineCount(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

size_t artCount(const std::vector<ArtData>& art)
{
    size_t n = art.size();
    for (const ArtData& a : art)
        n += artCount(a.children);
    return n;
}

size_t artCount(const DocumentData& doc)
{
    size_t n = 0;
    for (const LayerData& layer : doc.layers)
        n += artCount(layer.art);
    return n;
}

size_t pathCount(const std::vector<ArtData>& art)
{
    size_t n = 0;
    for (const ArtData& a : art)
        n += (a.type == ArtType::Path ? 1 : 0) + pathCount(a.children);
    return n;
}

size_t pathCount(const DocumentData& doc)
{
    size_t n = 0;
    for (const LayerData& layer : doc.layers)
        n += pathCount(layer.art);
    return n;
}

class TovrinsRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("tovrins_e2e_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs the binary with stdout and stderr sent to files.
    Result run(std::vector<std::string> args)
    {
        args.insert(args.begin(), TOVRINS_BINARY);
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        const fs::path out = dir_ / "stdout.txt", err = dir_ / "stderr.txt";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = 0;
        Result result;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
            int status = 0;
            waitpid(pid, &status, 0);
            result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        result.out = readFile(out);
        result.err = readFile(err);
        fs::remove(out);
        fs::remove(err);
        return result;
    }

    fs::path path(const std::string& name) const { return dir_ / name; }
    // Everything the runs wrote, apart from the captured streams.
    std::vector<std::string> written() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        return names;
    }

    DocumentData json(const std::string& name) { return readJson(readFile(path(name)), name); }

    static std::string input() { return std::string(TOVRINS_APP_TEST_DATA) + "/shapes.svg"; }

    fs::path dir_;
};

TEST_F(TovrinsRun, FiltersListsTheThreeRegisteredFilters)
{
    const Result r = run({"filters"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(lineCount(r.out), 3u);
    for (const char* line : {"KM47_TovrinRotate\tQRX <Paths>\tTovrinRotate...\n",
                             "KM47_TovrinScale\tQRX <Paths>\tTovrinScale...\n",
                             "KM47_TovrinTranslate\tQRX <Paths>\tTovrinTranslate...\n"})
        EXPECT_THAT(r.out, HasSubstr(line));
}

TEST_F(TovrinsRun, AboutShowsTheAboutBoxTexts)
{
    const Result r = run({"about"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("Plugin Name: Tovrins Plugin\n"));
    EXPECT_EQ(lineCount(r.out), 7u); // the seven texts, not the OK button or the icon
}

TEST_F(TovrinsRun, RotateWritesEveryOutputWithTheSeed)
{
    const Result r = run({"run", "rotate", input(), "-o", path("a.svg"), "-o", path("a.json"), "-o", path("a.png"),
                          "--set", "rotateCopies=4", "--seed", "7"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "seed 7\n");
    const DocumentData result = json("a.json");
    EXPECT_EQ(result.seed, 7u);
    // The four selected paths (box, tri and the group's dot and tick) are
    // copied four times each; the originals go, as "Delete original" is on.
    EXPECT_EQ(pathCount(result), 4u * 4u);
    EXPECT_THAT(readFile(path("a.svg")), HasSubstr("<svg"));
    EXPECT_EQ(readFile(path("a.png")).substr(1, 3), "PNG");

    // The same seed and actions give the same document.
    ASSERT_EQ(run({"run", "rotate", input(), "-o", path("b.json"), "--set", "rotateCopies=4", "--seed", "7"}).exitCode, 0);
    EXPECT_EQ(readFile(path("a.json")), readFile(path("b.json")));
}

TEST_F(TovrinsRun, WithoutASeedOneIsTakenAndPrinted)
{
    const Result r = run({"run", "translate", input(), "-o", path("t.json")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ASSERT_TRUE(r.out.starts_with("seed ")) << r.out;
    EXPECT_EQ(json("t.json").seed, std::stoull(r.out.substr(5)));
}

TEST_F(TovrinsRun, CancelLeavesTheDocumentAsItWas)
{
    const Result r = run({"run", "scale", input(), "-o", path("c.svg"), "-o", path("c.json"), "--set",
                          "scaleCopies=9", "--tumble", "--cancel", "--seed", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::vector<std::string> warnings;
    DocumentData original = readSvg(readFile(input()), input(), warnings);
    EXPECT_EQ(readFile(path("c.svg")), writeSvg(original));
    DocumentData cancelled = json("c.json");
    EXPECT_EQ(artCount(cancelled), artCount(original));
    // Apart from the selection the run made and the seed it recorded.
    cancelled.seed.reset();
    EXPECT_EQ(writeSvg(cancelled), writeSvg(original));
}

TEST_F(TovrinsRun, ActionsArePlayedInTheOrderTyped)
{
    // A preset rewrites the copy count; setting it afterwards wins.
    ASSERT_EQ(run({"run", "rotate", input(), "-o", path("p1.json"), "--seed", "1", "--preset", "1", "--set",
                   "rotateCopies=2"}).exitCode, 0);
    ASSERT_EQ(run({"run", "rotate", input(), "-o", path("p2.json"), "--seed", "1", "--set", "rotateCopies=2",
                   "--preset", "1"}).exitCode, 0);
    EXPECT_NE(artCount(json("p1.json")), artCount(json("p2.json")));
}

TEST_F(TovrinsRun, RepeatRunsTheFilterAgainWithoutTheDialog)
{
    ASSERT_EQ(run({"run", "translate", input(), "-o", path("r0.json"), "--seed", "5", "--set", "translateCopies=2",
                   "--set", "translateDeleteOriginal=0"}).exitCode, 0);
    ASSERT_EQ(run({"run", "translate", input(), "-o", path("r2.json"), "--seed", "5", "--set", "translateCopies=2",
                   "--set", "translateDeleteOriginal=0", "--repeat", "2"}).exitCode, 0);
    EXPECT_GT(artCount(json("r2.json")), artCount(json("r0.json")));
}

TEST_F(TovrinsRun, ARepeatThatChangesNothingIsReported)
{
    // Rotate deletes the originals, so the repeats find nothing selected.
    const Result r = run({"run", "rotate", input(), "-o", path("r.json"), "--seed", "5", "--repeat", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.err, HasSubstr("warning: every repeat of the rotate filter changed nothing"));
    const Result changing = run({"run", "translate", input(), "-o", path("t.json"), "--seed", "5", "--set",
                                 "translateDeleteOriginal=0", "--repeat", "1"});
    ASSERT_EQ(changing.exitCode, 0) << changing.err;
    EXPECT_EQ(changing.err, "");
}

TEST_F(TovrinsRun, AFailingOutputLeavesTheOthersUnwritten)
{
    std::string big = readFile(input());
    const std::string size = R"(width="200" height="200")";
    const auto at = big.find(size);
    ASSERT_NE(at, std::string::npos);
    big.replace(at, size.size(), R"(width="20000" height="20000")");
    std::ofstream(path("big.svg")) << big;
    const Result r =
        run({"run", "rotate", path("big.svg"), "-o", path("p1.svg"), "-o", path("p1.png"), "--seed", "1"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "") << "the run stopped before the filter ran";
    EXPECT_THAT(r.err, HasSubstr("20000 x 20000 pixel image"));
    // A PNG that cannot be written at all, after a JSON that could.
    const Result unwritable = run({"run", "rotate", input(), "-o", path("p2.json"), "-o", "/proc/x.png"});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_THAT(unwritable.err, HasSubstr("/proc/x.png"));
    EXPECT_THAT(written(), ::testing::ElementsAre("big.svg"));
}

TEST_F(TovrinsRun, SelectionByIdCopiesOnlyThatArt)
{
    ASSERT_EQ(run({"run", "rotate", input(), "-o", path("all.json"), "--seed", "2"}).exitCode, 0);
    ASSERT_EQ(run({"run", "rotate", input(), "-o", path("box.json"), "--seed", "2", "--select", "box"}).exitCode, 0);
    EXPECT_LT(artCount(json("box.json")), artCount(json("all.json")));
    const Result r = run({"run", "rotate", input(), "-o", path("x.json"), "--select", "box,nothing"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_THAT(r.err, HasSubstr("'nothing'"));
    EXPECT_FALSE(fs::exists(path("x.json")));
}

TEST_F(TovrinsRun, UserErrorsAreOneLineAndWriteNothing)
{
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    const std::string in = input();
    const std::string out = path("out.json").string();
    const std::vector<Case> cases = {
        {{"run", "rotate", in, "-o", out, "--set", "rotateCopys=3"}, 2, "rotateCopies, rotateAngleStep"},
        {{"run", "rotate", in, "-o", out, "--set", "rotateCopies=3.5"}, 2, "whole number"},
        {{"run", "rotate", in, "-o", out, "--set", "rotateCentreMode=nowhere"}, 2, "'Path worm'"},
        {{"run", "rotate", in, "-o", out, "--preset", "999"}, 2, "--preset 999"},
        {{"run", "rotate", in, "-o", out, "-o", path("out.pdf").string()}, 2, "out.pdf"},
        {{"run", "spin", in, "-o", out}, 2, "rotate, scale and translate"},
        {{"run", "rotate", path("absent.svg").string(), "-o", out}, 1, "absent.svg"},
        {{"run", "rotate", in, "-o", out, "--plugin", path("none.aip").string()}, 1, "none.aip"},
        // The plug-in's own error dialog: the art is on a locked layer.
        {{"run", "rotate", std::string(TOVRINS_APP_TEST_DATA) + "/locked.json", "-o", out, "--select", "box"}, 1,
         "the rotate filter reported an error: The filter cannot complete because a layer is locked or invisible. "
         "(code SEGM)"},
        // Spin edit 6 stays disabled while the radial mode is 0.
        {{"run", "rotate", in, "-o", out, "--set", "rotateRadialStep=5"}, 1, "--set rotateRadialStep=5"},
    };
    for (const Case& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[4] << ' ' << c.args.back() << '\n' << r.err;
        EXPECT_EQ(lineCount(r.err), 1u) << r.err;
        EXPECT_TRUE(r.err.starts_with("tovrins: ")) << r.err;
        EXPECT_THAT(r.err, HasSubstr(c.message));
        EXPECT_THAT(written(), ::testing::IsEmpty()) << c.args.back();
    }
}

} // namespace
