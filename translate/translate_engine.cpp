#include "translate/translate_engine.hpp"

#include "shell/copy_engine.hpp"
#include "shell/engine_support.hpp"
#include "shell/selection.hpp"
#include "shell/suites.hpp"
#include "translate/translate_copy_values.hpp"
#include "translate/translate_modes.hpp"
#include "translate/translate_filter.hpp"

namespace tovrins {

namespace {

class TranslateCopies final : public CopyEngine {
public:
    using CopyEngine::CopyEngine;

private:
    TvErr prepare(const TvDocumentSetup& setup) override
    {
        document_ = {setup.width, setup.height};
        running_.h = p.translateHorizontal;
        running_.v = p.translateVertical;
        if (p.translatePlacement == modeValue(TranslatePlacement::LastCreatedApproach)) {
            // The first non-empty entry: an emptied compound-path member is never
            // handed to the host. With none, the anchor stays at the origin.
            if (TvArtHandle first = firstSelectedArt(entries); first != nullptr) {
                TvRealRect bounds{};
                if (TvErr code = suites().art->getArtBounds(first, &bounds); code != 0)
                    return code;
                anchor_ = rectCentre(bounds);
            }
        }
        return 0;
    }

    // Each series starts from offset 0; the working steps stay as the run
    // left them.
    void startSeries() override
    {
        running_.x = 0;
        running_.y = 0;
    }

    TvErr startObject(std::size_t, TvArtHandle) override { return 0; }

    void advance(int32_t i) override
    {
        translateAdvanceOffset(p.translateVariation, i, p.translateCopies, document_, running_, random, math);
    }

    void placeCopy(std::size_t k, int32_t i, const TvRealRect& bounds, TvRealMatrix& matrix) override
    {
        const TranslateCopyInputs inputs{i,
                                         static_cast<int32_t>(k),
                                         p.translateCopies,
                                         bounds,
                                         anchor_,
                                         running_.v,
                                         document_.h,
                                         document_.v,
                                         running_.x,
                                         running_.y};
        translatePlaceCopy(p.translatePlacement, inputs, placement_, random, math);
        suites().math->matrixSetTranslate(&matrix, placement_.tx, placement_.ty);
    }

    TvRealPoint document_{}; // width, depth
    TvRealPoint anchor_{};   // stays at the document origin when nothing is selected
    TranslateRunning running_;
    TranslateCopyPlacement placement_; // kept from copy to copy: " Lined" may write none
};

} // namespace

TvErr translateEngine(FilterParams& params)
{
    TranslateCopies copies(params);
    return copies.run(copyRunSettings(params, kTranslateFilter, AdvanceOrder::BeforeLayer));
}

} // namespace tovrins
