// Writing the document model as JSON.
#include "json_document.hpp"

#include <charconv>
#include <cmath>

#include <nlohmann/json.hpp>

namespace tovrins::host {

using nlohmann::json;

namespace {

// The shortest decimal that reads back as the same float, so files stay
// readable ("0.1", not "0.100000001490116") and round trips are exact.
json number(float v)
{
    if (!std::isfinite(v))
        return nullptr;
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    double d = 0;
    std::from_chars(buf, res.ptr, d);
    return d;
}

json point(TvRealPoint p) { return json::array({number(p.h), number(p.v)}); }

json rect(const TvRealRect& r)
{
    return json::array({number(r.left), number(r.top), number(r.right), number(r.bottom)});
}

json paint(const TvColor& c)
{
    const auto& k = c.components;
    switch (c.kind) {
    case TV_COLOR_NONE: return {{"kind", "none"}};
    case TV_COLOR_GRAY: return {{"kind", "gray"}, {"gray", number(k[0])}};
    case TV_COLOR_RGB:
        return {{"kind", "rgb"}, {"rgb", json::array({number(k[0]), number(k[1]), number(k[2])})}};
    case TV_COLOR_PROCESS:
        return {{"kind", "cmyk"},
                {"cmyk", json::array({number(k[0]), number(k[1]), number(k[2]), number(k[3])})}};
    default:
        // Pattern, gradient and custom colours are opaque to us: keep them.
        return {{"kind", "other"},
                {"code", c.kind},
                {"components", json::array({number(k[0]), number(k[1]), number(k[2]), number(k[3])})}};
    }
}

const char* typeName(ArtType t)
{
    switch (t) {
    case ArtType::Group: return "group";
    case ArtType::Path: return "path";
    case ArtType::CompoundPath: return "compound";
    case ArtType::Text: return "text";
    case ArtType::PlacedImage: return "image";
    }
    return "path";
}

json art(const ArtData& a)
{
    json j = {{"type", typeName(a.type)},
              {"id", a.id},
              {"selected", a.selected},
              {"bounds", rect(artBounds(a))},
              {"style",
               {{"fill", paint(a.style.fill)},
                {"stroke", paint(a.style.stroke)},
                {"strokeWidth", number(a.style.strokeWidth)},
                {"opacity", number(a.style.opacity)}}}};
    switch (a.type) {
    case ArtType::Path: {
        j["closed"] = a.closed;
        json segs = json::array();
        for (const Segment& s : a.segments)
            segs.push_back({{"p", point(s.p)}, {"in", point(s.in)}, {"out", point(s.out)}, {"corner", s.corner}});
        j["segments"] = std::move(segs);
        break;
    }
    case ArtType::Group:
    case ArtType::CompoundPath: {
        json kids = json::array();
        for (const ArtData& c : a.children)
            kids.push_back(art(c));
        j["children"] = std::move(kids);
        break;
    }
    case ArtType::Text:
    case ArtType::PlacedImage: {
        const TvRealMatrix& m = a.matrix;
        j["matrix"] = json::array({number(m.a), number(m.b), number(m.c), number(m.d), number(m.tx), number(m.ty)});
        j["box"] = rect(a.bounds);
        j["content"] = a.content;
        j["source"] = a.sourceXml;
        break;
    }
    }
    return j;
}

} // namespace

std::string writeJson(const DocumentData& doc)
{
    json j = {{"format", "tovrins-document"},
              {"version", 1},
              {"width", number(doc.width)},
              {"height", number(doc.height)},
              {"currentLayer", doc.currentLayer}};
    if (doc.seed)
        j["seed"] = *doc.seed;
    json layers = json::array();
    for (const LayerData& l : doc.layers) {
        json items = json::array();
        for (const ArtData& a : l.art)
            items.push_back(art(a));
        layers.push_back({{"name", l.name}, {"visible", l.visible}, {"locked", l.locked}, {"art", std::move(items)}});
    }
    j["layers"] = std::move(layers);
    return j.dump(1, '\t', false, json::error_handler_t::replace) + "\n";
}

} // namespace tovrins::host
