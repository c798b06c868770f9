// Reading inputs: refused at the first bytes that cannot begin the format,
// and beyond the size limit, without reading on.
#include "app/input_file.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "app/app_error.hpp"

namespace tovrins::app {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class InputFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::path(::testing::TempDir()) / "tovrins_input_file";
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return dir_ / name;
    }

    // The refusal's message, or "read" when the file was read.
    static std::string refusal(const fs::path& path, FileFormat format)
    {
        try {
            readInputFile(path, format);
        } catch (const RunError& e) {
            return e.what();
        }
        return "read";
    }

    fs::path dir_;
};

TEST_F(InputFile, DocumentsBeginAsTheirFormatSays)
{
    using namespace std::string_literals;
    EXPECT_EQ(readInputFile(write("a.svg", "\xEF\xBB\xBF \r\n\t<svg/>"), FileFormat::Svg), "\xEF\xBB\xBF \r\n\t<svg/>");
    EXPECT_EQ(refusal(write("b.json", "\n {\"layers\": []}"), FileFormat::Json), "read");
    // UTF-16, with or without a byte-order mark, is the SVG reader's to judge.
    EXPECT_EQ(refusal(write("c.svg", "\xFF\xFE<\0s\0"s), FileFormat::Svg), "read");
    EXPECT_EQ(refusal(write("d.svg", "\0<\0s"s), FileFormat::Svg), "read");
    // So is SVG compressed with gzip, zero bytes and all.
    EXPECT_EQ(refusal(write("z.svg", "\x1F\x8B\x08\0\0\0"s), FileFormat::Svg), "read");
    EXPECT_THAT(refusal(write("z.json", "\x1F\x8B\x08\0"s), FileFormat::Json), HasSubstr("byte 0x1F"));

    EXPECT_THAT(refusal(write("e.svg", "{}"), FileFormat::Svg),
                HasSubstr("e.svg: it begins with the byte 0x7B where an SVG document begins with '<'"));
    EXPECT_THAT(refusal(write("f.json", "<svg/>"), FileFormat::Json),
                HasSubstr("it begins with the byte 0x3C where a JSON document begins with '{'"));
    EXPECT_THAT(refusal(write("g.json", "\0<"s), FileFormat::Json), HasSubstr("byte 0x00"));
    EXPECT_THAT(refusal(write("h.svg", "<svg>"s + std::string(70000, ' ') + "\0</svg>"s), FileFormat::Svg),
                HasSubstr("byte 70005 is a zero byte"));
    EXPECT_THAT(refusal(write("i.svg", ""), FileFormat::Svg), HasSubstr("i.svg: it is empty"));
    EXPECT_THAT(refusal(dir_, FileFormat::Svg), HasSubstr("it is a directory"));
    EXPECT_THAT(refusal(dir_ / "absent.svg", FileFormat::Svg), HasSubstr("absent.svg: no such file"));
}

TEST_F(InputFile, EndlessDevicesAreRefusedAfterAFewBytes)
{
    fs::create_symlink("/dev/zero", dir_ / "zero.svg");
    fs::create_symlink("/dev/urandom", dir_ / "random.json");
    EXPECT_THAT(refusal(dir_ / "zero.svg", FileFormat::Svg), HasSubstr("byte 0x00"));
    // Random bytes fail the first byte's test, or show a zero byte within
    // the first chunk with near certainty; read on, they would end at the
    // size limit instead.
    for (int i = 0; i < 20; ++i)
        EXPECT_THAT(refusal(dir_ / "random.json", FileFormat::Json), HasSubstr("so it is not"));
}

TEST_F(InputFile, FilesBeyondTheLimitAreRefusedUnread)
{
    const fs::path big = write("big.svg", "<svg/>");
    fs::resize_file(big, kLargestInput + 1); // sparse: nothing is written
    EXPECT_THAT(refusal(big, FileFormat::Svg),
                HasSubstr("big.svg: it is 268435457 bytes, and inputs are limited to 268435456 bytes (256 MiB)"));
    fs::resize_file(big, kLargestInput - 1);
    EXPECT_THAT(refusal(big, FileFormat::Svg), HasSubstr("zero byte")); // read up to the first zero only
}

} // namespace
} // namespace tovrins::app
