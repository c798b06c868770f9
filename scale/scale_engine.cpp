#include "scale_engine.hpp"

#include <optional>
#include <vector>

#include "engine_support.hpp"
#include "scale_copy_values.hpp"
#include "suite_services.hpp"
#include "suites.hpp"

namespace tovrins {

namespace {

struct Running {
    float fh = 1;
    float fv = 1;
    float oh = 0;
    float ov = 0;
};

struct ScaleRun {
    explicit ScaleRun(FilterParams& params) : p(params) {}

    FilterParams& p;
    std::span<TvArtHandle> entries; // read once per run
    SuiteRandom random;
    SuiteMath math;
    float width = 0;
    float height = 0;
    TvRealPoint averageCentre{};
    TvRealPoint firstCentre{};
    float colourFactor = 1;
    std::optional<TvPathStyle> target;
    ScaleTranslations translations{}; // kept across copies: an unknown centre mode writes none
    int16_t paintOrder = TV_PLACE_ABOVE_ALL;

    void advance(Running& r, int32_t i)
    {
        const int32_t n = p.scaleCopies;
        nextScaleFactor(p.scaleHorizontalScaleMode, i, n, p.scaleHorizontalScale * 0.01f, r.fh, random);
        nextScaleFactor(p.scaleVerticalScaleMode, i, n, p.scaleVerticalScale * 0.01f, r.fv, random);
        nextHorizontalOffset(p.scaleHorizontalTranslationMode, i, n, p.scaleHorizontalTranslation, r.oh, random);
        nextVerticalOffset(p.scaleVerticalTranslationMode, i, n, p.scaleVerticalTranslation, r.ov, random);
    }


    TvErr makeCopy(TvArtHandle source, bool compound, int32_t j, const Running& r, TvRealPoint selectedCentre,
                   float fraction, TvArtHandle& out)
    {
        if (TvErr code = suites().art->duplicateArt(source, paintOrder, source, &out); code != 0)
            return code;
        TvRealRect bounds{};
        if (TvErr code = suites().art->getArtBounds(out, &bounds); code != 0)
            return code;
        const ScalePivotInputs inputs{j, p.scaleCopies, width, height, selectedCentre, firstCentre, bounds, r.oh, r.ov};
        scalePivot(p.scaleCentreMode, inputs, averageCentre, translations, random, math);
        TvRealMatrix matrix{};
        suites().math->matrixSetTranslate(&matrix, translations.t1.h, translations.t1.v);
        suites().math->matrixConcatScale(&matrix, r.fh, r.fv);
        suites().math->matrixConcatTranslate(&matrix, translations.t2.h, translations.t2.v);
        return transformAndRestyle(out, compound, matrix, fraction, target);
    }

    static TvErr centreOf(TvArtHandle art, TvRealPoint& centre)
    {
        TvRealRect bounds{};
        if (TvErr code = suites().art->getArtBounds(art, &bounds); code != 0)
            return code;
        centre = rectCentre(bounds);
        return 0;
    }

    // Layer options 0 and 2: one series per selected path, last entry first.
    TvErr perPath()
    {
        for (std::size_t k = entries.size(); k-- > 0;) {
            TvArtHandle selected = entries[k];
            if (selected == nullptr)
                continue;
            Running r;
            float fraction = 1.0f;
            int32_t countdown = p.scaleCopiesPerLayer - 1;
            const bool compound = isCompoundPath(selected);
            TvArtHandle previous = selected;
            TvRealPoint selectedCentre{};
            for (int32_t i = 0; i < p.scaleCopies; ++i) {
                advance(r, i);
                if (p.scaleLayerOption == 0)
                    if (TvErr code = layerStep(countdown, p.scaleCopiesPerLayer, p.scalePlaceAbove == 1); code != 0)
                        return code;
                if (i == 0)
                    if (TvErr code = centreOf(selected, selectedCentre); code != 0)
                        return code;
                TvArtHandle source = (i == 0 || p.scaleBaseOnOriginal == 1) ? selected : previous;
                TvArtHandle copy = nullptr;
                if (TvErr code = makeCopy(source, compound, i, r, selectedCentre, fraction, copy); code != 0)
                    return code;
                previous = copy;
                fraction *= colourFactor;
            }
        }
        return 0;
    }

    // Layer option 1: copy index by copy index over all paths.
    TvErr perCopyIndex()
    {
        std::vector<TvRealPoint> selectedCentres(entries.size());
        Running r;
        float fraction = 1.0f;
        int32_t countdown = p.scaleCopiesPerLayer - 1;
        for (int32_t j = 0; j < p.scaleCopies; ++j) {
            advance(r, j);
            if (TvErr code = layerStep(countdown, p.scaleCopiesPerLayer, p.scalePlaceAbove == 1); code != 0)
                return code;
            for (std::size_t k = entries.size(); k-- > 0;) {
                TvArtHandle selected = entries[k];
                if (selected == nullptr)
                    continue;
                const bool compound = isCompoundPath(selected);
                if (j == 0)
                    if (TvErr code = centreOf(selected, selectedCentres[k]); code != 0)
                        return code;
                TvArtHandle copy = nullptr;
                if (TvErr code = makeCopy(selected, compound, j, r, selectedCentres[k], fraction, copy); code != 0)
                    return code;
            }
            fraction *= colourFactor;
        }
        return 0;
    }
};

} // namespace

TvErr scaleEngine(FilterParams& params)
{
    if (params.scaleGoRun == 1 && params.scalePreviewApplied == 1) {
        params.scalePreviewApplied = 0;
        return finishKeptPreview(params.scaleDeleteOriginal == 1);
    }
    ScaleRun run(params);
    TvDocumentSetup setup{};
    if (TvErr code = beginRun(setup, run.entries); code != 0)
        return failRun(code);
    run.width = setup.width;
    run.height = setup.height;
    if (params.scaleCentreMode == 15)
        run.averageCentre = averageSelectionCentre(run.entries);
    if (params.scaleCentreMode == 6)
        run.firstCentre = firstSelectionCentre(run.entries); // (0, 0) when it cannot be read
    run.colourFactor = params.scaleColourPercent * 0.01f;
    if (TvErr code = buildTargetStyle(run.colourFactor, run.entries, params.scaleInterpolate, run.random, run.target);
        code != 0)
        return failRun(code);
    run.paintOrder = params.scalePlaceAbove == 1 ? TV_PLACE_ABOVE_ALL : TV_PLACE_BELOW_ALL;

    TvErr code = 0;
    if (params.scaleLayerOption == 0 || params.scaleLayerOption == 2)
        code = run.perPath();
    else if (params.scaleLayerOption == 1)
        code = run.perCopyIndex();
    if (code != 0)
        return failRun(code);
    return finishRun(params.scaleGoRun == 1, params.scaleDeleteOriginal == 1, run.entries);
}

} // namespace tovrins
