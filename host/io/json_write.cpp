// Writing the document model as JSON.
#include "host/io/json_document.hpp"

#include <charconv>
#include <cmath>
#include <stdexcept>

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

json paint(const TvColor& c, const std::string& server)
{
    const auto& k = c.components;
    if (isPaintServerKind(c.kind) && !server.empty())
        return {{"kind", c.kind == TV_COLOR_GRADIENT ? "gradient" : "pattern"}, {"paint", server}};
    switch (c.kind) {
    case TV_COLOR_NONE: return {{"kind", "none"}};
    case TV_COLOR_GRAY: return {{"kind", "gray"}, {"gray", number(k[0])}};
    case TV_COLOR_RGB: return {{"kind", "rgb"}, {"rgb", json::array({number(k[0]), number(k[1]), number(k[2])})}};
    case TV_COLOR_PROCESS:
        return {{"kind", "cmyk"}, {"cmyk", json::array({number(k[0]), number(k[1]), number(k[2]), number(k[3])})}};
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
    case ArtType::Instance: return "instance";
    }
    return "path";
}

json matrix(const TvRealMatrix& m)
{
    return json::array({number(m.a), number(m.b), number(m.c), number(m.d), number(m.tx), number(m.ty)});
}

json attributes(const std::vector<Attribute>& list)
{
    json out = json::array();
    for (const Attribute& a : list)
        out.push_back(json::array({a.name, a.value}));
    return out;
}

json art(const ArtData& a, int depth)
{
    if (depth > kMaxArtDepth)
        throw std::runtime_error("the document nests art more than " + std::to_string(kMaxArtDepth) +
                                 " levels deep, which JSON documents cannot hold");
    json j = {{"type", typeName(a.type)},
              {"id", a.id},
              {"selected", a.selected},
              {"bounds", rect(artBounds(a))},
              {"style",
               {{"fill", paint(a.style.fill, a.fillPaint)},
                {"stroke", paint(a.style.stroke, a.strokePaint)},
                {"strokeWidth", number(a.style.strokeWidth)},
                {"opacity", number(a.style.opacity)}}}};
    if (a.space)
        j["space"] = matrix(*a.space);
    if (!a.attributes.empty())
        j["attributes"] = attributes(a.attributes);
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
            kids.push_back(art(c, depth + 1));
        j["children"] = std::move(kids);
        break;
    }
    case ArtType::Text:
    case ArtType::PlacedImage:
    case ArtType::Instance: {
        j["matrix"] = matrix(a.matrix);
        j["box"] = rect(a.bounds);
        j["content"] = a.content;
        j["source"] = a.sourceXml;
        break;
    }
    }
    return j;
}

} // namespace

// The document is written piece by piece, one art object at a time, in
// exactly the layout one dump of the whole tree would have (keys in sorted
// order, one tab per level): a whole-document tree costs several times the
// memory of the text it becomes.
namespace {

std::string dumped(const json& j) { return j.dump(1, '\t', false, json::error_handler_t::replace); }

// Appends j as it would stand at the given depth of a larger dump.
void appendAt(std::string& out, const json& j, int depth)
{
    const std::string text = dumped(j);
    const std::string indent(static_cast<size_t>(depth), '\t');
    out += indent;
    for (char c : text) {
        out += c;
        if (c == '\n')
            out += indent;
    }
}

// Appends j as the value of a key at the given depth.
void appendValue(std::string& out, const json& j, int depth)
{
    const std::string text = dumped(j);
    const std::string indent(static_cast<size_t>(depth), '\t');
    for (char c : text) {
        out += c;
        if (c == '\n')
            out += indent;
    }
}

void appendKey(std::string& out, int depth, const char* key)
{
    out.append(static_cast<size_t>(depth), '\t');
    out += '"';
    out += key;
    out += "\": ";
}

void appendLayer(std::string& out, const LayerData& l)
{
    out += "\t\t{\n";
    appendKey(out, 3, "art");
    if (l.art.empty()) {
        out += "[]";
    } else {
        out += "[\n";
        for (size_t i = 0; i < l.art.size(); ++i) {
            appendAt(out, art(l.art[i], 0), 4);
            out += i + 1 < l.art.size() ? ",\n" : "\n";
        }
        out += "\t\t\t]";
    }
    out += ",\n";
    appendKey(out, 3, "locked");
    out += l.locked ? "true,\n" : "false,\n";
    appendKey(out, 3, "name");
    out += dumped(json(l.name));
    out += ",\n";
    appendKey(out, 3, "visible");
    out += l.visible ? "true\n" : "false\n";
    out += "\t\t}";
}

} // namespace

std::string writeJson(const DocumentData& doc)
{
    std::string out = "{\n";
    appendKey(out, 1, "currentLayer");
    out += dumped(json(doc.currentLayer));
    out += ",\n";
    if (!doc.definitions.empty()) {
        appendKey(out, 1, "definitions");
        out += dumped(json(doc.definitions));
        out += ",\n";
    }
    if (!doc.derivedPaints.empty()) {
        json list = json::array();
        for (const DerivedPaint& d : doc.derivedPaints)
            list.push_back(
                {{"id", d.id}, {"base", d.base}, {"element", d.element}, {"transform", matrix(d.transform)}});
        appendKey(out, 1, "derivedPaints");
        appendValue(out, list, 1);
        out += ",\n";
    }
    appendKey(out, 1, "format");
    out += "\"tovrins-document\",\n";
    appendKey(out, 1, "height");
    out += dumped(number(doc.height));
    out += ",\n";
    appendKey(out, 1, "layers");
    // (written below; the paint servers and root attributes follow it)
    if (doc.layers.empty()) {
        out += "[]";
    } else {
        out += "[\n";
        for (size_t i = 0; i < doc.layers.size(); ++i) {
            appendLayer(out, doc.layers[i]);
            out += i + 1 < doc.layers.size() ? ",\n" : "\n";
        }
        out += "\t]";
    }
    out += ",\n";
    if (!doc.paintServers.empty()) {
        json list = json::array();
        for (const PaintServer& p : doc.paintServers)
            list.push_back({{"id", p.id},
                            {"element", p.element},
                            {"boundingBoxUnits", p.boundingBoxUnits},
                            {"transform", matrix(p.transform)}});
        appendKey(out, 1, "paintServers");
        appendValue(out, list, 1);
        out += ",\n";
    }
    if (!doc.rootAttributes.empty()) {
        appendKey(out, 1, "rootAttributes");
        appendValue(out, attributes(doc.rootAttributes), 1);
        out += ",\n";
    }
    if (doc.seed) {
        appendKey(out, 1, "seed");
        out += dumped(json(*doc.seed));
        out += ",\n";
    }
    appendKey(out, 1, "version");
    out += "1,\n";
    appendKey(out, 1, "width");
    out += dumped(number(doc.width));
    out += "\n}\n";
    return out;
}

} // namespace tovrins::host
