// Small helpers shared by the document-file tests.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/document_data.hpp"

namespace tovrins::host::testing {

inline Segment corner(float x, float y) { return {{x, y}, {x, y}, {x, y}, true}; }

inline ArtData straightPath(std::vector<TvRealPoint> points, bool closed)
{
    ArtData a;
    a.type = ArtType::Path;
    a.closed = closed;
    for (TvRealPoint p : points)
        a.segments.push_back(corner(p.h, p.v));
    a.style.fill = {TV_COLOR_RGB, {1, 0.5f, 0.25f, 0}};
    a.style.stroke = {TV_COLOR_NONE, {}};
    a.style.strokeWidth = 1;
    a.style.opacity = 1;
    return a;
}

// The paths of a layer in paint order, looking into groups and compound paths.
inline void collectPaths(const std::vector<ArtData>& art, std::vector<const ArtData*>& out)
{
    for (const ArtData& a : art) {
        if (a.type == ArtType::Path)
            out.push_back(&a);
        collectPaths(a.children, out);
    }
}

#define EXPECT_POINT_NEAR(actual, x, y, tol)                                                                           \
    do {                                                                                                               \
        const TvRealPoint point_ = (actual);                                                                           \
        EXPECT_NEAR(point_.h, (x), (tol)) << #actual;                                                                  \
        EXPECT_NEAR(point_.v, (y), (tol)) << #actual;                                                                  \
    } while (0)

} // namespace tovrins::host::testing
