// Arithmetic that cannot fail; these calls are not counted as suite calls.
#include <cmath>
#include <numbers>

#include "core_suites.hpp"
#include "document/geometry.hpp"

namespace tovrins::host {
namespace {

constexpr TvReal pi = std::numbers::pi_v<TvReal>;

TvReal degreeToRadian(TvReal degrees) { return degrees * (pi / 180); }
TvReal radianToDegree(TvReal radians) { return radians * (180 / pi); }
TvReal sine(TvReal radians) { return std::sin(radians); }
TvReal cosine(TvReal radians) { return std::cos(radians); }
TvReal squareRoot(TvReal value) { return std::sqrt(value); }

TvReal pointAngle(const TvRealPoint* first, const TvRealPoint* second)
{
    return std::atan2(first->v - second->v, first->h - second->h);
}

void matrixSetTranslate(TvRealMatrix* m, TvReal tx, TvReal ty) { *m = {1, 0, 0, 1, tx, ty}; }

void matrixConcatRotate(TvRealMatrix* m, TvReal radians)
{
    const TvReal c = std::cos(radians);
    const TvReal s = std::sin(radians);
    *m = concatMatrix(*m, {c, s, -s, c, 0, 0});
}

void matrixConcatScale(TvRealMatrix* m, TvReal sx, TvReal sy) { *m = concatMatrix(*m, {sx, 0, 0, sy, 0, 0}); }

void matrixConcatTranslate(TvRealMatrix* m, TvReal tx, TvReal ty) { *m = concatMatrix(*m, {1, 0, 0, 1, tx, ty}); }

} // namespace

const TvAIRealMathSuiteV1& realMathSuite()
{
    static constexpr TvAIRealMathSuiteV1 table{degreeToRadian,     radianToDegree,     sine,
                                               cosine,             squareRoot,         pointAngle,
                                               matrixSetTranslate, matrixConcatRotate, matrixConcatScale,
                                               matrixConcatTranslate};
    return table;
}

} // namespace tovrins::host
