#include "rotate/rotate_engine.hpp"

#include <optional>

#include "rotate/rotate_copy_values.hpp"
#include "rotate/rotate_modes.hpp"
#include "rotate/rotate_filter.hpp"
#include "shell/copy_engine.hpp"
#include "shell/engine_support.hpp"
#include "shell/suites.hpp"

namespace tovrins {

namespace {

// The running values of one series: the four accumulators.
struct RotateRunning {
    float angle = 0;
    float radial = 0;
    float horizontal = 0;
    float vertical = 0;
};

class RotateCopies final : public CopyEngine {
public:
    using CopyEngine::CopyEngine;

private:
    TvErr prepare(const TvDocumentSetup& setup) override
    {
        documentSize_ = {setup.width, setup.height};
        angleStep_ = suites().math->degreeToRadian(p.rotateAngleStep);
        if (p.rotateCentreMode == modeValue(RotateCentreMode::AverageOfPaths))
            averageCentre_ = averageSelectionCentre(entries);
        if (p.rotateCentreMode == modeValue(RotateCentreMode::LastCreatedPath))
            firstCentre_ = firstSelectionCentre(entries);
        return 0;
    }

    void startSeries() override { running_ = {}; }

    // The selected object's bounds must be readable before its first copy.
    TvErr startObject(std::size_t, TvArtHandle selected) override
    {
        TvRealRect bounds{};
        return suites().art->getArtBounds(selected, &bounds);
    }

    void advance(int32_t i) override
    {
        const int32_t n = p.rotateCopies;
        RotateRunning& r = running_;
        rotateAdvanceAngle(p.rotateAngleMode, i, n, angleStep_, r.angle, random, math);
        rotateAdvanceOffset(p.rotateRadialMode, i, n, p.rotateRadialStep, r.radial, random);
        rotateAdvanceOffset(p.rotateHorizontalMode, i, n, p.rotateHorizontalStep, r.horizontal, random);
        rotateAdvanceOffset(p.rotateVerticalMode, i, n, p.rotateVerticalStep, r.vertical, random);
    }

    void placeCopy(std::size_t, int32_t i, const TvRealRect& bounds, TvRealMatrix& matrix) override
    {
        const RotateRunning& r = running_;
        const RotateCopyInputs inputs{bounds,       documentSize_, r.radial,       r.angle,
                                      r.horizontal, r.vertical,    averageCentre_, firstCentre_};
        rotatePlaceCopy(p.rotateCentreMode, i, p.rotateCopies, inputs, placement_, random, math);
        suites().math->matrixSetTranslate(&matrix, -placement_->pivot.h, -placement_->pivot.v);
        suites().math->matrixConcatRotate(&matrix, placement_->angle);
        suites().math->matrixConcatTranslate(&matrix, placement_->target.h, placement_->target.v);
    }

    TvRealPoint documentSize_{};
    float angleStep_ = 0; // radians
    TvRealPoint averageCentre_{};
    TvRealPoint firstCentre_{};
    RotateRunning running_;
    std::optional<RotateCopyPlacement> placement_; // the last placement of the run
};

} // namespace

TvErr rotateEngine(FilterParams& params)
{
    RotateCopies copies(params);
    return copies.run(copyRunSettings(params, kRotateFilter, AdvanceOrder::AfterLayer));
}

} // namespace tovrins
