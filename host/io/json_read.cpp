// Reading JSON documents, naming the field at fault in every error.
#include "host/io/json_document.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "host/io/svg_number.hpp"

namespace tovrins::host {

using nlohmann::json;

namespace {

// Reads with the path of the field in hand, so every error names it.
class Reader {
public:
    explicit Reader(const std::string& file) : file_(file) { }

    [[noreturn]] void fail(const std::string& where, const std::string& what) const
    {
        throw std::runtime_error(file_ + ": " + (where.empty() ? "document" : where) + ": " + what + ".");
    }

    const json& field(const json& obj, const std::string& where, const char* key) const
    {
        auto it = obj.find(key);
        if (it == obj.end())
            fail(where, std::string("the field \"") + key + "\" is missing");
        return *it;
    }
    bool has(const json& obj, const char* key) const { return obj.contains(key); }

    float real(const json& j, const std::string& where) const
    {
        if (!j.is_number())
            fail(where, "expected a number");
        // The same range as SVG reading: what export writes reads back.
        const double d = j.get<double>();
        if (!fitsFloat(d))
            fail(where, "the number is out of range");
        return toFloat(d);
    }
    bool boolean(const json& j, const std::string& where) const
    {
        if (!j.is_boolean())
            fail(where, "expected true or false");
        return j.get<bool>();
    }
    std::string text(const json& j, const std::string& where) const
    {
        if (!j.is_string())
            fail(where, "expected a string");
        return j.get<std::string>();
    }
    const json& array(const json& j, const std::string& where, size_t size = 0) const
    {
        if (!j.is_array())
            fail(where, "expected an array");
        if (size != 0 && j.size() != size)
            fail(where, "expected an array of " + std::to_string(size) + " numbers");
        return j;
    }
    void object(const json& j, const std::string& where) const
    {
        if (!j.is_object())
            fail(where, "expected an object");
    }

    float realField(const json& o, const std::string& w, const char* k) const
    {
        return real(field(o, w, k), w + "." + k);
    }
    bool boolField(const json& o, const std::string& w, const char* k) const
    {
        return boolean(field(o, w, k), w + "." + k);
    }

    TvRealPoint point(const json& j, const std::string& w) const
    {
        array(j, w, 2);
        return {real(j[0], w + "[0]"), real(j[1], w + "[1]")};
    }
    void components(const json& j, const std::string& w, std::span<float> out) const
    {
        array(j, w, out.size());
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = real(j[i], w + "[" + std::to_string(i) + "]");
    }
    TvRealRect rect(const json& j, const std::string& w) const
    {
        float v[4];
        components(j, w, v);
        return {v[0], v[1], v[2], v[3]};
    }

    TvColor paint(const json& j, const std::string& w, std::string& server) const
    {
        object(j, w);
        const std::string kind = text(field(j, w, "kind"), w + ".kind");
        TvColor c{};
        if (kind == "gradient" || kind == "pattern") {
            c.kind = kind == "gradient" ? TV_COLOR_GRADIENT : TV_COLOR_PATTERN;
            server = text(field(j, w, "paint"), w + ".paint");
        } else if (kind == "none") {
            c.kind = TV_COLOR_NONE;
        } else if (kind == "gray") {
            c.kind = TV_COLOR_GRAY;
            c.components[0] = realField(j, w, "gray");
        } else if (kind == "rgb") {
            c.kind = TV_COLOR_RGB;
            components(field(j, w, "rgb"), w + ".rgb", std::span(c.components, 3));
        } else if (kind == "cmyk") {
            c.kind = TV_COLOR_PROCESS;
            components(field(j, w, "cmyk"), w + ".cmyk", c.components);
        } else if (kind == "other") {
            const json& code = field(j, w, "code");
            if (!code.is_number_integer() || code.get<int64_t>() < std::numeric_limits<int32_t>::min() ||
                code.get<int64_t>() > std::numeric_limits<int32_t>::max())
                fail(w + ".code", "expected a 32-bit integer");
            c.kind = code.get<int32_t>();
            if (has(j, "components"))
                components(j["components"], w + ".components", c.components);
        } else {
            fail(w + ".kind", "unknown paint kind \"" + kind + "\"");
        }
        return c;
    }

    TvRealMatrix matrix(const json& j, const std::string& w) const
    {
        float m[6];
        components(j, w, m);
        return {m[0], m[1], m[2], m[3], m[4], m[5]};
    }

    std::vector<Attribute> attributes(const json& j, const std::string& w) const
    {
        std::vector<Attribute> out;
        array(j, w);
        for (size_t i = 0; i < j.size(); ++i) {
            const std::string at = w + "[" + std::to_string(i) + "]";
            if (!j[i].is_array() || j[i].size() != 2)
                fail(at, "expected a name and a value");
            out.push_back({text(j[i][0], at + "[0]"), text(j[i][1], at + "[1]")});
        }
        return out;
    }

    void paintServers(const json& j, DocumentData& d) const
    {
        if (has(j, "definitions"))
            d.definitions = text(j["definitions"], "definitions");
        if (has(j, "rootAttributes"))
            d.rootAttributes = attributes(j["rootAttributes"], "rootAttributes");
        if (has(j, "paintServers")) {
            const json& list = array(j["paintServers"], "paintServers");
            for (size_t i = 0; i < list.size(); ++i) {
                const std::string w = "paintServers[" + std::to_string(i) + "]";
                object(list[i], w);
                d.paintServers.push_back({text(field(list[i], w, "id"), w + ".id"),
                                          paintElement(field(list[i], w, "element"), w + ".element"),
                                          boolField(list[i], w, "boundingBoxUnits"),
                                          matrix(field(list[i], w, "transform"), w + ".transform")});
            }
        }
        if (has(j, "derivedPaints")) {
            const json& list = array(j["derivedPaints"], "derivedPaints");
            for (size_t i = 0; i < list.size(); ++i) {
                const std::string w = "derivedPaints[" + std::to_string(i) + "]";
                object(list[i], w);
                d.derivedPaints.push_back({text(field(list[i], w, "id"), w + ".id"),
                                           text(field(list[i], w, "base"), w + ".base"),
                                           paintElement(field(list[i], w, "element"), w + ".element"),
                                           matrix(field(list[i], w, "transform"), w + ".transform")});
            }
        }
    }

    std::string paintElement(const json& j, const std::string& w) const
    {
        std::string e = text(j, w);
        if (e != "linearGradient" && e != "radialGradient" && e != "pattern")
            fail(w, "expected \"linearGradient\", \"radialGradient\" or \"pattern\"");
        return e;
    }

    ArtType type(const json& j, const std::string& w) const
    {
        const std::string t = text(j, w);
        if (t == "path")
            return ArtType::Path;
        if (t == "compound")
            return ArtType::CompoundPath;
        if (t == "group")
            return ArtType::Group;
        if (t == "text")
            return ArtType::Text;
        if (t == "image")
            return ArtType::PlacedImage;
        if (t == "instance")
            return ArtType::Instance;
        fail(w, "unknown art type \"" + t + "\"");
    }

    ArtData art(const json& j, const std::string& w, int depth) const
    {
        if (depth > kMaxArtDepth)
            fail(w, "groups are nested too deeply");
        object(j, w);
        ArtData a;
        a.type = type(field(j, w, "type"), w + ".type");
        if (has(j, "id"))
            a.id = text(j["id"], w + ".id");
        if (has(j, "selected"))
            a.selected = boolean(j["selected"], w + ".selected");
        const std::string sw = w + ".style";
        const json& style = field(j, w, "style");
        object(style, sw);
        a.style.fill = paint(field(style, sw, "fill"), sw + ".fill", a.fillPaint);
        a.style.stroke = paint(field(style, sw, "stroke"), sw + ".stroke", a.strokePaint);
        if (has(j, "space"))
            a.space = matrix(j["space"], w + ".space");
        if (has(j, "attributes"))
            a.attributes = attributes(j["attributes"], w + ".attributes");
        a.style.strokeWidth = realField(style, sw, "strokeWidth");
        a.style.opacity = realField(style, sw, "opacity");
        switch (a.type) {
        case ArtType::Path: {
            a.closed = boolField(j, w, "closed");
            const json& segs = array(field(j, w, "segments"), w + ".segments");
            for (size_t i = 0; i < segs.size(); ++i) {
                const std::string s = w + ".segments[" + std::to_string(i) + "]";
                object(segs[i], s);
                Segment seg;
                seg.p = point(field(segs[i], s, "p"), s + ".p");
                // A handle the writer left out lies on its anchor.
                seg.in = has(segs[i], "in") ? point(segs[i]["in"], s + ".in") : seg.p;
                seg.out = has(segs[i], "out") ? point(segs[i]["out"], s + ".out") : seg.p;
                seg.corner = boolField(segs[i], s, "corner");
                a.segments.push_back(seg);
            }
            break;
        }
        case ArtType::Group:
        case ArtType::CompoundPath: {
            const json& kids = array(field(j, w, "children"), w + ".children");
            for (size_t i = 0; i < kids.size(); ++i) {
                const std::string c = w + ".children[" + std::to_string(i) + "]";
                a.children.push_back(art(kids[i], c, depth + 1));
                if (a.type == ArtType::CompoundPath && a.children.back().type != ArtType::Path)
                    fail(c + ".type", "a compound path holds only paths");
            }
            break;
        }
        case ArtType::Text:
        case ArtType::PlacedImage:
        case ArtType::Instance: {
            a.matrix = matrix(field(j, w, "matrix"), w + ".matrix");
            a.bounds = has(j, "box") ? rect(j["box"], w + ".box") : rect(field(j, w, "bounds"), w + ".bounds");
            if (has(j, "content"))
                a.content = text(j["content"], w + ".content");
            if (has(j, "source"))
                a.sourceXml = text(j["source"], w + ".source");
            break;
        }
        }
        return a;
    }

    DocumentData document(const json& j) const
    {
        object(j, "");
        const json& format = field(j, "", "format");
        if (!format.is_string() || format.get<std::string>() != "tovrins-document")
            fail("format", "not a tovrins-document file");
        const json& version = field(j, "", "version");
        if (!version.is_number_integer() || version.get<int64_t>() != 1)
            fail("version", "only version 1 is understood");
        DocumentData d;
        d.width = realField(j, "", "width");
        d.height = realField(j, "", "height");
        if (!(d.width > 0 && d.height > 0))
            fail("width", "the document size must be positive");
        if (has(j, "seed")) {
            if (!j["seed"].is_number_unsigned())
                fail("seed", "expected a non-negative integer");
            d.seed = j["seed"].get<uint64_t>();
        }
        paintServers(j, d);
        const json& layers = array(field(j, "", "layers"), "layers");
        for (size_t i = 0; i < layers.size(); ++i) {
            const std::string w = "layers[" + std::to_string(i) + "]";
            const json& l = layers[i];
            object(l, w);
            LayerData layer;
            layer.name = text(field(l, w, "name"), w + ".name");
            layer.visible = boolField(l, w, "visible");
            layer.locked = boolField(l, w, "locked");
            const json& items = array(field(l, w, "art"), w + ".art");
            for (size_t k = 0; k < items.size(); ++k)
                layer.art.push_back(art(items[k], w + ".art[" + std::to_string(k) + "]", 0));
            d.layers.push_back(std::move(layer));
        }
        const json& cur = field(j, "", "currentLayer");
        if (!cur.is_number_integer())
            fail("currentLayer", "expected an integer");
        const int64_t c = cur.get<int64_t>();
        const int64_t n = static_cast<int64_t>(d.layers.size());
        if (c < 0 || (n > 0 && c >= n) || (n == 0 && c != 0))
            fail("currentLayer", "no layer has the index " + std::to_string(c));
        d.currentLayer = static_cast<int32_t>(c);
        return d;
    }

private:
    const std::string& file_;
};

} // namespace

DocumentData readJson(std::string_view text, const std::string& fileName)
{
    json j;
    try {
        j = json::parse(text.begin(), text.end());
    } catch (const json::exception& e) { // a syntax error or a number too large
        // nlohmann's message starts with its own tag; keep what follows it.
        std::string why = e.what();
        if (const size_t tag = why.find("] "); tag != std::string::npos)
            why.erase(0, tag + 2);
        throw std::runtime_error(fileName + ": not valid JSON: " + why + ".");
    }
    return Reader(fileName).document(j);
}

} // namespace tovrins::host
