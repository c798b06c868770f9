/* AI Real Math Suite: the host's arithmetic on reals, angles, points and
 * matrices. These operations cannot fail and return their result directly. */
#ifndef TOVRINS_SDK_TV_AI_REAL_MATH_H
#define TOVRINS_SDK_TV_AI_REAL_MATH_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAIRealMathSuite "AI Real Math Suite"
#define kTvAIRealMathSuiteVersion 1

typedef struct TvAIRealMathSuiteV1 {
    TvReal (*degreeToRadian)(TvReal degrees);
    /* Positive angles turn counterclockwise in document coordinates. */
    TvReal (*radianToDegree)(TvReal radians);
    TvReal (*sine)(TvReal radians);
    TvReal (*cosine)(TvReal radians);
    TvReal (*squareRoot)(TvReal value);
    /* The angle in radians of the line from second to first: atan2 of
     * first minus second. */
    TvReal (*pointAngle)(const TvRealPoint* first, const TvRealPoint* second);
    /* Sets the matrix to the translation (tx, ty). */
    void (*matrixSetTranslate)(TvRealMatrix* matrix, TvReal tx, TvReal ty);
    /* Each concatenation applies after what the matrix already does. */
    void (*matrixConcatRotate)(TvRealMatrix* matrix, TvReal radians);
    void (*matrixConcatScale)(TvRealMatrix* matrix, TvReal sx, TvReal sy);
    void (*matrixConcatTranslate)(TvRealMatrix* matrix, TvReal tx, TvReal ty);
} TvAIRealMathSuiteV1;

#ifdef __cplusplus
}
#endif

#endif
