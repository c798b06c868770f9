// Whole files in and out, for tests that read built plug-ins and write
// damaged copies of them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tovrins::test {

// The file's bytes; none when it cannot be opened.
inline std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// Writes bytes to NAME in the test's temporary folder and returns its path.
inline std::filesystem::path writeTemp(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    const auto path = std::filesystem::path(::testing::TempDir()) / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

} // namespace tovrins::test
