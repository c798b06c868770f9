// Runs of the built tovrins binary with the built plug-in.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/scratch_directory.hpp"

#include "host/io/json_document.hpp"
#include "host/io/svg_export.hpp"
#include "host/io/svg_import.hpp"

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

// How a run is started, beyond its arguments.
struct Launch {
    std::string binary = TOVRINS_BINARY;
    fs::path directory;                   // the working directory; the test's own when empty
    std::vector<std::string> environment; // added to the test's
};

class TovrinsRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = tovrins::test::scratchDirectory("tovrins_e2e_");
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Starts the binary with stdout and stderr sent to files; returns its pid.
    pid_t start(std::vector<std::string> args, const Launch& launch = {})
    {
        args.insert(args.begin(), launch.binary);
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        std::vector<std::string> environment = launch.environment;
        std::vector<char*> envp;
        for (char** e = environ; *e; ++e)
            envp.push_back(*e);
        for (std::string& e : environment)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, streamFile("stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, streamFile("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (!launch.directory.empty())
            posix_spawn_file_actions_addchdir_np(&actions, launch.directory.c_str());
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
            pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    // Waits for a started run and collects what it printed.
    Result finish(pid_t pid, int* signal = nullptr)
    {
        Result result;
        int status = 0;
        if (pid > 0 && waitpid(pid, &status, 0) == pid) {
            result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            if (signal)
                *signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        }
        for (auto [name, text] : {std::pair{"stdout", &result.out}, std::pair{"stderr", &result.err}}) {
            *text = readFile(streamFile(name));
            fs::remove(streamFile(name));
        }
        return result;
    }

    Result run(std::vector<std::string> args, const Launch& launch = {})
    {
        return finish(start(std::move(args), launch));
    }

    // Beside the run's directory, so that written() sees only the run's files.
    fs::path streamFile(const std::string& name) const { return dir_.string() + "." + name + ".txt"; }

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
    for (const char* line :
         {"KM47_TovrinRotate\tQRX <Paths>\tTovrinRotate...\n", "KM47_TovrinScale\tQRX <Paths>\tTovrinScale...\n",
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
    ASSERT_EQ(run({"run", "rotate", input(), "-o", path("b.json"), "--set", "rotateCopies=4", "--seed", "7"}).exitCode,
              0);
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
    const Result r = run({"run", "scale", input(), "-o", path("c.svg"), "-o", path("c.json"), "--set", "scaleCopies=9",
                          "--tumble", "--cancel", "--seed", "3"});
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
                   "rotateCopies=2"})
                  .exitCode,
              0);
    ASSERT_EQ(run({"run", "rotate", input(), "-o", path("p2.json"), "--seed", "1", "--set", "rotateCopies=2",
                   "--preset", "1"})
                  .exitCode,
              0);
    EXPECT_NE(artCount(json("p1.json")), artCount(json("p2.json")));
}

TEST_F(TovrinsRun, RepeatRunsTheFilterAgainWithoutTheDialog)
{
    ASSERT_EQ(run({"run", "translate", input(), "-o", path("r0.json"), "--seed", "5", "--set", "translateCopies=2",
                   "--set", "translateDeleteOriginal=0"})
                  .exitCode,
              0);
    ASSERT_EQ(run({"run", "translate", input(), "-o", path("r2.json"), "--seed", "5", "--set", "translateCopies=2",
                   "--set", "translateDeleteOriginal=0", "--repeat", "2"})
                  .exitCode,
              0);
    EXPECT_GT(artCount(json("r2.json")), artCount(json("r0.json")));
}

TEST_F(TovrinsRun, ARepeatWithNothingToWorkOnIsReported)
{
    // Rotate deletes the originals and leaves its copies unselected, so the
    // repeats find nothing selected; they still run, and add empty layers.
    const Result r = run({"run", "rotate", input(), "-o", path("r.json"), "--seed", "5", "--repeat", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "tovrins: warning: every repeat of the rotate filter found nothing selected to work on\n");
    const Result changing = run({"run", "translate", input(), "-o", path("t.json"), "--seed", "5", "--set",
                                 "translateDeleteOriginal=0", "--repeat", "1"});
    ASSERT_EQ(changing.exitCode, 0) << changing.err;
    EXPECT_EQ(changing.err, "");
}

TEST_F(TovrinsRun, TheDocumentedRepeatExampleMakesThreeWalks)
{
    const std::string star = std::string(TOVRINS_EXAMPLES) + "/star.svg";
    const auto walks = [&](const std::string& out, const std::string& repeat) {
        const Result r = run({"run", "translate", star, "-o", path(out), "--select", "star", "--set",
                              "translateVariation=Drunken path", "--set", "translateDeleteOriginal=0", "--repeat",
                              repeat, "--seed", "42"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return pathCount(json(out));
    };
    // The star, the moon and the background, and seven copies a walk.
    EXPECT_EQ(walks("once.json", "0"), 3u + 7u);
    EXPECT_EQ(walks("thrice.json", "2"), 3u + 3u * 7u);
}

TEST_F(TovrinsRun, AFailingOutputLeavesTheOthersUnwritten)
{
    std::string big = readFile(input());
    const std::string size = R"(width="200" height="200")";
    const auto at = big.find(size);
    ASSERT_NE(at, std::string::npos);
    big.replace(at, size.size(), R"(width="20000" height="20000")");
    std::ofstream(path("big.svg")) << big;
    const Result r = run({"run", "rotate", path("big.svg"), "-o", path("p1.svg"), "-o", path("p1.png"), "--seed", "1"});
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
        {{"run", "rotate", std::string(TOVRINS_APP_TEST_DATA) + "/locked.json", "-o", out, "--select", "box"},
         1,
         "the rotate filter reported an error: The filter cannot complete because a layer is locked or invisible. "
         "(code SEGM)"},
        // A point the view does not show, near or far.
        {{"run", "rotate", in, "-o", out, "--pick", "60=1e9,1e9"},
         1,
         "--pick 60=1e9,1e9: artwork point 1e+09,1e+09 is outside the view, which shows x from"},
        {{"run", "rotate", in, "-o", out, "--pick", "60=3e38,3e38"}, 1, "is outside the view, which shows x from"},
        {{"run", "rotate", in, "-o", out, "--plugin", dir_.string()}, 1, "is a directory, not a plug-in file"},
        {{"run", "rotate", "/dev/zero", "-o", out}, 2, "neither an .svg nor a .json"},
        // Spin edit 6 stays disabled while the radial mode is 0.
        {{"run", "rotate", in, "-o", out, "--set", "rotateRadialStep=5"}, 1, "--set rotateRadialStep=5"},
    };
    for (const Case& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[4] << ' ' << c.args.back() << '\n' << r.err;
        EXPECT_EQ(r.out, "") << "no seed for a run that failed";
        EXPECT_EQ(lineCount(r.err), 1u) << r.err;
        EXPECT_TRUE(r.err.starts_with("tovrins: ")) << r.err;
        EXPECT_THAT(r.err, HasSubstr(c.message));
        EXPECT_THAT(written(), ::testing::IsEmpty()) << c.args.back();
    }
}

TEST_F(TovrinsRun, VersionIsTheProjects)
{
    const Result r = run({"--version"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.out, ::testing::MatchesRegex("tovrins [0-9]+\\.[0-9]+(\\.[0-9]+)*\n"));
}

TEST_F(TovrinsRun, AMovedBuildFindsItsPlugInFromTheProgram)
{
    // The build's layout, and an installed one with the two side by side.
    fs::create_directories(path("build/app"));
    fs::create_directories(path("build/resources"));
    fs::create_directories(path("installed"));
    for (const char* dir : {"build/app", "installed"})
        fs::copy_file(TOVRINS_BINARY, path(dir) / "tovrins");
    fs::copy_file(TOVRINS_PLUGIN, path("build/resources/KM47_Tovrins.aip"));
    fs::copy_file(TOVRINS_PLUGIN, path("installed/KM47_Tovrins.aip"));
    for (const char* program : {"build/app/tovrins", "installed/tovrins"}) {
        const Result r = run({"filters"}, Launch{path(program).string(), "/", {}});
        EXPECT_EQ(r.exitCode, 0) << program << ": " << r.err;
        EXPECT_EQ(lineCount(r.out), 3u) << program;
    }
    fs::remove(path("installed/KM47_Tovrins.aip"));
    const Result missing = run({"filters"}, Launch{path("installed/tovrins").string(), {}, {}});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_THAT(missing.err, HasSubstr(path("resources/KM47_Tovrins.aip").string()));
}

TEST_F(TovrinsRun, APlugInNamedWithoutASlashIsTheFileInTheWorkingDirectory)
{
    fs::copy_file(TOVRINS_PLUGIN, path("good.aip"));
    const Result r = run({"filters", "--plugin", "good.aip"}, Launch{TOVRINS_BINARY, dir_, {}});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(lineCount(r.out), 3u);
}

TEST_F(TovrinsRun, CopiesBeyondTheRangeOfCoordinatesAreRefusedInWords)
{
    const Result r = run({"run", "scale", input(), "-o", path("s.json"), "--set", "scaleCopies=40", "--set",
                          "scaleHorizontalScale=1000", "--set", "scaleVerticalScale=1000", "--seed", "1"});
    EXPECT_EQ(r.exitCode, 1);
    // The scale overflows to infinity, and so the matrix of a copy.
    EXPECT_EQ(r.err,
              "tovrins: the scale command failed: its copies would leave the range of coordinates (the "
              "matrix to transform an unnamed art object by has overflowed, beyond about 3.4e38; code !rng)\n");
    EXPECT_THAT(written(), ::testing::IsEmpty());
}

TEST_F(TovrinsRun, NumbersTooLargeForAFieldAreBroughtWithinItsLimits)
{
    for (const char* copies : {"500", "1e10"}) {
        const std::string out = std::string("c") + copies + ".json";
        const Result r = run(
            {"run", "rotate", input(), "-o", path(out), "--seed", "3", "--set", std::string("rotateCopies=") + copies});
        ASSERT_EQ(r.exitCode, 0) << copies << ": " << r.err;
        EXPECT_EQ(pathCount(json(out)), 4u * 100u) << copies;
    }
}

TEST_F(TovrinsRun, AnInterruptedWriteLeavesNoTemporaryFiles)
{
    for (const int signal : {SIGINT, SIGTERM}) {
        // The run stops itself once every temporary file is written.
        const pid_t pid = start(
            {"run", "rotate", input(), "-o", path("a.svg"), "-o", path("a.json"), "-o", path("a.png"), "--seed", "1"},
            Launch{TOVRINS_BINARY, {}, {"TOVRINS_TEST_STOP_BEFORE_COMMIT=1"}});
        ASSERT_GT(pid, 0);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, WUNTRACED), pid);
        ASSERT_TRUE(WIFSTOPPED(status));
        EXPECT_EQ(written().size(), 3u) << "the three hidden temporary files";
        kill(pid, signal);
        kill(pid, SIGCONT);
        int ended = 0;
        const Result r = finish(pid, &ended);
        EXPECT_EQ(ended, signal) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_THAT(written(), ::testing::IsEmpty());
    }
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// Runs under address-space limits from too small to start up to enough:
// every failure on the way is a sentence, never an exception's name or a
// crash, and writing the JSON is among the steps that run out.
TEST_F(TovrinsRun, RunningOutOfMemoryEndsInASentence)
{
    if (kAddressSanitizer)
        GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space, so no address-space limit can "
                        "be set below what the run needs";
    std::string segments;
    for (int i = 0; i < 30000; ++i)
        segments += " L" + std::to_string(i % 400) + ' ' + std::to_string(i * 7 % 400);
    std::ofstream(path("long.svg")) << R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="400">)"
                                    << R"(<path id="p" d="M0 0)" << segments << R"("/></svg>)";
    bool succeeded = false;
    bool writingRanOut = false;
    // Steps of 2 MB: the limits at which writing runs out span only a few
    // megabytes, and where they lie moves as the document's memory does.
    for (rlim_t megabytes = 24; megabytes <= 256 && !succeeded; megabytes += 2) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            const rlimit limit{megabytes << 20, megabytes << 20};
            setrlimit(RLIMIT_AS, &limit);
            const int out = open(streamFile("stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int err = open(streamFile("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(out, 1);
            dup2(err, 2);
            execl(TOVRINS_BINARY, TOVRINS_BINARY, "run", "translate", path("long.svg").c_str(), "-o",
                  path("long.json").c_str(), "-o", path("long-out.svg").c_str(), "--seed", "1", nullptr);
            _exit(126);
        }
        int signal = 0;
        const Result r = finish(pid, &signal);
        EXPECT_EQ(signal, 0) << megabytes << " MB: " << r.err;
        if (r.exitCode == 0) {
            succeeded = true;
            fs::remove(path("long.json"));
            fs::remove(path("long-out.svg"));
            continue;
        }
        if (r.err.find("error while loading shared libraries") != std::string::npos)
            continue; // the system's loader, before the program starts
        EXPECT_EQ(r.exitCode, 1) << megabytes << " MB: " << r.err;
        EXPECT_EQ(lineCount(r.err), 1u) << r.err;
        EXPECT_THAT(r.err, Not(HasSubstr("std::"))) << megabytes << " MB";
        EXPECT_THAT(r.err, Not(HasSubstr("bad_alloc"))) << megabytes << " MB";
        writingRanOut =
            writingRanOut || r.err == "tovrins: not enough memory to write " + path("long.json").string() + "\n";
        EXPECT_THAT(written(), ::testing::ElementsAre("long.svg")) << megabytes << " MB";
    }
    EXPECT_TRUE(succeeded) << "no limit was enough";
    EXPECT_TRUE(writingRanOut) << "no limit ran out while writing";
}

} // namespace
