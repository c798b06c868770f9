// Cost of the per-copy values of one translate copy: advancing the running
// offset and placing the copy, with the default settings and with a
// placement that goes through the host's trigonometry.
#include <cmath>
#include <numbers>

#include <benchmark/benchmark.h>

#include "translate/translate_copy_values.hpp"

namespace {

class FixedRandom final : public tovrins::RandomSource {
public:
    float next() override { return 0.5f; }
};

class FloatMath final : public tovrins::HostMath {
public:
    float degreesToRadians(float degrees) override { return degrees * (std::numbers::pi_v<float> / 180.0f); }
    float sine(float radians) override { return std::sin(radians); }
    float cosine(float radians) override { return std::cos(radians); }
    float squareRoot(float value) override { return std::sqrt(value); }
};

// One sequence of the default copy count, reported per copy.
void runCopies(benchmark::State& state, int32_t variation, int32_t placement)
{
    constexpr int32_t kCopies = 7;
    FixedRandom random;
    FloatMath math;
    const TvRealRect bounds{0.0f, 50.0f, 50.0f, 0.0f};
    for (auto _ : state) {
        tovrins::TranslateRunning r{10.0f, 10.0f, 0.0f, 0.0f};
        tovrins::TranslateCopyPlacement move{};
        for (int32_t i = 0; i < kCopies; ++i) {
            tovrins::translateAdvanceOffset(variation, i, kCopies, {612.0f, 792.0f}, r, random, math);
            const tovrins::TranslateCopyInputs in{i, 0, kCopies, bounds, {0.0f, 0.0f}, r.v, 612.0f, 792.0f, r.x, r.y};
            tovrins::translatePlaceCopy(placement, in, move, random, math);
            benchmark::DoNotOptimize(move);
        }
    }
    state.SetItemsProcessed(state.iterations() * kCopies);
}

void BM_DefaultSettings(benchmark::State& state) { runCopies(state, 0, 0); }
void BM_OriginalPathCenter(benchmark::State& state) { runCopies(state, 0, 1); }

} // namespace

BENCHMARK(BM_DefaultSettings);
BENCHMARK(BM_OriginalPathCenter);
