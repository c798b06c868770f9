// The shape every filter's engine shares: keep or undo the last preview,
// read the selection and the document once, build the colour target, make
// each series of copies (per selected object, or per copy index across all
// of them, with new layers), finish the run. A filter derives from
// CopyEngine and supplies only what differs: its run-wide values, its
// running values and the matrix that places each copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "resources/tovrins_ids.h"
#include "shell/filter_params.hpp"
#include "shell/filter_record.hpp"
#include "shell/layer_option.hpp"
#include "shell/suite_services.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins {

// The settings of one run, read from the filter's section of the block.
struct CopyRunSettings {
    int32_t FilterParams::*goRun;
    int32_t FilterParams::*previewApplied;
    bool deleteOriginal;
    int32_t copies;
    int32_t copiesPerLayer;
    int32_t layerOption;
    bool baseOnOriginal; // every copy from the selected object, else from the copy before
    bool placeAbove;
    float colourPercent;
    int32_t colourTarget;
    // The filter's running values advance before the layer step rather than
    // after it: the order of the host calls and draws is the filter's own.
    bool advanceBeforeLayer;
};

// Whether a filter's running values advance before or after the layer step:
// the order of the host calls and draws is the filter's own.
enum class AdvanceOrder { AfterLayer, BeforeLayer };

// The settings of one run, read from the fields that the filter binds to the
// dialog items every filter has (copies, layers, options, colour).
CopyRunSettings copyRunSettings(const FilterParams& params, const FilterRecord& filter, AdvanceOrder order);

// Whether items bind every field copyRunSettings reads, each with a field of
// its type; each filter checks its table with it at compile time.
constexpr bool bindsCopyRunItems(std::span<const ItemBinding> items)
{
    const auto bound = [items](int32_t item, bool real) {
        for (const ItemBinding& b : items)
            if (b.item == item)
                return real ? b.realField != nullptr : b.integerField != nullptr;
        return false;
    };
    return bound(item::kCopies, false) && bound(item::kCopiesPerLayer, false) && bound(item::kLayerOption, false) &&
        bound(item::kBaseOnOriginal, false) && bound(item::kDeleteOriginal, false) && bound(item::kPlaceAbove, false) &&
        bound(item::kColourPercent, true) && bound(item::kColourTarget, false);
}

class CopyEngine {
public:
    explicit CopyEngine(FilterParams& params) : p(params) { }
    virtual ~CopyEngine() = default;
    CopyEngine(const CopyEngine&) = delete;
    CopyEngine& operator=(const CopyEngine&) = delete;

    // The whole run; the first failing host code.
    TvErr run(const CopyRunSettings& settings);

protected:
    // Run-wide values, once the document and the selection are read and
    // before the colour target is built.
    virtual TvErr prepare(const TvDocumentSetup& setup) = 0;
    // A series starts: the running values of its first copy.
    virtual void startSeries() = 0;
    // Before the first copy of the selected object at position k.
    virtual TvErr startObject(std::size_t k, TvArtHandle selected) = 0;
    // Advances the running values to copy i.
    virtual void advance(int32_t i) = 0;
    // The matrix of copy i of the object at position k, from the copy's
    // bounds as duplicated.
    virtual void placeCopy(std::size_t k, int32_t i, const TvRealRect& bounds, TvRealMatrix& matrix) = 0;

    FilterParams& p;
    std::span<TvArtHandle> entries; // read once per run
    SuiteRandom random;
    SuiteMath math;

private:
    TvErr perObject(const CopyRunSettings& settings);
    TvErr perCopyIndex(const CopyRunSettings& settings);
    TvErr makeCopy(TvArtHandle source, bool compound, std::size_t k, int32_t i, float fraction, TvArtHandle& copy);

    float colourFactor_ = 1;
    std::optional<TvPathStyle> target_;
    int16_t paintOrder_ = TV_PLACE_ABOVE_ALL;
};

} // namespace tovrins
