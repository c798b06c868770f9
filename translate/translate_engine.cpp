#include "translate_engine.hpp"

#include <optional>

#include "engine_support.hpp"
#include "selection.hpp"
#include "suite_services.hpp"
#include "suites.hpp"
#include "translate_copy_values.hpp"

namespace tovrins {

namespace {

struct TranslateRun {
    explicit TranslateRun(FilterParams& params) : p(params) {}

    FilterParams& p;
    std::span<TvArtHandle> entries; // read once per run
    SuiteRandom random;
    SuiteMath math;
    float width = 0;
    float depth = 0;
    float h = 0; // working steps: " Bounce back" flips them for the rest of the run
    float v = 0;
    TvRealPoint anchor{}; // stays at the document origin when nothing is selected
    float colourFactor = 1;
    std::optional<TvPathStyle> target;
    float tx = 0; // the move is kept from copy to copy: " Lined" may write none
    float ty = 0;
    int16_t paintOrder = TV_PLACE_ABOVE_ALL;


    TvErr makeCopy(TvArtHandle source, bool compound, int32_t i, int32_t k, float x, float y, float fraction,
                   TvArtHandle& out)
    {
        if (TvErr code = suites().art->duplicateArt(source, paintOrder, source, &out); code != 0)
            return code;
        TvRealRect bounds{};
        if (TvErr code = suites().art->getArtBounds(out, &bounds); code != 0)
            return code;
        const TranslateCopyInputs inputs{i, k, p.translateCopies, bounds, anchor, v, width, depth, x, y};
        translatePlaceCopy(p.translatePlacement, inputs, tx, ty, random, math);
        TvRealMatrix matrix{};
        suites().math->matrixSetTranslate(&matrix, tx, ty);
        return transformAndRestyle(out, compound, matrix, fraction, target);
    }

    // Layer options 0 and 2: each selected object from offset 0, last entry first.
    TvErr perObject()
    {
        const int32_t n = p.translateCopies;
        for (std::size_t k = entries.size(); k-- > 0;) {
            TvArtHandle selected = entries[k];
            if (selected == nullptr)
                continue;
            TvArtHandle previous = selected;
            float fraction = 1.0f;
            int32_t countdown = p.translateCopiesPerLayer - 1;
            const bool compound = isCompoundPath(selected);
            float x = 0;
            float y = 0;
            for (int32_t i = 0; i < n; ++i) {
                translateAdvanceOffset(p.translateVariation, i, n, width, depth, h, v, x, y, random, math);
                if (p.translateLayerOption == 0)
                    if (TvErr code = layerStep(countdown, p.translateCopiesPerLayer, p.translatePlaceAbove == 1); code != 0)
                        return code;
                TvArtHandle source = (i == 0 || p.translateBaseOnOriginal == 1) ? selected : previous;
                TvArtHandle copy = nullptr;
                if (TvErr code = makeCopy(source, compound, i, static_cast<int32_t>(k), x, y, fraction, copy); code != 0)
                    return code;
                previous = copy;
                fraction *= colourFactor;
            }
        }
        return 0;
    }

    // Layer option 1: one pass per copy index makes one copy of every object.
    TvErr perPass()
    {
        const int32_t n = p.translateCopies;
        float fraction = 1.0f;
        int32_t countdown = p.translateCopiesPerLayer - 1;
        float x = 0;
        float y = 0;
        for (int32_t i = 0; i < n; ++i) {
            translateAdvanceOffset(p.translateVariation, i, n, width, depth, h, v, x, y, random, math);
            if (TvErr code = layerStep(countdown, p.translateCopiesPerLayer, p.translatePlaceAbove == 1); code != 0)
                return code;
            for (std::size_t k = entries.size(); k-- > 0;) {
                TvArtHandle selected = entries[k];
                if (selected == nullptr)
                    continue;
                TvArtHandle copy = nullptr;
                if (TvErr code = makeCopy(selected, isCompoundPath(selected), i, static_cast<int32_t>(k), x, y, fraction, copy);
                    code != 0)
                    return code;
            }
            fraction *= colourFactor;
        }
        return 0;
    }
};

} // namespace

TvErr translateEngine(FilterParams& params)
{
    if (params.translateGoRun == 1 && params.translatePreviewApplied == 1) {
        params.translatePreviewApplied = 0;
        return finishKeptPreview(params.translateDeleteOriginal == 1);
    }
    TranslateRun run(params);
    TvDocumentSetup setup{};
    if (TvErr code = beginRun(setup, run.entries); code != 0)
        return failRun(code);
    run.width = setup.width;
    run.depth = setup.height;
    run.h = params.translateHorizontal;
    run.v = params.translateVertical;
    if (params.translatePlacement == 24) {
        // The first non-empty entry: an emptied compound-path member is never
        // handed to the host. With none, the anchor stays at the origin.
        if (TvArtHandle first = firstSelectedArt(run.entries); first != nullptr) {
            TvRealRect bounds{};
            if (TvErr code = suites().art->getArtBounds(first, &bounds); code != 0)
                return failRun(code);
            run.anchor = rectCentre(bounds);
        }
    }
    run.colourFactor = params.translateColourPercent * 0.01f;
    if (TvErr code = buildTargetStyle(run.colourFactor, run.entries, params.translateInterpolate, run.random, run.target);
        code != 0)
        return failRun(code);
    run.paintOrder = params.translatePlaceAbove == 1 ? TV_PLACE_ABOVE_ALL : TV_PLACE_BELOW_ALL;

    TvErr code = 0;
    if (params.translateLayerOption == 0 || params.translateLayerOption == 2)
        code = run.perObject();
    else if (params.translateLayerOption == 1)
        code = run.perPass();
    if (code != 0)
        return failRun(code);
    return finishRun(params.translateGoRun == 1, params.translateDeleteOriginal == 1, run.entries);
}

} // namespace tovrins
