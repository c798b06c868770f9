#include "shell/engine_support.hpp"

#include <algorithm>

#include "shell/colour_target.hpp"
#include "shell/selection.hpp"
#include "shell/suites.hpp"

namespace tovrins {

TvRealPoint rectCentre(const TvRealRect& rect)
{
    return {static_cast<float>(rect.left + (static_cast<double>(rect.right) - rect.left) / 2),
            static_cast<float>(rect.bottom + (static_cast<double>(rect.top) - rect.bottom) / 2)};
}

TvRealPoint averageSelectionCentre(std::span<const TvArtHandle> entries)
{
    std::optional<TvRealRect> all;
    for (TvArtHandle art : entries) {
        TvRealRect bounds{};
        if (art == nullptr || suites().art->getArtBounds(art, &bounds) != 0)
            continue; // an unreadable entry does not end the run
        if (!all) {
            all = bounds;
            continue;
        }
        all->left = std::min(all->left, bounds.left);
        all->top = std::max(all->top, bounds.top);
        all->right = std::max(all->right, bounds.right);
        all->bottom = std::min(all->bottom, bounds.bottom);
    }
    return all ? rectCentre(*all) : TvRealPoint{0, 0};
}

TvRealPoint firstSelectionCentre(std::span<const TvArtHandle> entries)
{
    TvArtHandle first = firstSelectedArt(entries);
    TvRealRect bounds{};
    if (first == nullptr || suites().art->getArtBounds(first, &bounds) != 0)
        return {0, 0};
    return rectCentre(bounds);
}

TvErr buildTargetStyle(float colourFactor, std::span<const TvArtHandle> entries, int32_t mode, RandomSource& random,
                       std::optional<TvPathStyle>& target)
{
    target.reset();
    if (colourFactor == 1.0f)
        return 0;
    // Taken from the first non-empty entry, so an emptied compound-path
    // member is never handed to the host.
    TvArtHandle first = firstSelectedArt(entries);
    if (first == nullptr)
        return 0;
    TvPathStyle reference{};
    TvPathStyle style{};
    if (TvErr code = suites().pathStyle->getPathStyle(first, &reference); code != 0)
        return code;
    if (TvErr code = suites().pathStyle->getPathStyle(first, &style); code != 0)
        return code;
    applyInterpolateTarget(mode, reference.fill, style.fill, random);
    target = style;
    return 0;
}

TvErr beginRun(TvDocumentSetup& setup, std::span<TvArtHandle>& entries)
{
    if (TvErr code = suites().undo->undoChanges(); code != 0)
        return code;
    if (!selectionHeld())
        gatherSelection();
    if (TvErr code = suites().document->getDocumentSetup(&setup); code != 0)
        return code;
    return readSelection(entries);
}

bool isCompoundPath(TvArtHandle art)
{
    int16_t type = 0;
    suites().art->getArtType(art, &type);
    return type == TV_ART_COMPOUND_PATH;
}

TvErr layerStep(int32_t& countdown, int32_t copiesPerLayer, bool placeAbove)
{
    if (countdown != 0) {
        --countdown;
        return 0;
    }
    TvLayerHandle layer = nullptr;
    const int16_t order = placeAbove ? TV_PLACE_ABOVE_ALL : TV_PLACE_BELOW_ALL;
    if (TvErr code = suites().layer->insertLayer(nullptr, order, &layer); code != 0)
        return code;
    if (TvErr code = suites().layer->setCurrentLayer(layer); code != 0)
        return code;
    countdown = copiesPerLayer - 1;
    return 0;
}

namespace {

constexpr int32_t kTransformFlags =
    TV_TRANSFORM_OBJECTS | TV_TRANSFORM_FILL_GRADIENTS | TV_TRANSFORM_FILL_PATTERNS | TV_TRANSFORM_STROKE_PATTERNS;

TvErr transformOne(TvArtHandle art, const TvRealMatrix& matrix, float fraction,
                   const std::optional<TvPathStyle>& target)
{
    if (TvErr code = suites().transform->transformArt(art, &matrix, 1.0f, kTransformFlags); code != 0)
        return code;
    if (fraction == 1.0f || !target)
        return 0;
    TvPathStyle own{};
    TvPathStyle blended{};
    if (TvErr code = suites().pathStyle->getPathStyle(art, &own); code != 0)
        return code;
    if (TvErr code = suites().pathStyle->interpolatePathStyles(&own, &*target, &blended, fraction); code != 0)
        return code;
    return suites().pathStyle->setPathStyle(art, &blended);
}

} // namespace

TvErr transformAndRestyle(TvArtHandle copy, bool compound, const TvRealMatrix& matrix, float fraction,
                          const std::optional<TvPathStyle>& target)
{
    if (!compound)
        return transformOne(copy, matrix, fraction, target);
    TvArtHandle child = nullptr;
    if (TvErr code = suites().art->getArtFirstChild(copy, &child); code != 0)
        return code;
    while (child != nullptr) {
        if (TvErr code = transformOne(child, matrix, fraction, target); code != 0)
            return code;
        if (TvErr code = suites().art->getArtSibling(child, &child); code != 0)
            return code;
    }
    return 0;
}

TvErr finishRun(bool goRun, bool deleteOriginal, std::span<const TvArtHandle> entries)
{
    if (!goRun) {
        suites().document->redrawDocument(); // a redraw failure changes nothing
        return 0;
    }
    if (deleteOriginal) {
        for (TvArtHandle art : entries) {
            if (art == nullptr)
                continue;
            if (TvErr code = suites().art->disposeArt(art); code != 0)
                return failRun(code);
        }
    }
    releaseSelection();
    return 0;
}

TvErr finishKeptPreview(bool deleteOriginal)
{
    std::span<TvArtHandle> entries;
    if (deleteOriginal)
        if (TvErr code = readSelection(entries); code != 0)
            return failRun(code);
    return finishRun(true, deleteOriginal, entries);
}

TvErr failRun(TvErr code)
{
    releaseSelection();
    return code;
}

} // namespace tovrins
