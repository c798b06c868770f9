#include "scale/scale_engine.hpp"

#include <vector>

#include "scale/scale_copy_values.hpp"
#include "scale/scale_modes.hpp"
#include "scale/scale_filter.hpp"
#include "shell/copy_engine.hpp"
#include "shell/engine_support.hpp"
#include "shell/suites.hpp"

namespace tovrins {

namespace {

// The running values of one series: factors and offsets.
struct ScaleRunning {
    float horizontalFactor = 1;
    float verticalFactor = 1;
    float horizontalOffset = 0;
    float verticalOffset = 0;
};

class ScaleCopies final : public CopyEngine {
public:
    using CopyEngine::CopyEngine;

private:
    TvErr prepare(const TvDocumentSetup& setup) override
    {
        width_ = setup.width;
        height_ = setup.height;
        selectedCentres_.assign(entries.size(), TvRealPoint{});
        if (p.scaleCentreMode == modeValue(ScaleCentreMode::AverageOfPaths))
            averageCentre_ = averageSelectionCentre(entries);
        if (p.scaleCentreMode == modeValue(ScaleCentreMode::LastCreatedPath))
            firstCentre_ = firstSelectionCentre(entries); // (0, 0) when it cannot be read
        return 0;
    }

    void startSeries() override { running_ = {}; }

    TvErr startObject(std::size_t k, TvArtHandle selected) override
    {
        TvRealRect bounds{};
        if (TvErr code = suites().art->getArtBounds(selected, &bounds); code != 0)
            return code;
        selectedCentres_[k] = rectCentre(bounds);
        return 0;
    }

    void advance(int32_t i) override
    {
        const int32_t n = p.scaleCopies;
        ScaleRunning& r = running_;
        scaleAdvanceFactor(p.scaleHorizontalScaleMode, i, n, p.scaleHorizontalScale * 0.01f, r.horizontalFactor,
                           random);
        scaleAdvanceFactor(p.scaleVerticalScaleMode, i, n, p.scaleVerticalScale * 0.01f, r.verticalFactor, random);
        scaleAdvanceHorizontalOffset(p.scaleHorizontalTranslationMode, i, n, p.scaleHorizontalTranslation,
                                     r.horizontalOffset, random);
        scaleAdvanceVerticalOffset(p.scaleVerticalTranslationMode, i, n, p.scaleVerticalTranslation, r.verticalOffset,
                                   random);
    }

    void placeCopy(std::size_t k, int32_t i, const TvRealRect& bounds, TvRealMatrix& matrix) override
    {
        const ScaleRunning& r = running_;
        const ScaleCopyInputs inputs{i,       p.scaleCopies,       width_,
                                     height_, selectedCentres_[k], firstCentre_,
                                     bounds,  r.horizontalOffset,  r.verticalOffset};
        scalePlaceCopy(p.scaleCentreMode, inputs, averageCentre_, placement_, random, math);
        suites().math->matrixSetTranslate(&matrix, placement_.t1.h, placement_.t1.v);
        suites().math->matrixConcatScale(&matrix, r.horizontalFactor, r.verticalFactor);
        suites().math->matrixConcatTranslate(&matrix, placement_.t2.h, placement_.t2.v);
    }

    float width_ = 0;
    float height_ = 0;
    TvRealPoint averageCentre_{};
    TvRealPoint firstCentre_{};
    std::vector<TvRealPoint> selectedCentres_; // by position in the list, read before the first copy
    ScaleRunning running_;
    ScaleCopyPlacement placement_{}; // kept across copies: an unknown centre mode writes none
};

} // namespace

TvErr scaleEngine(FilterParams& params)
{
    ScaleCopies copies(params);
    return copies.run(copyRunSettings(params, kScaleFilter, AdvanceOrder::BeforeLayer));
}

} // namespace tovrins
