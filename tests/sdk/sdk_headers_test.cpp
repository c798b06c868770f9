#include <gtest/gtest.h>

#include "sdk/tv_sdk.h"

extern "C" int tovrinsSdkCompilesAsC(void);

TEST(SdkHeaders, CompileAsCWithTheSameLayout)
{
    EXPECT_EQ(tovrinsSdkCompilesAsC(), static_cast<int>(sizeof(TvPathStyle)) + 1);
}

TEST(SdkHeaders, FourCharacterCodesPutTheFirstCharacterHighest)
{
    EXPECT_EQ(tv::fourCharCode('!', 's', 'e', 'l'), 0x2173656C);
    EXPECT_EQ(TV_ERR_LAYER_LOCKED, tv::fourCharCode('S', 'E', 'G', 'M'));
    EXPECT_TRUE(tv::isNumericCode(TV_ERR_MEMORY_FULL));
    EXPECT_TRUE(tv::isNumericCode(TV_ERR_OUT_OF_MEMORY));
    EXPECT_TRUE(tv::isNumericCode(-65536));
    EXPECT_FALSE(tv::isNumericCode(TV_ERR_CANCELLED));
    EXPECT_FALSE(tv::isNumericCode(-65537));
}
