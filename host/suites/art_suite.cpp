#include "host/suites/core_suites.hpp"
#include "host/suites/suite_support.hpp"

namespace tovrins::host {
namespace {

constexpr std::string_view suite = kTvAIArtSuite;

TvErr disposeArt(TvArtHandle art)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(suite, "disposeArt", doc))
        return err;
    return doc->dispose(artIdOf(art));
}

TvErr duplicateArt(TvArtHandle art, int16_t paintOrder, TvArtHandle prep, TvArtHandle* newArt)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(suite, "duplicateArt", doc))
        return err;
    if (!newArt)
        return TV_ERR_BAD_PARAMETER;
    ArtId copy = 0;
    if (TvErr err = doc->duplicate(artIdOf(art), paintOrder, artIdOf(prep), copy))
        return err;
    *newArt = toHandle(copy);
    return 0;
}

TvErr getArtType(TvArtHandle art, int16_t* type)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(suite, "getArtType", doc))
        return err;
    const Node* node = doc->find(artIdOf(art));
    if (!node || !type)
        return TV_ERR_BAD_PARAMETER;
    *type = static_cast<int16_t>(node->type);
    return 0;
}

TvErr getArtFirstChild(TvArtHandle art, TvArtHandle* child)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(suite, "getArtFirstChild", doc))
        return err;
    ArtId id = 0;
    if (!child)
        return TV_ERR_BAD_PARAMETER;
    if (TvErr err = doc->firstChild(artIdOf(art), id))
        return err;
    *child = id ? toHandle(id) : nullptr;
    return 0;
}

TvErr getArtSibling(TvArtHandle art, TvArtHandle* sibling)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(suite, "getArtSibling", doc))
        return err;
    ArtId id = 0;
    if (!sibling)
        return TV_ERR_BAD_PARAMETER;
    if (TvErr err = doc->sibling(artIdOf(art), id))
        return err;
    *sibling = id ? toHandle(id) : nullptr;
    return 0;
}

TvErr getArtBounds(TvArtHandle art, TvRealRect* bounds)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(suite, "getArtBounds", doc))
        return err;
    if (!bounds)
        return TV_ERR_BAD_PARAMETER;
    return doc->bounds(artIdOf(art), *bounds);
}

} // namespace

const TvAIArtSuiteV9& artSuite()
{
    static constexpr TvAIArtSuiteV9 table{disposeArt,       duplicateArt,  getArtType,
                                          getArtFirstChild, getArtSibling, getArtBounds};
    return table;
}

} // namespace tovrins::host
