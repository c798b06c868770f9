// Throughput of the per-copy values with the rotate filter's default settings:
// one item is one copy (four advances and one placement).
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <optional>

#include "shell/filter_params.hpp"
#include "rotate/rotate_copy_values.hpp"
#include "rotate/rotate_settings.hpp"

namespace {

using namespace tovrins;

class LcgRandom : public RandomSource {
public:
    float next() override
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<float>(state_ >> 8) * (1.0f / 16777216.0f);
    }

private:
    uint32_t state_ = 12345u;
};

class FloatMath : public HostMath {
public:
    float degreesToRadians(float d) override { return d * (std::numbers::pi_v<float> / 180.0f); }
    float sine(float x) override { return std::sin(x); }
    float cosine(float x) override { return std::cos(x); }
    float squareRoot(float x) override { return std::sqrt(x); }
};

void RotateCopyValuesDefaults(benchmark::State& state)
{
    FilterParams params{};
    writeDefaults(params, FilterKind::Rotate);
    LcgRandom random;
    FloatMath math;
    const float angleStep = math.degreesToRadians(params.rotateAngleStep);
    const int32_t n = params.rotateCopies;
    RotateCopyInputs inputs{};
    inputs.bounds = {10.0f, 60.0f, 50.0f, 20.0f};
    inputs.documentSize = {612.0f, 792.0f};

    for (auto _ : state) {
        float angle = 0.0f;
        float radial = 0.0f;
        float horizontal = 0.0f;
        float vertical = 0.0f;
        std::optional<RotateCopyPlacement> placement;
        for (int32_t i = 0; i < n; ++i) {
            rotateAdvanceAngle(params.rotateAngleMode, i, n, angleStep, angle, random, math);
            rotateAdvanceOffset(params.rotateRadialMode, i, n, params.rotateRadialStep, radial, random);
            rotateAdvanceOffset(params.rotateHorizontalMode, i, n, params.rotateHorizontalStep, horizontal, random);
            rotateAdvanceOffset(params.rotateVerticalMode, i, n, params.rotateVerticalStep, vertical, random);
            inputs.angle = angle;
            inputs.radial = radial;
            inputs.horizontal = horizontal;
            inputs.vertical = vertical;
            rotatePlaceCopy(params.rotateCentreMode, i, n, inputs, placement, random, math);
        }
        benchmark::DoNotOptimize(placement);
    }
    state.SetItemsProcessed(state.iterations() * n);
}

BENCHMARK(RotateCopyValuesDefaults);

} // namespace
