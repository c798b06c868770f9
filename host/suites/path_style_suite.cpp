#include "host/suites/core_suites.hpp"
#include "host/suites/style_blend.hpp"
#include "host/suites/suite_support.hpp"

namespace tovrins::host {
namespace {

constexpr std::string_view suite = kTvAIPathStyleSuite;

TvErr getPathStyle(TvArtHandle art, TvPathStyle* style)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(suite, "getPathStyle", doc))
        return err;
    const Node* node = doc->find(artIdOf(art));
    if (!node || !style)
        return TV_ERR_BAD_PARAMETER;
    *style = node->style;
    return 0;
}

TvErr setPathStyle(TvArtHandle art, const TvPathStyle* style)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(suite, "setPathStyle", doc))
        return err;
    if (!style)
        return TV_ERR_BAD_PARAMETER;
    return doc->setStyle(artIdOf(art), *style);
}

// Needs no document: it only combines the two styles it is given.
TvErr interpolatePathStyles(const TvPathStyle* first, const TvPathStyle* second, TvPathStyle* result, TvReal t)
{
    if (TvErr err = checkFault(suite, "interpolatePathStyles"))
        return err;
    if (!first || !second || !result)
        return TV_ERR_BAD_PARAMETER;
    *result = interpolateStyles(*first, *second, t);
    return 0;
}

} // namespace

const TvAIPathStyleSuiteV5& pathStyleSuite()
{
    static constexpr TvAIPathStyleSuiteV5 table{getPathStyle, setPathStyle, interpolatePathStyles};
    return table;
}

} // namespace tovrins::host
