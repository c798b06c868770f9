// Arithmetic that cannot fail; these calls are not counted as suite calls.
#include <cmath>
#include <numbers>

#include "host/suites/core_suites.hpp"
#include "host/document/geometry.hpp"
#include "host/host_context.hpp"
#include "host/suites/angle_memo.hpp"

namespace tovrins::host {
namespace {

constexpr TvReal pi = std::numbers::pi_v<TvReal>;

TvReal degreeToRadian(TvReal degrees) { return degrees * (pi / 180); }
TvReal radianToDegree(TvReal radians) { return radians * (180 / pi); }
// The trigonometry is worked out in double and rounded once to float: the
// float functions of the C libraries differ in the last place (glibc's
// atan2f from mingw-w64's, say), while a double result rounded to float is
// the correctly rounded value on every platform but in vanishingly rare
// cases. So the Linux and Windows workbenches give the same numbers.
TvReal toReal(double value) { return static_cast<TvReal>(value); }
SineCosine workOut(TvReal radians)
{
    return {toReal(std::sin(double{radians})), toReal(std::cos(double{radians}))};
}
SineCosine sineCosine(TvReal radians)
{
    AngleMemo* memo = hostContext().angles;
    return memo ? memo->lookup(radians, workOut) : workOut(radians);
}
TvReal sine(TvReal radians) { return sineCosine(radians).sine; }
TvReal cosine(TvReal radians) { return sineCosine(radians).cosine; }
TvReal squareRoot(TvReal value) { return std::sqrt(value); }

TvReal pointAngle(const TvRealPoint* first, const TvRealPoint* second)
{
    return toReal(std::atan2(double{first->v - second->v}, double{first->h - second->h}));
}

void matrixSetTranslate(TvRealMatrix* m, TvReal tx, TvReal ty) { *m = {1, 0, 0, 1, tx, ty}; }

void matrixConcatRotate(TvRealMatrix* m, TvReal radians)
{
    const auto [s, c] = sineCosine(radians);
    *m = concatMatrix(*m, {c, s, -s, c, 0, 0});
}

void matrixConcatScale(TvRealMatrix* m, TvReal sx, TvReal sy) { *m = concatMatrix(*m, {sx, 0, 0, sy, 0, 0}); }

void matrixConcatTranslate(TvRealMatrix* m, TvReal tx, TvReal ty) { *m = concatMatrix(*m, {1, 0, 0, 1, tx, ty}); }

} // namespace

const TvAIRealMathSuiteV1& realMathSuite()
{
    static constexpr TvAIRealMathSuiteV1 table{degreeToRadian,
                                               radianToDegree,
                                               sine,
                                               cosine,
                                               squareRoot,
                                               pointAngle,
                                               matrixSetTranslate,
                                               matrixConcatRotate,
                                               matrixConcatScale,
                                               matrixConcatTranslate};
    return table;
}

} // namespace tovrins::host
