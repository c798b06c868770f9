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
            appendAt(out, art(l.art[i]), 4);
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
    appendKey(out, 1, "format");
    out += "\"tovrins-document\",\n";
    appendKey(out, 1, "height");
    out += dumped(number(doc.height));
    out += ",\n";
    appendKey(out, 1, "layers");
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
