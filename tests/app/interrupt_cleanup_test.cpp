// Temporary outputs removed when the program is interrupted: a child
// process stages files and is signalled mid-write.
#include "app/interrupt_cleanup.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

#include "app/app_error.hpp"
#include "app/atomic_file.hpp"

namespace tovrins::app {
namespace {

namespace fs = std::filesystem;

class InterruptCleanup : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        dir_ = fs::path(::testing::TempDir()) / ("tovrins_interrupt_" + std::to_string(GetParam()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir_))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }

    fs::path dir_;
};

TEST_P(InterruptCleanup, TheSignalRemovesStagedFilesKeepsCommittedOnesAndStillEndsTheProgram)
{
    const int signal = GetParam();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        removeTemporariesOnInterrupt();
        {
            StagedFiles done;
            done.write(dir_ / "kept.svg", "<svg/>");
            done.commit();
        }
        StagedFiles files;
        files.write(dir_ / "a.svg", "<svg/>");
        files.reserve(dir_ / "b.png");
        files.write(dir_ / "c.json", "{}");
        // The three temporary files are there when the signal comes.
        int staged = 0;
        for (const auto& entry : fs::directory_iterator(dir_))
            staged += entry.path().filename().string().find(".tmp-") != std::string::npos;
        if (staged != 3)
            ::_exit(10 + staged);
        std::raise(signal);
        ::_exit(3); // not reached: the signal ends the program
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit code " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_THAT(names(), ::testing::ElementsAre("kept.svg"));
}

INSTANTIATE_TEST_SUITE_P(Signals, InterruptCleanup, ::testing::Values(SIGINT, SIGTERM, SIGHUP));

TEST(TemporaryFileEntry, TheTableHasRoomForAsManyAsOneRunWrites)
{
    std::vector<TemporaryFileEntry> entries(kMostTemporaryFiles);
    EXPECT_THROW(TemporaryFileEntry(), RunError);
    entries.pop_back(); // a released entry can be claimed again
    EXPECT_NO_THROW(TemporaryFileEntry());
    EXPECT_THROW(entries.front().arm(std::string(TemporaryFileEntry::kCapacity, 'x').c_str()), RunError);
}

} // namespace
} // namespace tovrins::app
