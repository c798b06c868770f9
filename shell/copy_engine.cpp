#include "shell/copy_engine.hpp"

#include "shell/engine_support.hpp"
#include "shell/suites.hpp"

namespace tovrins {

namespace {

const ItemBinding* bindingOf(std::span<const ItemBinding> items, int32_t item)
{
    for (const ItemBinding& b : items)
        if (b.item == item)
            return &b;
    return nullptr;
}

// An unbound item reads as 0; bindsCopyRunItems keeps every filter's table
// from leaving one out.
int32_t integerOf(const FilterParams& params, std::span<const ItemBinding> items, int32_t item)
{
    const ItemBinding* b = bindingOf(items, item);
    return b && b->integerField ? params.*(b->integerField) : 0;
}

float realOf(const FilterParams& params, std::span<const ItemBinding> items, int32_t item)
{
    const ItemBinding* b = bindingOf(items, item);
    return b && b->realField ? params.*(b->realField) : 0.0f;
}

} // namespace

CopyRunSettings copyRunSettings(const FilterParams& params, const FilterRecord& filter, AdvanceOrder order)
{
    const std::span<const ItemBinding> items = filter.items;
    return {.goRun = filter.words.goRun,
            .previewApplied = filter.words.previewApplied,
            .deleteOriginal = integerOf(params, items, item::kDeleteOriginal) == 1,
            .copies = integerOf(params, items, item::kCopies),
            .copiesPerLayer = integerOf(params, items, item::kCopiesPerLayer),
            .layerOption = integerOf(params, items, item::kLayerOption),
            .baseOnOriginal = integerOf(params, items, item::kBaseOnOriginal) == 1,
            .placeAbove = integerOf(params, items, item::kPlaceAbove) == 1,
            .colourPercent = realOf(params, items, item::kColourPercent),
            .colourTarget = integerOf(params, items, item::kColourTarget),
            .advanceBeforeLayer = order == AdvanceOrder::BeforeLayer};
}

TvErr CopyEngine::run(const CopyRunSettings& settings)
{
    if (p.*settings.goRun == 1 && p.*settings.previewApplied == 1) {
        p.*settings.previewApplied = 0;
        return finishKeptPreview(settings.deleteOriginal);
    }
    TvDocumentSetup setup{};
    if (TvErr code = beginRun(setup, entries); code != 0)
        return failRun(code);
    if (TvErr code = prepare(setup); code != 0)
        return failRun(code);
    colourFactor_ = settings.colourPercent * 0.01f;
    if (TvErr code = buildTargetStyle(colourFactor_, entries, settings.colourTarget, random, target_); code != 0)
        return failRun(code);
    paintOrder_ = settings.placeAbove ? TV_PLACE_ABOVE_ALL : TV_PLACE_BELOW_ALL;

    TvErr code = 0;
    switch (static_cast<LayerOption>(settings.layerOption)) {
    case LayerOption::NewLayers:
    case LayerOption::NoLayers: code = perObject(settings); break;
    case LayerOption::AllOnNewLayer: code = perCopyIndex(settings); break;
    default: break; // an option this build does not know makes no copies
    }
    if (code != 0)
        return failRun(code);
    return finishRun(p.*settings.goRun == 1, settings.deleteOriginal, entries);
}

// One series per selected object, last entry first.
TvErr CopyEngine::perObject(const CopyRunSettings& s)
{
    const bool newLayers = static_cast<LayerOption>(s.layerOption) == LayerOption::NewLayers;
    for (std::size_t k = entries.size(); k-- > 0;) {
        TvArtHandle selected = entries[k];
        if (selected == nullptr)
            continue;
        startSeries();
        float fraction = 1.0f;
        int32_t countdown = s.copiesPerLayer - 1;
        const bool compound = isCompoundPath(selected);
        TvArtHandle previous = selected;
        for (int32_t i = 0; i < s.copies; ++i) {
            if (s.advanceBeforeLayer)
                advance(i);
            if (newLayers)
                if (TvErr code = layerStep(countdown, s.copiesPerLayer, s.placeAbove); code != 0)
                    return code;
            if (i == 0)
                if (TvErr code = startObject(k, selected); code != 0)
                    return code;
            if (!s.advanceBeforeLayer)
                advance(i);
            TvArtHandle source = (i == 0 || s.baseOnOriginal) ? selected : previous;
            TvArtHandle copy = nullptr;
            if (TvErr code = makeCopy(source, compound, k, i, fraction, copy); code != 0)
                return code;
            previous = copy;
            fraction *= colourFactor_;
        }
    }
    return 0;
}

// One series for the whole run: each copy index makes one copy of every
// selected object, last entry first, on the layers of that index.
TvErr CopyEngine::perCopyIndex(const CopyRunSettings& s)
{
    startSeries();
    float fraction = 1.0f;
    int32_t countdown = s.copiesPerLayer - 1;
    for (int32_t i = 0; i < s.copies; ++i) {
        if (s.advanceBeforeLayer)
            advance(i);
        if (TvErr code = layerStep(countdown, s.copiesPerLayer, s.placeAbove); code != 0)
            return code;
        if (!s.advanceBeforeLayer)
            advance(i);
        for (std::size_t k = entries.size(); k-- > 0;) {
            TvArtHandle selected = entries[k];
            if (selected == nullptr)
                continue;
            const bool compound = isCompoundPath(selected);
            if (i == 0)
                if (TvErr code = startObject(k, selected); code != 0)
                    return code;
            TvArtHandle copy = nullptr;
            if (TvErr code = makeCopy(selected, compound, k, i, fraction, copy); code != 0)
                return code;
        }
        fraction *= colourFactor_;
    }
    return 0;
}

// Duplicates source, places the copy and blends its colour.
TvErr CopyEngine::makeCopy(TvArtHandle source, bool compound, std::size_t k, int32_t i, float fraction,
                           TvArtHandle& copy)
{
    if (TvErr code = suites().art->duplicateArt(source, paintOrder_, source, &copy); code != 0)
        return code;
    TvRealRect bounds{};
    if (TvErr code = suites().art->getArtBounds(copy, &bounds); code != 0)
        return code;
    TvRealMatrix matrix{};
    placeCopy(k, i, bounds, matrix);
    return transformAndRestyle(copy, compound, matrix, fraction, target_);
}

} // namespace tovrins
