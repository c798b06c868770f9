/* Host error codes. */
#ifndef TOVRINS_SDK_TV_ERRORS_H
#define TOVRINS_SDK_TV_ERRORS_H

#include "sdk/tv_types.h"

#define TV_ERR_NONE ((TvErr)0)
/* The plug-in was handed no parameter block: '!MEM'. */
#define TV_ERR_NO_PARAMETER_MEMORY ((TvErr)0x214D454D)
/* A dialog was cancelled: 'STOP'. Never shown to the user. */
#define TV_ERR_CANCELLED ((TvErr)0x53544F50)
/* The selection is not valid for this command: '!sel'. */
#define TV_ERR_BAD_SELECTION ((TvErr)0x2173656C)
/* No suite of that name and version: 'S!Fd'. Never shown twice. */
#define TV_ERR_SUITE_NOT_FOUND ((TvErr)0x53214664)
/* A layer is locked or hidden: 'SEGM'. */
#define TV_ERR_LAYER_LOCKED ((TvErr)0x5345474D)
/* A path has too many anchor points: 'NESS'. */
#define TV_ERR_TOO_MANY_POINTS ((TvErr)0x4E455353)
/* Out of memory, as numbers. */
#define TV_ERR_MEMORY_FULL ((TvErr)-108)
#define TV_ERR_OUT_OF_MEMORY ((TvErr)271)
/* A bad argument: an unknown handle, a null pointer, a non-finite value. */
#define TV_ERR_BAD_PARAMETER ((TvErr)-50)
/* A transformation would carry art beyond the range of coordinates, which
 * single-precision numbers bound at about 3.4e38 points: '!rng'. */
#define TV_ERR_OUT_OF_RANGE ((TvErr)0x21726E67)

#ifdef __cplusplus
namespace tv {

/* Builds a four-character code, the first character in the most
 * significant byte. */
constexpr TvErr fourCharCode(char a, char b, char c, char d)
{
    return static_cast<TvErr>((static_cast<uint32_t>(static_cast<unsigned char>(a)) << 24) |
                              (static_cast<uint32_t>(static_cast<unsigned char>(b)) << 16) |
                              (static_cast<uint32_t>(static_cast<unsigned char>(c)) << 8) |
                              static_cast<uint32_t>(static_cast<unsigned char>(d)));
}

/* True for a code that is a number rather than four characters. */
constexpr bool isNumericCode(TvErr code) { return code >= -65536 && code <= 65535; }

} // namespace tv

static_assert(tv::fourCharCode('!', 'M', 'E', 'M') == TV_ERR_NO_PARAMETER_MEMORY, "!MEM");
static_assert(tv::fourCharCode('S', 'T', 'O', 'P') == TV_ERR_CANCELLED, "STOP");
static_assert(tv::fourCharCode('!', 's', 'e', 'l') == TV_ERR_BAD_SELECTION, "!sel");
static_assert(tv::fourCharCode('S', '!', 'F', 'd') == TV_ERR_SUITE_NOT_FOUND, "S!Fd");
static_assert(tv::fourCharCode('S', 'E', 'G', 'M') == TV_ERR_LAYER_LOCKED, "SEGM");
static_assert(tv::fourCharCode('N', 'E', 'S', 'S') == TV_ERR_TOO_MANY_POINTS, "NESS");
static_assert(tv::fourCharCode('!', 'r', 'n', 'g') == TV_ERR_OUT_OF_RANGE, "!rng");
#endif

#endif
