// Small documents for the workbench tests, and exact comparison of
// document data.
#pragma once

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "host/document_data.hpp"

namespace tovrins::host::testing {

inline TvPathStyle grayStyle(float gray)
{
    TvPathStyle s{};
    s.fill = {TV_COLOR_GRAY, {gray, 0, 0, 0}};
    s.stroke = {TV_COLOR_NONE, {0, 0, 0, 0}};
    s.strokeWidth = 1;
    s.opacity = 1;
    return s;
}

// A closed rectangle path from (l, b) to (r, t).
inline ArtData rect(std::string id, float l, float b, float r, float t, bool selected = false)
{
    ArtData a;
    a.type = ArtType::Path;
    a.id = std::move(id);
    a.selected = selected;
    a.closed = true;
    a.style = grayStyle(0.5f);
    for (TvRealPoint p : {TvRealPoint{l, b}, TvRealPoint{r, b}, TvRealPoint{r, t}, TvRealPoint{l, t}})
        a.segments.push_back({p, p, p, true});
    return a;
}

inline ArtData container(ArtType type, std::string id, std::vector<ArtData> children, bool selected = false)
{
    ArtData a;
    a.type = type;
    a.id = std::move(id);
    a.selected = selected;
    a.children = std::move(children);
    for (ArtData& c : a.children)
        c.selected = c.selected || selected;
    return a;
}

inline LayerData layer(std::string name, std::vector<ArtData> art, bool locked = false, bool visible = true)
{
    return LayerData{std::move(name), visible, locked, std::move(art)};
}

// Art at the top level of every layer together.
inline size_t topLevelArtCount(const DocumentData& data)
{
    size_t count = 0;
    for (const LayerData& l : data.layers)
        count += l.art.size();
    return count;
}

inline bool sameBytes(const auto& a, const auto& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

inline void expectSameArt(const ArtData& a, const ArtData& b, const std::string& where)
{
    SCOPED_TRACE(where);
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.id, b.id);
    EXPECT_EQ(a.selected, b.selected);
    EXPECT_TRUE(sameBytes(a.style, b.style));
    EXPECT_EQ(a.closed, b.closed);
    ASSERT_EQ(a.segments.size(), b.segments.size());
    for (size_t i = 0; i < a.segments.size(); ++i) {
        EXPECT_TRUE(sameBytes(a.segments[i].p, b.segments[i].p)) << "segment " << i;
        EXPECT_TRUE(sameBytes(a.segments[i].in, b.segments[i].in)) << "segment " << i;
        EXPECT_TRUE(sameBytes(a.segments[i].out, b.segments[i].out)) << "segment " << i;
        EXPECT_EQ(a.segments[i].corner, b.segments[i].corner);
    }
    EXPECT_TRUE(sameBytes(a.matrix, b.matrix));
    EXPECT_TRUE(sameBytes(a.bounds, b.bounds));
    EXPECT_EQ(a.content, b.content);
    ASSERT_EQ(a.children.size(), b.children.size());
    for (size_t i = 0; i < a.children.size(); ++i)
        expectSameArt(a.children[i], b.children[i], where + "/" + std::to_string(i));
}

inline void expectSameDocument(const DocumentData& a, const DocumentData& b)
{
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
    EXPECT_EQ(a.currentLayer, b.currentLayer);
    ASSERT_EQ(a.layers.size(), b.layers.size());
    for (size_t i = 0; i < a.layers.size(); ++i) {
        const LayerData& la = a.layers[i];
        const LayerData& lb = b.layers[i];
        EXPECT_EQ(la.name, lb.name);
        EXPECT_EQ(la.visible, lb.visible);
        EXPECT_EQ(la.locked, lb.locked);
        ASSERT_EQ(la.art.size(), lb.art.size()) << "layer " << i;
        for (size_t j = 0; j < la.art.size(); ++j)
            expectSameArt(la.art[j], lb.art[j], "layer " + std::to_string(i) + " art " + std::to_string(j));
    }
}

// Two layers: "Back" with a selected square and a group of two paths,
// "Front" (current) with an unselected square and a compound path.
inline DocumentData sampleDocument()
{
    DocumentData d;
    d.width = 400;
    d.height = 300;
    d.layers.push_back(
        layer("Back",
              {rect("a", 0, 0, 10, 10, true),
               container(ArtType::Group, "g", {rect("g1", 20, 20, 30, 30), rect("g2", 40, 40, 50, 60)})}));
    d.layers.push_back(
        layer("Front",
              {rect("b", 100, 100, 110, 120),
               container(ArtType::CompoundPath, "c", {rect("c1", 0, 0, 5, 5), rect("c2", 1, 1, 2, 2)})}));
    d.currentLayer = 1;
    return d;
}

} // namespace tovrins::host::testing
