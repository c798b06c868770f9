#include "host/suites/coordinate_range.hpp"
#include "host/suites/core_suites.hpp"
#include "host/suites/suite_support.hpp"

namespace tovrins::host {
namespace {

TvErr transformArt(TvArtHandle art, const TvRealMatrix* matrix, TvReal lineScale, int32_t flags)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(kTvAITransformArtSuite, "transformArt", doc))
        return err;
    if (!matrix)
        return TV_ERR_BAD_PARAMETER;
    if ((flags & TV_TRANSFORM_OBJECTS) != 0)
        if (TvErr err = checkCoordinateRange(*doc, artIdOf(art), *matrix))
            return err;
    return doc->transform(artIdOf(art), *matrix, lineScale, flags);
}

} // namespace

const TvAITransformArtSuiteV1& transformArtSuite()
{
    static constexpr TvAITransformArtSuiteV1 table{transformArt};
    return table;
}

} // namespace tovrins::host
