#include "rotate_engine.hpp"

#include <optional>
#include <vector>

#include "engine_support.hpp"
#include "rotate_copy_values.hpp"
#include "suite_services.hpp"
#include "suites.hpp"

namespace tovrins {

namespace {

struct Accumulators {
    float angle = 0;
    float radial = 0;
    float horizontal = 0;
    float vertical = 0;
};

// Everything one run computes once.
struct RotateRun {
    explicit RotateRun(FilterParams& params) : p(params) {}

    FilterParams& p;
    std::span<TvArtHandle> entries; // read once per run
    SuiteRandom random;
    SuiteMath math;
    TvRealPoint documentSize{};
    float angleStep = 0; // radians
    TvRealPoint averageCentre{};
    TvRealPoint firstCentre{};
    float colourFactor = 1;
    std::optional<TvPathStyle> target;
    std::optional<CopyPlacement> placement; // the last placement of the run
    int16_t paintOrder = TV_PLACE_ABOVE_ALL;

    void advance(Accumulators& a, int32_t i)
    {
        const int32_t n = p.rotateCopies;
        rotateAdvanceAngle(p.rotateAngleMode, i, n, angleStep, a.angle, random, math);
        rotateAdvanceOffset(p.rotateRadialMode, i, n, p.rotateRadialStep, a.radial, random);
        rotateAdvanceOffset(p.rotateHorizontalMode, i, n, p.rotateHorizontalStep, a.horizontal, random);
        rotateAdvanceOffset(p.rotateVerticalMode, i, n, p.rotateVerticalStep, a.vertical, random);
    }

    // Duplicates source, places and restyles the copy; returns the copy in out.
    TvErr makeCopy(TvArtHandle source, bool compound, int32_t i, const Accumulators& a, float fraction, TvArtHandle& out)
    {
        if (TvErr code = suites().art->duplicateArt(source, paintOrder, source, &out); code != 0)
            return code;
        TvRealRect bounds{};
        if (TvErr code = suites().art->getArtBounds(out, &bounds); code != 0)
            return code;
        const CopyInputs inputs{bounds, documentSize, a.radial, a.angle, a.horizontal, a.vertical, averageCentre, firstCentre};
        rotatePlaceCopy(p.rotateCentreMode, i, p.rotateCopies, inputs, placement, random, math);
        TvRealMatrix matrix{};
        suites().math->matrixSetTranslate(&matrix, -placement->pivot.h, -placement->pivot.v);
        suites().math->matrixConcatRotate(&matrix, placement->angle);
        suites().math->matrixConcatTranslate(&matrix, placement->target.h, placement->target.v);
        return transformAndRestyle(out, compound, matrix, fraction, target);
    }


    // Layer options 0 and 2: one series per selected object.
    TvErr perObject()
    {
        for (std::size_t k = entries.size(); k-- > 0;) {
            TvArtHandle selected = entries[k];
            if (selected == nullptr)
                continue;
            Accumulators a;
            float fraction = 1.0f;
            int32_t countdown = p.rotateCopiesPerLayer - 1;
            const bool compound = isCompoundPath(selected);
            TvArtHandle previous = selected;
            for (int32_t i = 0; i < p.rotateCopies; ++i) {
                if (p.rotateLayerOption == 0)
                    if (TvErr code = layerStep(countdown, p.rotateCopiesPerLayer, p.rotatePlaceAbove == 1); code != 0)
                        return code;
                TvArtHandle source = (i == 0 || p.rotateBaseOnOriginal == 1) ? selected : previous;
                if (i == 0) {
                    TvRealRect bounds{};
                    if (TvErr code = suites().art->getArtBounds(selected, &bounds); code != 0)
                        return code;
                }
                // The advance draws no number that depends on the copy, so
                // doing it before the duplicate keeps the order of draws.
                advance(a, i);
                TvArtHandle copy = nullptr;
                if (TvErr code = makeCopy(source, compound, i, a, fraction, copy); code != 0)
                    return code;
                previous = copy;
                fraction *= colourFactor;
            }
        }
        return 0;
    }

    // Layer option 1: one series for the whole run, copy index by copy index.
    TvErr perCopyIndex()
    {
        Accumulators a;
        float fraction = 1.0f;
        int32_t countdown = p.rotateCopiesPerLayer - 1;
        for (int32_t i = 0; i < p.rotateCopies; ++i) {
            if (TvErr code = layerStep(countdown, p.rotateCopiesPerLayer, p.rotatePlaceAbove == 1); code != 0)
                return code;
            advance(a, i);
            for (std::size_t k = entries.size(); k-- > 0;) {
                TvArtHandle selected = entries[k];
                if (selected == nullptr)
                    continue;
                const bool compound = isCompoundPath(selected);
                if (i == 0) {
                    TvRealRect bounds{};
                    if (TvErr code = suites().art->getArtBounds(selected, &bounds); code != 0)
                        return code;
                }
                TvArtHandle copy = nullptr;
                if (TvErr code = makeCopy(selected, compound, i, a, fraction, copy); code != 0)
                    return code;
            }
            fraction *= colourFactor;
        }
        return 0;
    }
};

} // namespace

TvErr rotateEngine(FilterParams& params)
{
    if (params.rotateGoRun == 1 && params.rotatePreviewApplied == 1) {
        params.rotatePreviewApplied = 0;
        return finishKeptPreview(params.rotateDeleteOriginal == 1);
    }
    RotateRun run(params);
    TvDocumentSetup setup{};
    if (TvErr code = beginRun(setup, run.entries); code != 0)
        return failRun(code);
    run.documentSize = {setup.width, setup.height};
    run.angleStep = suites().math->degreeToRadian(params.rotateAngleStep);
    if (params.rotateCentreMode == 10)
        run.averageCentre = averageSelectionCentre(run.entries);
    if (params.rotateCentreMode == 11)
        run.firstCentre = firstSelectionCentre(run.entries);
    run.colourFactor = params.rotateColourFactor * 0.01f;
    if (TvErr code = buildTargetStyle(run.colourFactor, run.entries, params.rotateInterpolateMode, run.random, run.target);
        code != 0)
        return failRun(code);
    run.paintOrder = params.rotatePlaceAbove == 1 ? TV_PLACE_ABOVE_ALL : TV_PLACE_BELOW_ALL;

    TvErr code = 0;
    if (params.rotateLayerOption == 0 || params.rotateLayerOption == 2)
        code = run.perObject();
    else if (params.rotateLayerOption == 1)
        code = run.perCopyIndex();
    if (code != 0)
        return failRun(code);
    return finishRun(params.rotateGoRun == 1, params.rotateDeleteOriginal == 1, run.entries);
}

} // namespace tovrins
