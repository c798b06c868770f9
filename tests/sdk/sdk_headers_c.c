/* Includes every host interface header as C. */
#include "sdk/tv_sdk.h"

int tovrinsSdkCompilesAsC(void)
{
    TvPathStyle style;
    style.fill.kind = TV_COLOR_RGB;
    return (int)sizeof(style) + (TV_ERR_CANCELLED != 0);
}
