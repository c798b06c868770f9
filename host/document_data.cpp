#include "host/document_data.hpp"

#include "host/document/geometry.hpp"

namespace tovrins::host {

TvRealRect artBounds(const ArtData& art)
{
    switch (art.type) {
    case ArtType::Path: return segmentsBounds(art.segments);
    case ArtType::Text:
    case ArtType::PlacedImage:
    case ArtType::Instance: return transformedBounds(art.matrix, art.bounds);
    case ArtType::Group:
    case ArtType::CompoundPath: break;
    }
    TvRealRect r{};
    for (const ArtData& child : art.children)
        r = unionRect(r, artBounds(child));
    return r;
}

} // namespace tovrins::host
