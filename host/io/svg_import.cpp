#include "svg_import.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <stdexcept>

#include <pugixml.hpp>

#include "css_cascade.hpp"
#include "path_data.hpp"
#include "svg_attributes.hpp"
#include "svg_colour.hpp"
#include "svg_entities.hpp"
#include "svg_number.hpp"
#include "svg_opaque.hpp"
#include "svg_shapes.hpp"
#include "svg_text_encoding.hpp"
#include "svg_transform.hpp"

namespace tovrins::host {

namespace {

using svg::length;
using svg::localName;
using svg::numberList;
using svg::property;
using svg::trim;

constexpr double kMaxSize = 1.0e6;   // points; larger is not a drawing
constexpr int kMaxDepth = 256;

struct Context {
    TvRealMatrix ctm{1, 0, 0, 1, 0, 0}; // element user space to document
    TvPathStyle style{{TV_COLOR_RGB, {0, 0, 0, 0}}, {TV_COLOR_NONE, {0, 0, 0, 0}}, 1, 1};
    TvColor color{TV_COLOR_RGB, {0, 0, 0, 0}}; // the "color" property, for currentColor
    int depth = 0;
};

float scaleOf(const TvRealMatrix& m) { return std::sqrt(std::fabs(m.a * m.d - m.b * m.c)); }

class Importer {
public:
    Importer(const std::string& file, std::vector<std::string>& warnings) : file_(file), warnings_(warnings) {}

    DocumentData read(std::string_view text)
    {
        std::vector<std::string> notes; // from decoding, entities and style sheets
        std::string source;
        try {
            source = expandDtdEntities(xmlTextAsUtf8(text), notes);
        } catch (const std::runtime_error& e) {
            fail(e.what());
        }
        pugi::xml_document xml;
        const auto res = xml.load_buffer(source.data(), source.size(), pugi::parse_default, pugi::encoding_utf8);
        if (!res)
            fail("is not an SVG file: the XML is malformed (" + std::string(res.description()) + " at byte " +
                 std::to_string(res.offset) + ")");
        applyStyleSheets(xml, notes);
        for (const std::string& note : notes)
            warn(note);
        const pugi::xml_node svg = xml.document_element();
        if (localName(svg) != "svg")
            fail("is not an SVG file: its root element is <" + std::string(svg.name()) + ">, not <svg>");
        DocumentData doc;
        const TvRealMatrix root = rootMatrix(svg, doc);
        Context top;
        top.ctm = root;
        std::optional<size_t> loose;
        // Top-level groups become layers. A file that marks its layers the
        // Inkscape way says which groups are layers, so there any other
        // top-level group stays a group.
        auto isInkscapeLayer = [](const pugi::xml_node& n) {
            return localName(n) == "g" && std::string_view(n.attribute("inkscape:groupmode").value()) == "layer";
        };
        bool marksLayers = false;
        for (const pugi::xml_node& child : svg.children())
            marksLayers = marksLayers || isInkscapeLayer(child);
        for (const pugi::xml_node& child : svg.children()) {
            if (child.type() != pugi::node_element)
                continue;
            if (marksLayers ? isInkscapeLayer(child) : localName(child) == "g") {
                doc.layers.push_back(layer(child, top, doc.layers.size()));
                loose.reset();
                continue;
            }
            std::vector<ArtData> art;
            element(child, top, art);
            if (art.empty())
                continue;
            // Art outside any group gathers in a layer of its own.
            if (!loose) {
                loose = doc.layers.size();
                doc.layers.push_back({"Layer " + std::to_string(doc.layers.size() + 1), true, false, {}});
            }
            for (ArtData& a : art)
                doc.layers[*loose].art.push_back(std::move(a));
        }
        if (doc.layers.empty())
            doc.layers.push_back({"Layer 1", true, false, {}});
        doc.currentLayer = static_cast<int32_t>(doc.layers.size() - 1);
        return doc;
    }

private:
    [[noreturn]] void fail(const std::string& what) const { throw std::runtime_error(file_ + " " + what + "."); }
    void warn(const std::string& what) { warnings_.push_back(file_ + ": " + what + "."); }

    std::string describe(const pugi::xml_node& n) const
    {
        std::string s = "<" + std::string(n.name()) + ">";
        if (const char* id = n.attribute("id").value(); *id)
            s += " \"" + std::string(id) + "\"";
        else
            s += " at byte " + std::to_string(n.offset_debug());
        return s;
    }

    double size(const pugi::xml_node& svg, const char* name, double fallback)
    {
        const pugi::xml_attribute a = svg.attribute(name);
        if (!a)
            return fallback;
        if (trim(a.value()).ends_with('%')) {
            warn("took the " + std::string(name) + " \"" + a.value() + "\" of <svg> as " + shortest(static_cast<float>(fallback)) +
                 " points, from the viewBox or the Letter page size");
            return fallback;
        }
        auto v = length(a.value());
        if (!v)
            fail("has a " + std::string(name) + " \"" + a.value() + "\" that is not a length in px, pt, pc, in, mm or cm");
        if (!(*v > 0 && *v <= kMaxSize))
            fail("has an absurd " + std::string(name) + " \"" + a.value() + "\": it must be more than 0 and at most 1000000 points");
        return *v;
    }

    // The viewBox maps to the width and height (centred, aspect kept), and y
    // is flipped about the document height.
    TvRealMatrix rootMatrix(const pugi::xml_node& svg, DocumentData& doc)
    {
        std::optional<std::array<double, 4>> box;
        if (const pugi::xml_attribute vb = svg.attribute("viewBox")) {
            bool ok = false;
            auto v = numberList(vb.value(), ok);
            if (!ok || v.size() != 4 || !(v[2] > 0 && v[3] > 0) || v[2] > kMaxSize || v[3] > kMaxSize)
                fail("has a viewBox \"" + std::string(vb.value()) + "\" that is not four numbers with a positive size");
            box = std::array<double, 4>{v[0], v[1], v[2], v[3]};
        }
        const double w = size(svg, "width", box ? (*box)[2] : 612);
        const double h = size(svg, "height", box ? (*box)[3] : 792);
        doc.width = static_cast<float>(w);
        doc.height = static_cast<float>(h);
        TvRealMatrix view{1, 0, 0, 1, 0, 0};
        if (box) {
            const double s = std::min(w / (*box)[2], h / (*box)[3]);
            view = {static_cast<float>(s), 0, 0, static_cast<float>(s),
                    static_cast<float>((w - (*box)[2] * s) / 2 - (*box)[0] * s),
                    static_cast<float>((h - (*box)[3] * s) / 2 - (*box)[1] * s)};
        }
        const TvRealMatrix flip{1, 0, 0, -1, 0, doc.height};
        return thenApply(view, flip);
    }

    LayerData layer(const pugi::xml_node& g, const Context& parent, size_t index)
    {
        LayerData l;
        l.name = g.attribute("inkscape:label").value();
        if (l.name.empty())
            l.name = g.attribute("id").value();
        if (l.name.empty())
            l.name = "Layer " + std::to_string(index + 1);
        l.visible = property(g, "display").value_or("") != "none";
        const std::string insensitive = g.attribute("sodipodi:insensitive").value();
        l.locked = insensitive == "true" || insensitive == "1";
        const Context ctx = enter(g, parent);
        for (const pugi::xml_node& child : g.children())
            if (child.type() == pugi::node_element)
                element(child, ctx, l.art);
        return l;
    }

    // The context inside an element: its transform and its style.
    Context enter(const pugi::xml_node& n, const Context& parent)
    {
        Context c = parent;
        c.depth = parent.depth + 1;
        if (c.depth > kMaxDepth)
            fail("nests elements more than " + std::to_string(kMaxDepth) + " deep");
        if (const pugi::xml_attribute t = n.attribute("transform")) {
            std::optional<TvRealMatrix> m;
            try {
                m = parseSvgTransform(t.value());
            } catch (const SvgTransformRangeError& e) {
                fail("has an element " + describe(n) + " whose " + e.what());
            }
            if (!m)
                warn("ignored the malformed transform \"" + std::string(t.value()) + "\" of " + describe(n));
            else
                c.ctm = thenApply(*m, parent.ctm);
        }
        if (auto v = property(n, "color")) {
            if (auto p = parseSvgPaint(*v); p && p->kind != TV_COLOR_NONE)
                c.color = *p;
            else
                warn("ignored the color \"" + *v + "\" of " + describe(n));
        }
        auto paint = [&](const char* name, TvColor& into) {
            if (auto v = property(n, name)) {
                if (trim(*v) == "currentColor")
                    into = c.color;
                else if (auto p = parseSvgPaint(*v))
                    into = *p;
                else
                    warn("ignored the " + std::string(name) + " \"" + *v + "\" of " + describe(n));
            }
        };
        paint("fill", c.style.fill);
        paint("stroke", c.style.stroke);
        if (auto v = property(n, "stroke-width")) {
            auto w = length(*v);
            // Kept in user units; the shape scales it by its own transform.
            if (w && *w >= 0 && *w < kMaxSize)
                c.style.strokeWidth = static_cast<float>(*w);
            else
                warn("ignored the stroke-width \"" + *v + "\" of " + describe(n));
        }
        if (auto v = property(n, "opacity")) {
            auto o = length(*v);
            if (o)
                c.style.opacity *= static_cast<float>(std::clamp(*o, 0.0, 1.0));
            else
                warn("ignored the opacity \"" + *v + "\" of " + describe(n));
        }
        return c;
    }

    double attr(const pugi::xml_node& n, const char* name)
    {
        const pugi::xml_attribute a = n.attribute(name);
        if (!a)
            return 0;
        auto v = length(a.value());
        if (!v || std::fabs(*v) > kMaxSize * 100)
            fail("has an element " + describe(n) + " whose " + name + " \"" + a.value() + "\" is not a usable length");
        return *v;
    }

    ArtData pathArt(std::vector<Subpath> subpaths, const Context& c, const pugi::xml_node& n)
    {
        // Stroke width in document units: the user-space width scaled.
        TvPathStyle style = c.style;
        style.strokeWidth = c.style.strokeWidth * scaleOf(c.ctm);
        auto toArt = [&](Subpath& s) {
            ArtData a;
            a.type = ArtType::Path;
            a.style = style;
            a.closed = s.closed;
            for (Segment& seg : s.segments) {
                seg.p = applyMatrix(c.ctm, seg.p);
                seg.in = applyMatrix(c.ctm, seg.in);
                seg.out = applyMatrix(c.ctm, seg.out);
            }
            a.segments = std::move(s.segments);
            return a;
        };
        ArtData art;
        // A transform can carry coordinates past what a float holds.
        for (Subpath& s : subpaths)
            for (const Segment& seg : s.segments)
                for (TvRealPoint q : {seg.p, seg.in, seg.out})
                    if (!std::isfinite(applyMatrix(c.ctm, q).h) || !std::isfinite(applyMatrix(c.ctm, q).v))
                        fail("has an element " + describe(n) + " whose transformed coordinates are too large");
        if (!std::isfinite(style.strokeWidth))
            fail("has an element " + describe(n) + " whose transformed stroke width is too large");
        if (subpaths.size() == 1) {
            art = toArt(subpaths.front());
        } else {
            art.type = ArtType::CompoundPath;
            art.style = style;
            for (Subpath& s : subpaths)
                art.children.push_back(toArt(s));
        }
        art.id = n.attribute("id").value();
        return art;
    }

    // Text and images: local space has y up with the element's own
    // coordinates negated in y, so the matrix is flip * ctm * flip.
    ArtData opaque(const pugi::xml_node& n, const Context& c, ArtType type)
    {
        ArtData a;
        a.type = type;
        a.id = n.attribute("id").value();
        a.style = c.style;
        a.style.strokeWidth = c.style.strokeWidth * scaleOf(c.ctm);
        a.matrix = thenApply(TvRealMatrix{1, 0, 0, -1, 0, 0}, c.ctm);
        const TvRealMatrix& m = a.matrix;
        for (float v : {m.a, m.b, m.c, m.d, m.tx, m.ty, a.style.strokeWidth})
            if (!std::isfinite(v))
                fail("has an element " + describe(n) + " whose transform is too large");
        const double x = attr(n, "x"), y = attr(n, "y");
        if (type == ArtType::Text) {
            a.content = svg::allText(n);
            double fs = 16;
            if (auto v = property(n, "font-size"))
                if (auto l = length(*v); l && *l > 0 && *l < kMaxSize)
                    fs = *l;
            a.bounds = svg::textBox(x, y, fs, svg::utf8Length(a.content));
        } else {
            a.content = n.attribute("xlink:href").value();
            if (a.content.empty())
                a.content = n.attribute("href").value();
            a.bounds = svg::imageBox(x, y, attr(n, "width"), attr(n, "height"));
        }
        a.sourceXml = svg::sourceWithoutTransform(n);
        return a;
    }

    void element(const pugi::xml_node& n, const Context& parent, std::vector<ArtData>& out)
    {
        const std::string_view name = localName(n);
        static const std::vector<std::string_view> silent = {
            "defs", "metadata", "title", "desc", "style", "script", "sodipodi:namedview", "namedview"};
        if (std::find(silent.begin(), silent.end(), name) != silent.end())
            return;
        if (property(n, "display").value_or("") == "none")
            return;
        const Context c = enter(n, parent);
        auto shape = [&](Subpath s) {
            std::vector<Subpath> v;
            v.push_back(std::move(s));
            out.push_back(pathArt(std::move(v), c, n));
        };
        if (name == "g" || name == "a") {
            ArtData g;
            g.type = ArtType::Group;
            g.id = n.attribute("id").value();
            g.style = c.style;
            for (const pugi::xml_node& child : n.children())
                if (child.type() == pugi::node_element)
                    element(child, c, g.children);
            out.push_back(std::move(g));
        } else if (name == "path") {
            auto [subpaths, error] = readPathData(n.attribute("d").value());
            if (!error.empty())
                warn("kept the path data of " + describe(n) + " up to its error: " + error);
            std::erase_if(subpaths, [](const Subpath& s) { return s.segments.empty(); });
            if (subpaths.empty()) {
                warn("skipped " + describe(n) + ", which has no path data");
                return;
            }
            out.push_back(pathArt(std::move(subpaths), c, n));
        } else if (name == "rect") {
            const double w = attr(n, "width"), h = attr(n, "height");
            if (!(w > 0 && h > 0)) {
                warn("skipped " + describe(n) + ", which has no area");
                return;
            }
            const bool hasRx = n.attribute("rx"), hasRy = n.attribute("ry");
            double rx = attr(n, "rx"), ry = attr(n, "ry");
            if (hasRx && !hasRy)
                ry = rx;
            if (hasRy && !hasRx)
                rx = ry;
            shape(rectPath(attr(n, "x"), attr(n, "y"), w, h, rx, ry));
        } else if (name == "circle" || name == "ellipse") {
            const double rx = attr(n, name == "circle" ? "r" : "rx");
            const double ry = name == "circle" ? rx : attr(n, "ry");
            if (!(rx > 0 && ry > 0)) {
                warn("skipped " + describe(n) + ", which has no radius");
                return;
            }
            shape(ellipsePath(attr(n, "cx"), attr(n, "cy"), rx, ry));
        } else if (name == "line") {
            const double v[4] = {attr(n, "x1"), attr(n, "y1"), attr(n, "x2"), attr(n, "y2")};
            shape(polyPath(v, false));
        } else if (name == "polyline" || name == "polygon") {
            bool ok = false;
            std::vector<double> v = numberList(n.attribute("points").value(), ok);
            if (!ok || v.size() % 2 != 0)
                warn("read only the complete points of " + describe(n));
            if (v.size() < 4) {
                warn("skipped " + describe(n) + ", which has fewer than two points");
                return;
            }
            shape(polyPath(v, name == "polygon"));
        } else if (name == "text") {
            out.push_back(opaque(n, c, ArtType::Text));
        } else if (name == "image") {
            out.push_back(opaque(n, c, ArtType::PlacedImage));
        } else {
            warn("skipped the unknown element " + describe(n));
        }
    }

    const std::string& file_;
    std::vector<std::string>& warnings_;
};

} // namespace

DocumentData readSvg(std::string_view text, const std::string& fileName, std::vector<std::string>& warnings)
{
    return Importer(fileName, warnings).read(text);
}

} // namespace tovrins::host
