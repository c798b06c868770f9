// Shared pieces of the end-to-end filter tests: the three filters' setting
// words, small documents, dialog scripts, and geometry of the art the
// plug-in leaves in the document.
#pragma once

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/adm/scripted_front_end.hpp"
#include "tests/host/document_fixtures.hpp"
#include "tests/support/plugin_harness.hpp"

namespace tovrins::filters_test {

using host::ArtData;
using host::ArtType;
using host::DocumentData;
using host::LayerData;

// Item ids shared by the three dialogs.
namespace item {
inline constexpr int32_t preview = 3;
inline constexpr int32_t copies = 4;
inline constexpr int32_t copiesPerLayer = 9;
inline constexpr int32_t colourPercent = 13;
inline constexpr int32_t baseOnOriginal = 20;
inline constexpr int32_t deleteOriginal = 21;
inline constexpr int32_t placeAbove = 22;
inline constexpr int32_t layerOption = 35;
inline constexpr int32_t colourTarget = 39;
} // namespace item

// The words of one filter's block that the tests read or change.
struct FilterWords {
    const char* title;
    int32_t FilterParams::*copies;
    int32_t FilterParams::*copiesPerLayer;
    int32_t FilterParams::*layerOption;
    int32_t FilterParams::*baseOnOriginal;
    int32_t FilterParams::*deleteOriginal;
    int32_t FilterParams::*interpolate;
    float FilterParams::*colourPercent;
    int32_t FilterParams::*previewApplied;
    int32_t FilterParams::*goRun;
    int32_t FilterParams::*preview;
};

inline const FilterWords kRotate{"TovrinRotate...",
                                 &FilterParams::rotateCopies,
                                 &FilterParams::rotateCopiesPerLayer,
                                 &FilterParams::rotateLayerOption,
                                 &FilterParams::rotateBaseOnOriginal,
                                 &FilterParams::rotateDeleteOriginal,
                                 &FilterParams::rotateInterpolateMode,
                                 &FilterParams::rotateColourFactor,
                                 &FilterParams::rotatePreviewApplied,
                                 &FilterParams::rotateGoRun,
                                 &FilterParams::rotatePreview};
inline const FilterWords kScale{"TovrinScale...",
                                &FilterParams::scaleCopies,
                                &FilterParams::scaleCopiesPerLayer,
                                &FilterParams::scaleLayerOption,
                                &FilterParams::scaleBaseOnOriginal,
                                &FilterParams::scaleDeleteOriginal,
                                &FilterParams::scaleInterpolate,
                                &FilterParams::scaleColourPercent,
                                &FilterParams::scalePreviewApplied,
                                &FilterParams::scaleGoRun,
                                &FilterParams::scalePreview};
inline const FilterWords kTranslate{"TovrinTranslate...",
                                    &FilterParams::translateCopies,
                                    &FilterParams::translateCopiesPerLayer,
                                    &FilterParams::translateLayerOption,
                                    &FilterParams::translateBaseOnOriginal,
                                    &FilterParams::translateDeleteOriginal,
                                    &FilterParams::translateInterpolate,
                                    &FilterParams::translateColourPercent,
                                    &FilterParams::translatePreviewApplied,
                                    &FilterParams::translateGoRun,
                                    &FilterParams::translatePreview};
inline const FilterWords* const kAllFilters[] = {&kRotate, &kScale, &kTranslate};

inline std::string filterName(const ::testing::TestParamInfo<const FilterWords*>& info)
{
    const std::string title = info.param->title;
    return title.substr(6, title.size() - 9); // "TovrinRotate..." -> "Rotate"
}

// Dialog scripts.
inline host::ScriptedFrontEnd scripted(std::vector<host::DialogAction> actions)
{
    host::ScriptedFrontEnd frontEnd;
    frontEnd.addScript(std::move(actions));
    return frontEnd;
}

// Documents. Every rectangle is 4 corners from (l, b) counter-clockwise.
inline DocumentData oneLayer(std::vector<ArtData> art)
{
    DocumentData d;
    d.layers.push_back(host::testing::layer("Layer 1", std::move(art)));
    return d;
}
inline DocumentData oneSelectedRect() { return oneLayer({host::testing::rect("a", 100, 100, 200, 150, true)}); }
// A wide rectangle and a small square, both selected, told apart by size.
inline DocumentData twoSelectedRects()
{
    return oneLayer({host::testing::rect("wide", 100, 100, 200, 150, true),
                     host::testing::rect("small", 300, 300, 320, 320, true)});
}

// Geometry.
struct Point {
    double x;
    double y;
};
inline std::vector<Point> corners(const ArtData& art)
{
    std::vector<Point> out;
    for (const host::Segment& s : art.segments)
        out.push_back({s.p.h, s.p.v});
    return out;
}
inline Point rotated(Point p, Point pivot, double degrees)
{
    const double a = degrees * std::numbers::pi / 180;
    const double dx = p.x - pivot.x;
    const double dy = p.y - pivot.y;
    return {pivot.x + std::cos(a) * dx - std::sin(a) * dy, pivot.y + std::sin(a) * dx + std::cos(a) * dy};
}
inline Point scaled(Point p, Point pivot, double factor)
{
    return {pivot.x + (p.x - pivot.x) * factor, pivot.y + (p.y - pivot.y) * factor};
}
struct Box {
    double left, top, right, bottom;
    Point centre() const { return {left + (right - left) / 2, bottom + (top - bottom) / 2}; }
    Point bottomCentre() const { return {left + (right - left) / 2, bottom}; }
};
inline Box boxOf(const std::vector<Point>& points)
{
    Box b{points.at(0).x, points.at(0).y, points.at(0).x, points.at(0).y};
    for (const Point& p : points) {
        b.left = std::min(b.left, p.x);
        b.right = std::max(b.right, p.x);
        b.bottom = std::min(b.bottom, p.y);
        b.top = std::max(b.top, p.y);
    }
    return b;
}
// The length of the first edge: kept by rotation and translation.
inline double firstEdge(const ArtData& art)
{
    const auto p = corners(art);
    return std::hypot(p.at(1).x - p.at(0).x, p.at(1).y - p.at(0).y);
}

inline void expectPoints(const std::vector<Point>& actual, const std::vector<Point>& expected, double tolerance,
                         const std::string& where)
{
    SCOPED_TRACE(where);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].x, expected[i].x, tolerance) << "corner " << i;
        EXPECT_NEAR(actual[i].y, expected[i].y, tolerance) << "corner " << i;
    }
}

using host::testing::topLevelArtCount;
inline std::vector<size_t> artPerLayer(const DocumentData& d)
{
    std::vector<size_t> out;
    for (const LayerData& l : d.layers)
        out.push_back(l.art.size());
    return out;
}
// Exact structural equality, for loops that must not report through gtest
// at every step.
inline bool sameArt(const ArtData& a, const ArtData& b)
{
    using host::testing::sameBytes;
    if (a.type != b.type || a.id != b.id || a.selected != b.selected || !sameBytes(a.style, b.style) ||
        a.closed != b.closed || a.segments.size() != b.segments.size() || a.children.size() != b.children.size() ||
        !sameBytes(a.matrix, b.matrix) || !sameBytes(a.bounds, b.bounds) || a.content != b.content)
        return false;
    for (size_t i = 0; i < a.segments.size(); ++i)
        if (!sameBytes(a.segments[i].p, b.segments[i].p) || !sameBytes(a.segments[i].in, b.segments[i].in) ||
            !sameBytes(a.segments[i].out, b.segments[i].out) || a.segments[i].corner != b.segments[i].corner)
            return false;
    for (size_t i = 0; i < a.children.size(); ++i)
        if (!sameArt(a.children[i], b.children[i]))
            return false;
    return true;
}
inline bool sameDocument(const DocumentData& a, const DocumentData& b)
{
    if (a.width != b.width || a.height != b.height || a.currentLayer != b.currentLayer ||
        a.layers.size() != b.layers.size())
        return false;
    for (size_t i = 0; i < a.layers.size(); ++i) {
        const LayerData& la = a.layers[i];
        const LayerData& lb = b.layers[i];
        if (la.name != lb.name || la.visible != lb.visible || la.locked != lb.locked || la.art.size() != lb.art.size())
            return false;
        for (size_t j = 0; j < la.art.size(); ++j)
            if (!sameArt(la.art[j], lb.art[j]))
                return false;
    }
    return true;
}

// Compares two documents apart from the names the host gave new layers.
inline void expectSameIgnoringLayerNames(DocumentData a, DocumentData b)
{
    for (LayerData& l : a.layers)
        l.name.clear();
    for (LayerData& l : b.layers)
        l.name.clear();
    host::testing::expectSameDocument(a, b);
}

} // namespace tovrins::filters_test
