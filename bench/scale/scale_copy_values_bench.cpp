// Per-copy values of the default scale settings: the two factors, the two
// offsets and the pivot, as the engine computes them for each copy.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <numbers>

#include "shell/filter_params.hpp"
#include "scale/scale_copy_values.hpp"
#include "scale/scale_settings.hpp"

namespace {

using namespace tovrins;

class StdMath final : public HostMath {
public:
    float degreesToRadians(float degrees) override { return static_cast<float>(degrees * std::numbers::pi / 180.0); }
    float sine(float radians) override { return std::sin(radians); }
    float cosine(float radians) override { return std::cos(radians); }
    float squareRoot(float value) override { return std::sqrt(value); }
};

// A cheap linear congruential source; the default modes draw nothing anyway.
class CheapRandom final : public RandomSource {
public:
    float next() override
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<float>(state_ >> 8) * 0x1p-24f;
    }

private:
    uint32_t state_ = 1;
};

void BM_ScaleDefaultCopyValues(benchmark::State& state)
{
    FilterParams p{};
    writeDefaults(p, FilterKind::Scale);
    const int32_t n = p.scaleCopies;
    const float sh = p.scaleHorizontalScale * 0.01f;
    const float sv = p.scaleVerticalScale * 0.01f;
    StdMath math;
    CheapRandom random;
    const TvRealRect bounds{0.0f, 50.0f, 100.0f, 0.0f};
    TvRealPoint average{50.0f, 25.0f};
    for (auto _ : state) {
        float fh = 1.0f, fv = 1.0f, oh = 0.0f, ov = 0.0f;
        ScaleCopyPlacement t{};
        for (int32_t i = 0; i < n; ++i) {
            scaleAdvanceFactor(p.scaleHorizontalScaleMode, i, n, sh, fh, random);
            scaleAdvanceFactor(p.scaleVerticalScaleMode, i, n, sv, fv, random);
            scaleAdvanceHorizontalOffset(p.scaleHorizontalTranslationMode, i, n, p.scaleHorizontalTranslation, oh,
                                         random);
            scaleAdvanceVerticalOffset(p.scaleVerticalTranslationMode, i, n, p.scaleVerticalTranslation, ov, random);
            const ScaleCopyInputs in{i, n, 612.0f, 792.0f, {50.0f, 25.0f}, {50.0f, 25.0f}, bounds, oh, ov};
            scalePlaceCopy(p.scaleCentreMode, in, average, t, random, math);
            benchmark::DoNotOptimize(t);
        }
        benchmark::DoNotOptimize(fh);
        benchmark::DoNotOptimize(fv);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_ScaleDefaultCopyValues);

} // namespace
