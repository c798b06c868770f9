#include <array>
#include <string>
#include <vector>

#include "shell/pascal_strings.hpp"
#include "tests/shell/shell_fixture.hpp"

namespace tovrins::test {
namespace {

std::vector<char> cBuffer(const std::string& text, std::size_t extra = 1)
{
    std::vector<char> buffer(text.begin(), text.end());
    buffer.resize(text.size() + extra, '\0');
    return buffer;
}

TEST(PascalStrings, RoundTripKeepsTheCharacters)
{
    for (const std::string& text : {std::string{}, std::string{"QRX <Paths>"}, std::string(255, 'x')}) {
        auto buffer = cBuffer(text);
        ASSERT_TRUE(cToPascal(buffer)) << text.size();
        EXPECT_EQ(static_cast<unsigned char>(buffer[0]), text.size());
        EXPECT_EQ(std::string(buffer.begin() + 1, buffer.begin() + 1 + static_cast<long>(text.size())), text);
        pascalToC(buffer);
        EXPECT_EQ(std::string(buffer.data()), text);
    }
}

TEST(PascalStrings, LongerThan255LeavesTheBufferUnchanged)
{
    auto buffer = cBuffer(std::string(256, 'y'));
    const auto before = buffer;
    EXPECT_FALSE(cToPascal(buffer));
    EXPECT_EQ(buffer, before);

    // No terminating zero inside the buffer: refused as well.
    std::array<char, 3> unterminated{'a', 'b', 'c'};
    EXPECT_EQ(cStringLength(unterminated), 3u);
    EXPECT_FALSE(cToPascal(unterminated));
    EXPECT_EQ(unterminated[0], 'a');
}

TEST(PascalStrings, LengthStopsAtTheFirstZero)
{
    const std::array<char, 6> text{'a', 'b', '\0', 'c', '\0', '\0'};
    EXPECT_EQ(cStringLength(text), 2u);
}

TEST(PascalStrings, FourCharacterCodesPutTheFirstCharacterHighest)
{
    std::array<char, 5> text{};
    fourCharCodeToPascal(TV_ERR_BAD_SELECTION, text);
    EXPECT_EQ(std::string(text.begin(), text.end()), std::string("\x04!sel", 5));
    EXPECT_EQ(fourCharCodeFromPascal(text), TV_ERR_BAD_SELECTION);

    // A code whose top byte is above 0x7F stays a negative 32-bit value.
    const TvErr high = tv::fourCharCode('\xC3', 'a', 'b', 'c');
    fourCharCodeToPascal(high, text);
    EXPECT_EQ(fourCharCodeFromPascal(text), high);

    // Shorter strings count the missing characters as zero bytes.
    const std::array<char, 3> shortText{2, 'O', 'K'};
    EXPECT_EQ(fourCharCodeFromPascal(shortText), tv::fourCharCode('O', 'K', '\0', '\0'));
}

using NumberText = ShellTest;

TEST_F(NumberText, ConvertsThroughTheUserSuite)
{
    std::array<char, 256> text{};
    EXPECT_EQ(numberToText(-108, text), TV_ERR_BAD_PARAMETER) << "no user suite held";
    holdSuites();

    ASSERT_EQ(numberToText(-108, text), 0);
    EXPECT_STREQ(text.data(), "-108");

    std::array<char, 16> key{"271"};
    int16_t value = 0;
    ASSERT_EQ(textToNumber(key, value), 0);
    EXPECT_EQ(value, 271);

    // Kept to 16 bits with its sign.
    std::array<char, 16> wide{"65644"};
    ASSERT_EQ(textToNumber(wide, value), 0);
    EXPECT_EQ(value, 108);

    std::array<char, 16> notNumber{"-x"};
    EXPECT_EQ(textToNumber(notNumber, value), TV_ERR_BAD_PARAMETER);
}

} // namespace
} // namespace tovrins::test
