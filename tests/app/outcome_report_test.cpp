#include "app/outcome_report.hpp"

#include <gtest/gtest.h>

namespace tovrins::app {
namespace {

TEST(OutcomeReport, CodesAsNumbersOrFourCharacters)
{
    EXPECT_EQ(errorCodeText(-108), "-108");
    EXPECT_EQ(errorCodeText(271), "271");
    EXPECT_EQ(errorCodeText(-65536), "-65536");
    EXPECT_EQ(errorCodeText(65535), "65535");
    EXPECT_EQ(errorCodeText(0x2173656C), "!sel");
    EXPECT_EQ(errorCodeText(0x214D454D), "!MEM");
    EXPECT_EQ(errorCodeText(65536), "????"); // 0x00010000: a code of unprintable characters
}

TEST(OutcomeReport, ErrorDialogGivesMessageAndCode)
{
    host::ShownDialog dialog;
    dialog.resourceId = 16051;
    dialog.texts = {{1, "OK"}, {2, "The selection is not valid for this filter."}, {3, "!sel"}};
    EXPECT_EQ(describeErrorDialog("rotate", dialog),
              "the rotate filter reported an error: The selection is not valid for this filter. (code !sel)");
    dialog.texts.erase(3);
    dialog.texts.erase(2);
    EXPECT_EQ(describeErrorDialog("scale", dialog), "the scale filter reported an error: (no message)");
}

} // namespace
} // namespace tovrins::app
