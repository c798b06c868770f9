// Prints, for each filter's default settings, the values every copy of one
// 100 x 50 object would get: the rotate placements, the scale factors and
// translations, and the translate moves.
#include <cmath>
#include <cstdio>
#include <optional>
#include <random>

#include "shell/filter_params.hpp"
#include "rotate/rotate_copy_values.hpp"
#include "rotate/rotate_settings.hpp"
#include "scale/scale_copy_values.hpp"
#include "scale/scale_settings.hpp"
#include "translate/translate_copy_values.hpp"
#include "translate/translate_settings.hpp"

namespace {

using namespace tovrins;

class StdMath final : public HostMath {
public:
    float degreesToRadians(float degrees) override { return static_cast<float>(degrees * M_PI / 180.0); }
    float sine(float radians) override { return std::sin(radians); }
    float cosine(float radians) override { return std::cos(radians); }
    float squareRoot(float value) override { return std::sqrt(value); }
};

class SeededRandom final : public RandomSource {
public:
    float next() override { return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_); }

private:
    std::mt19937 engine_{1};
};

constexpr TvRealRect kObject{0, 50, 100, 0};
constexpr TvRealPoint kDocument{612, 792};

void printRotate(HostMath& math, RandomSource& random)
{
    FilterParams p{};
    writeDefaults(p, FilterKind::Rotate);
    const float v = math.degreesToRadians(p.rotateAngleStep);
    float angle = 0, radial = 0, horizontal = 0, vertical = 0;
    std::optional<RotateCopyPlacement> placement;
    std::printf("rotate (defaults, %d copies)\n  copy  angle(rad)  pivot            target\n", p.rotateCopies);
    for (int32_t i = 0; i < p.rotateCopies; ++i) {
        rotateAdvanceAngle(p.rotateAngleMode, i, p.rotateCopies, v, angle, random, math);
        rotateAdvanceOffset(p.rotateRadialMode, i, p.rotateCopies, p.rotateRadialStep, radial, random);
        rotateAdvanceOffset(p.rotateHorizontalMode, i, p.rotateCopies, p.rotateHorizontalStep, horizontal, random);
        rotateAdvanceOffset(p.rotateVerticalMode, i, p.rotateCopies, p.rotateVerticalStep, vertical, random);
        const RotateCopyInputs inputs{kObject, kDocument, radial, angle, horizontal, vertical, {}, {}};
        rotatePlaceCopy(p.rotateCentreMode, i, p.rotateCopies, inputs, placement, random, math);
        std::printf("  %4d  %10.6f  (%6.2f, %6.2f) (%6.2f, %6.2f)\n", i, placement->angle, placement->pivot.h,
                    placement->pivot.v, placement->target.h, placement->target.v);
    }
}

void printScale(HostMath& math, RandomSource& random)
{
    FilterParams p{};
    writeDefaults(p, FilterKind::Scale);
    float fh = 1, fv = 1, oh = 0, ov = 0;
    TvRealPoint average{50, 25};
    ScaleCopyPlacement translations{};
    std::printf("scale (defaults, %d copies)\n  copy  fh        fv        T1                T2\n", p.scaleCopies);
    for (int32_t i = 0; i < p.scaleCopies; ++i) {
        scaleAdvanceFactor(p.scaleHorizontalScaleMode, i, p.scaleCopies, p.scaleHorizontalScale * 0.01f, fh, random);
        scaleAdvanceFactor(p.scaleVerticalScaleMode, i, p.scaleCopies, p.scaleVerticalScale * 0.01f, fv, random);
        scaleAdvanceHorizontalOffset(p.scaleHorizontalTranslationMode, i, p.scaleCopies, p.scaleHorizontalTranslation,
                                     oh, random);
        scaleAdvanceVerticalOffset(p.scaleVerticalTranslationMode, i, p.scaleCopies, p.scaleVerticalTranslation, ov,
                                   random);
        const ScaleCopyInputs inputs{i, p.scaleCopies, kDocument.h, kDocument.v, {50, 25}, {50, 25}, kObject, oh, ov};
        scalePlaceCopy(p.scaleCentreMode, inputs, average, translations, random, math);
        std::printf("  %4d  %.6f  %.6f  (%6.2f, %6.2f)  (%6.2f, %6.2f)\n", i, fh, fv, translations.t1.h,
                    translations.t1.v, translations.t2.h, translations.t2.v);
    }
}

void printTranslate(HostMath& math, RandomSource& random)
{
    FilterParams p{};
    writeDefaults(p, FilterKind::Translate);
    TranslateRunning r{p.translateHorizontal, p.translateVertical, 0, 0};
    TranslateCopyPlacement move{};
    std::printf("translate (defaults, %d copies)\n  copy  move\n", p.translateCopies);
    for (int32_t i = 0; i < p.translateCopies; ++i) {
        translateAdvanceOffset(p.translateVariation, i, p.translateCopies, kDocument, r, random, math);
        const TranslateCopyInputs inputs{i, 0, p.translateCopies, kObject, {}, r.v, kDocument.h, kDocument.v, r.x, r.y};
        translatePlaceCopy(p.translatePlacement, inputs, move, random, math);
        std::printf("  %4d  (%7.2f, %7.2f)\n", i, move.tx, move.ty);
    }
}

} // namespace

int main()
{
    StdMath math;
    SeededRandom random;
    printRotate(math, random);
    printScale(math, random);
    printTranslate(math, random);
    return 0;
}
