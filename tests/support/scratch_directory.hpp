// A scratch directory for one test in one test process.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <unistd.h>

namespace tovrins::test {

// The current test's name and the process id are both in the path, so two
// builds' test runs on one machine (or ctest -j) never share a directory.
inline std::filesystem::path scratchDirectory(std::string_view prefix)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string test = info != nullptr ? info->name() : "no_test";
    return std::filesystem::temp_directory_path() / (std::string(prefix) + test + "_" + std::to_string(::getpid()));
}

} // namespace tovrins::test
