#include "host/io/svg_import.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <tuple>
#include <unordered_map>

#include <pugixml.hpp>

#include "host/io/css_cascade.hpp"
#include "host/io/path_data.hpp"
#include "host/io/svg_attributes.hpp"
#include "host/io/svg_colour.hpp"
#include "host/io/svg_entities.hpp"
#include "host/io/svg_number.hpp"
#include "host/io/svg_opaque.hpp"
#include "host/io/svg_properties.hpp"
#include "host/document/geometry.hpp"
#include "host/io/svg_shapes.hpp"
#include "host/io/svg_text_encoding.hpp"
#include "host/io/svg_transform.hpp"
#include "host/io/svg_viewbox.hpp"

namespace tovrins::host {

namespace {

using svg::length;
using svg::localName;
using svg::numberList;
using svg::property;
using svg::trim;

constexpr double kMaxSize = 1.0e6; // points; larger is not a drawing
constexpr int kMaxDepth = 256;
constexpr size_t kMaxMeasuredElements = 1'000'000; // read for instance bounds, in all
constexpr const char* kGroupLook[] = {"opacity", "clip-path", "mask", "filter", "mix-blend-mode", "isolation"};

struct Context {
    TvRealMatrix ctm{1, 0, 0, 1, 0, 0}; // element user space to document
    TvPathStyle style{{TV_COLOR_RGB, {0, 0, 0, 0}}, {TV_COLOR_NONE, {0, 0, 0, 0}}, 1, 1};
    TvColor color{TV_COLOR_RGB, {0, 0, 0, 0}}; // the "color" property, for currentColor
    std::string fillPaint, strokePaint;        // paint server ids
    float fillAlpha = 1, strokeAlpha = 1;      // the alpha of rgba() and #RGBA paint
    double fontSize = 16;                      // in user units, for em and ex lengths
    std::vector<Attribute> inherited;          // kept inherited properties, as set
    std::vector<Attribute> own;                // kept properties of this element only
    bool boundToSpace = false;                 // its look depends on its own user space
    bool measuring = false;                    // reading an instance's content for its bounds
    int depth = 0;
    int artDepth = 0; // groups above, below the layer
};

void setAttribute(std::vector<Attribute>& list, std::string name, std::string value)
{
    for (Attribute& a : list)
        if (a.name == name) {
            a.value = std::move(value);
            return;
        }
    list.push_back({std::move(name), std::move(value)});
}

bool isPaintServer(std::string_view name)
{
    return name == "linearGradient" || name == "radialGradient" || name == "pattern";
}

// Elements that draw nothing themselves: kept whole with the definitions.
bool isDefinition(std::string_view name)
{
    static constexpr std::string_view names[] = {"defs",     "linearGradient", "radialGradient", "pattern", "clipPath",
                                                 "mask",     "filter",         "marker",         "symbol",  "style",
                                                 "metadata", "title",          "desc",           "script",  "namedview",
                                                 "font",     "font-face",      "color-profile",  "cursor",  "view"};
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

float scaleOf(const TvRealMatrix& m) { return std::sqrt(std::fabs(m.a * m.d - m.b * m.c)); }

class Importer {
public:
    Importer(const std::string& file, std::vector<std::string>& warnings) : file_(file), warnings_(warnings) { }

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
        Context page;
        page.ctm = rootMatrix(svg, doc);
        keepRoot(svg, doc);
        indexIds(svg);
        collectPaintServers(svg, doc);
        const Context top = enter(svg, page);
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
            // A group with a look of its own (opacity, clip, mask, filter, blend)
            // stays a group, in a layer of its own, so that it keeps it.
            const bool ownLook = std::any_of(std::begin(kGroupLook), std::end(kGroupLook),
                                             [&](const char* p) { return property(child, p).has_value(); });
            if ((marksLayers ? isInkscapeLayer(child) : localName(child) == "g") && !ownLook) {
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
        doc.definitions = std::move(definitions_);
        reportWarnings();
        return doc;
    }

private:
    [[noreturn]] void fail(const std::string& what) const { throw std::runtime_error(file_ + " " + what + "."); }
    // Warnings are gathered by kind and reported one line a kind, naming
    // the first few things it was about.
    void warn(const std::string& kind, std::string item = {})
    {
        auto it = std::find_if(pending_.begin(), pending_.end(), [&](const auto& p) { return p.kind == kind; });
        if (it == pending_.end())
            it = pending_.insert(pending_.end(), {kind, 0, {}});
        if (++it->count <= 3 && !item.empty())
            it->items.push_back(std::move(item));
    }
    void reportWarnings()
    {
        for (const PendingWarning& w : pending_) {
            std::string line = file_ + ": " + w.kind;
            for (size_t i = 0; i < w.items.size(); ++i)
                line += (i == 0 ? " " : ", ") + w.items[i];
            if (w.count > w.items.size() && !w.items.empty())
                line += " and " + std::to_string(w.count - w.items.size()) + " more (" + std::to_string(w.count) +
                    " in all)";
            warnings_.push_back(line + ".");
        }
    }

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
            warn("took the " + std::string(name) + " \"" + a.value() + "\" of <svg> as " +
                 shortest(static_cast<float>(fallback)) + " points, from the viewBox or the Letter page size");
            return fallback;
        }
        auto v = length(a.value());
        if (!v)
            fail("has a " + std::string(name) + " \"" + a.value() +
                 "\" that is not a length in px, pt, pc, in, mm or cm");
        if (!(*v > 0 && *v <= kMaxSize))
            fail("has an absurd " + std::string(name) + " \"" + a.value() +
                 "\": it must be more than 0 and at most 1000000 points");
        return *v;
    }

    // The viewBox maps to the width and height as preserveAspectRatio says
    // (what falls outside the page is cut off by it), and y is flipped
    // about the document height.
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
        viewport_.viewportWidth = box ? (*box)[2] : w;
        viewport_.viewportHeight = box ? (*box)[3] : h;
        doc.width = static_cast<float>(w);
        doc.height = static_cast<float>(h);
        TvRealMatrix view{1, 0, 0, 1, 0, 0};
        if (box)
            view = svg::viewBoxMatrix(*box, w, h, svg.attribute("preserveAspectRatio").value());
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
        c.own.clear();
        c.boundToSpace = false;
        c.style.opacity = 1; // a group's opacity stays on the group
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
                warn("ignored the malformed transform", "\"" + std::string(t.value()) + "\" of " + describe(n));
            else
                c.ctm = thenApply(*m, parent.ctm);
        }
        if (auto v = property(n, "color")) {
            if (auto p = parseSvgPaint(*v); p && p->kind != TV_COLOR_NONE)
                c.color = *p;
            else
                warn("ignored the color", "\"" + *v + "\" of " + describe(n));
        }
        paint(n, "fill", c, c.style.fill, c.fillPaint, c.fillAlpha);
        paint(n, "stroke", c, c.style.stroke, c.strokePaint, c.strokeAlpha);
        if (auto v = property(n, "font-size")) {
            // Relative sizes are of the parent's font; keywords keep it.
            svg::LengthContext parentFont = lengths(parent);
            parentFont.viewportWidth = parentFont.viewportHeight = parent.fontSize;
            if (auto l = length(*v, parentFont, svg::LengthAxis::Horizontal); l && *l > 0 && *l < kMaxSize)
                c.fontSize = *l;
        }
        if (auto v = property(n, "stroke-width")) {
            auto w = length(*v, lengths(c), svg::LengthAxis::Diagonal);
            // Kept in user units; the shape scales it by its own transform.
            if (w && *w >= 0 && *w < kMaxSize)
                c.style.strokeWidth = static_cast<float>(*w);
            else
                warn("ignored the stroke-width", "\"" + *v + "\" of " + describe(n));
        }
        if (auto v = property(n, "opacity")) {
            if (auto o = svg::opacityValue(*v))
                c.style.opacity = static_cast<float>(*o);
            else
                warn("ignored the opacity", "\"" + *v + "\" of " + describe(n));
        }
        keepProperties(n, c);
        return c;
    }

    // Fill and stroke: a colour, or a gradient or pattern of the file (its
    // fallback colour, or none, when the reference leads nowhere).
    void paint(const pugi::xml_node& n, const char* name, const Context& c, TvColor& into, std::string& server,
               float& alpha)
    {
        const auto v = property(n, name);
        if (!v)
            return;
        const std::string_view value = trim(*v);
        const float before = alpha;
        alpha = 1;
        if (auto colour = parseCssColour(value); colour && !colour->currentColor)
            alpha = colour->alpha;
        if (value.starts_with("url(")) {
            const size_t close = value.find(')');
            std::string_view ref = trim(value.substr(4, close == std::string_view::npos ? 0 : close - 4));
            if (ref.size() > 1 && (ref.front() == '"' || ref.front() == '\''))
                ref = ref.substr(1, ref.size() - 2);
            if (ref.starts_with('#'))
                ref.remove_prefix(1);
            for (const PaintServer& s : servers_)
                if (s.id == ref) {
                    into = paintServerColour(s);
                    server = s.id;
                    return;
                }
            const std::string_view fallback = close == std::string_view::npos ? "" : trim(value.substr(close + 1));
            server.clear();
            into = parseSvgPaint(fallback.empty() ? "none" : fallback).value_or(TvColor{TV_COLOR_NONE, {}});
            warn("found no gradient or pattern for the " + std::string(name), "\"" + *v + "\" of " + describe(n));
            return;
        }
        if (value == "currentColor") {
            into = c.color;
            server.clear();
        } else if (auto p = parseSvgPaint(value)) {
            into = *p;
            server.clear();
        } else {
            alpha = before;
            warn("ignored the " + std::string(name), "\"" + *v + "\" of " + describe(n));
        }
    }

    // The document's colours have no alpha: a colour's own (rgba(), #RGBA)
    // multiplies the fill or stroke opacity written with the art.
    static void foldColourAlpha(std::vector<Attribute>& list, const Context& c)
    {
        for (auto [name, alpha] :
             {std::pair{"fill-opacity", c.fillAlpha}, std::pair{"stroke-opacity", c.strokeAlpha}}) {
            if (alpha >= 1)
                continue;
            double opacity = 1;
            for (const Attribute& a : list)
                if (a.name == name)
                    opacity = svg::opacityValue(a.value).value_or(1);
            setAttribute(list, name, shortest(static_cast<float>(opacity * alpha)));
        }
    }

    // Properties the model does not edit are kept as they stand: inherited
    // ones travel down to the art, the others stay where they are set.
    void keepProperties(const pugi::xml_node& n, Context& c)
    {
        for (const char* name : svg::kInheritedProperties)
            if (auto v = property(n, name); v && trim(*v) != "inherit")
                setAttribute(c.inherited, name, std::string(trim(*v)));
        for (const char* name : svg::kOwnProperties)
            if (auto v = property(n, name))
                c.own.push_back({name, std::string(trim(*v))});
        // Other programs' attributes (inkscape:label...) and classes for
        // style sheets that stay in the file.
        for (const pugi::xml_attribute& a : n.attributes()) {
            const std::string_view name = a.name();
            if ((name.find(':') != std::string_view::npos && !name.starts_with("xmlns") &&
                 !name.starts_with("xlink:")) ||
                name == "class")
                c.own.push_back({std::string(name), a.value()});
        }
        c.boundToSpace = !c.fillPaint.empty() || !c.strokePaint.empty();
        for (const std::vector<Attribute>* list : {&c.inherited, &c.own})
            for (const Attribute& a : *list)
                if (svg::boundToUserSpace(a.name) && a.value != "none" && a.value != "0")
                    c.boundToSpace = true;
    }

    // What art keeps of its context: every kept inherited property and its own.
    static void keepOn(ArtData& a, const Context& c, bool inherited)
    {
        if (inherited) {
            a.attributes = c.inherited;
            foldColourAlpha(a.attributes, c);
        }
        a.attributes.insert(a.attributes.end(), c.own.begin(), c.own.end());
        a.fillPaint = c.fillPaint;
        a.strokePaint = c.strokePaint;
        if (c.boundToSpace)
            a.space = c.ctm;
    }

    double attr(const pugi::xml_node& n, const Context& c, const char* name)
    {
        const pugi::xml_attribute a = n.attribute(name);
        if (!a)
            return 0;
        // Percentages of the page's viewport; ems of the default font size.
        const std::string_view attribute = name;
        const svg::LengthAxis axis =
            attribute.starts_with('x') || attribute == "width" || attribute == "cx" || attribute == "rx"
            ? svg::LengthAxis::Horizontal
            : attribute.starts_with('y') || attribute == "height" || attribute == "cy" || attribute == "ry"
            ? svg::LengthAxis::Vertical
            : svg::LengthAxis::Diagonal;
        auto v = length(a.value(), lengths(c), axis);
        if (!v || !fitsFloat(*v))
            fail("has an element " + describe(n) + " whose " + name + " \"" + a.value() + "\" is not a usable length");
        return *v;
    }

    // Lengths inside an element: ems of its font size, percentages of the page.
    svg::LengthContext lengths(const Context& c) const
    {
        svg::LengthContext l = viewport_;
        l.fontSize = c.fontSize;
        return l;
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
            a.fillPaint = c.fillPaint; // a compound path's parts carry its look
            a.strokePaint = c.strokePaint;
            if (c.boundToSpace)
                a.space = c.ctm;
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
        keepOn(art, c, true);
        return art;
    }

    // Text, images and instances: local space has y up with the element's
    // own coordinates negated in y, so the matrix is flip * ctm * flip.
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
        const double x = attr(n, c, "x"), y = attr(n, c, "y");
        if (type == ArtType::Text) {
            a.content = svg::allText(n);
            a.bounds = svg::textBox(x, y, c.fontSize, svg::utf8Length(a.content));
        } else if (type == ArtType::PlacedImage) {
            a.content = href(n);
            a.bounds = svg::imageBox(x, y, attr(n, c, "width"), attr(n, c, "height"));
        } else {
            a.content = href(n);
            a.bounds = instanceBounds(n, c);
        }
        if (type == ArtType::Text) {
            a.fillPaint = c.fillPaint;
            a.strokePaint = c.strokePaint;
        }
        if (!c.measuring) // measured content is never written
            a.sourceXml = svg::sourceForArt(n, inheritedOnto(n, c, type == ArtType::Text));
        return a;
    }

    static std::string href(const pugi::xml_node& n)
    {
        const char* h = n.attribute("xlink:href").value();
        return *h ? h : n.attribute("href").value();
    }

    // What an element kept whole inherits, written onto it: what it
    // inherits from where it stood goes with it wherever a copy goes.
    // `paintOwned` (text): its fill and stroke are the document's, which a
    // colour step changes, so they are written whether inherited or its own.
    std::vector<Attribute> inheritedOnto(const pugi::xml_node& n, const Context& c, bool paintOwned)
    {
        std::vector<Attribute> out;
        for (const Attribute& a : c.inherited)
            if (!property(n, a.name.c_str()))
                out.push_back(a);
        auto paintValue = [](const TvColor& colour, const std::string& server) {
            return server.empty() ? svgPaint(colour) : "url(#" + server + ")";
        };
        const bool ownFill = !paintOwned && property(n, "fill");
        const bool ownStroke = !paintOwned && property(n, "stroke");
        if (!ownFill)
            out.push_back({"fill", paintValue(c.style.fill, c.fillPaint)});
        if (!ownStroke && (paintOwned || c.style.stroke.kind != TV_COLOR_NONE)) {
            out.push_back({"stroke", paintValue(c.style.stroke, c.strokePaint)});
            if (c.style.stroke.kind != TV_COLOR_NONE && !property(n, "stroke-width"))
                out.push_back({"stroke-width", shortest(c.style.strokeWidth)});
        }
        if (!property(n, "color") && c.color.kind != TV_COLOR_NONE)
            out.push_back({"color", svgPaint(c.color)});
        // A colour's alpha where its paint is written here, times the
        // opacity that stands, its own included.
        Context alphas = c;
        for (auto [opacity, alpha, own] : {std::tuple{"fill-opacity", &alphas.fillAlpha, ownFill},
                                           std::tuple{"stroke-opacity", &alphas.strokeAlpha, ownStroke}}) {
            if (own || (!paintOwned && property(n, opacity)))
                *alpha = 1;
            else if (*alpha < 1 && property(n, opacity))
                for (const Attribute& a : c.inherited)
                    if (a.name == opacity)
                        setAttribute(out, opacity, a.value);
        }
        foldColourAlpha(out, alphas);
        return out;
    }

    // An instance's bounds in its own space (y negated): its content read
    // as art. Each element is measured once and remembered, so that
    // instances of instances cost what the file holds, not what they
    // multiply to (nine instances of nine instances, twenty deep, is 9^20
    // shapes drawn but twenty measurings).
    TvRealRect instanceBounds(const pugi::xml_node& n, const Context& c)
    {
        if (localName(n) != "use")
            return measuredContent(n, c, false);
        const pugi::xml_node target = byId(href(n));
        // An instance of its own ancestor draws nothing of itself.
        for (pugi::xml_node up = n; up; up = up.parent())
            if (up == target)
                return {};
        if (!target)
            return {};
        const TvRealRect r = measuredContent(target, c, true);
        if (isEmptyRect(r))
            return r;
        const float x = toFloat(attr(n, c, "x")), y = toFloat(attr(n, c, "y"));
        return {r.left + x, r.top - y, r.right + x, r.bottom - y};
    }

    // The bounds of what an element draws, in its own space with y negated.
    // `referenced`: content that cannot be read measures nothing, and is
    // kept as it stands; otherwise the error is the file's.
    TvRealRect measuredContent(const pugi::xml_node& n, const Context& c, bool referenced)
    {
        const auto known = measured_.find(n.internal_object());
        if (known != measured_.end())
            return known->second; // while it is being read, a cycle: nothing
        measured_[n.internal_object()] = {};
        Context inside = c;
        inside.ctm = TvRealMatrix{1, 0, 0, -1, 0, 0};
        inside.measuring = true;
        std::vector<ArtData> art;
        try {
            readContent(n, inside, art);
        } catch (const std::runtime_error&) {
            if (!referenced || measuredElements_ > kMaxMeasuredElements)
                throw;
            art.clear();
        }
        TvRealRect r{};
        for (const ArtData& a : art)
            r = unionRect(r, artBounds(a));
        measured_[n.internal_object()] = r;
        return r;
    }

    void readContent(const pugi::xml_node& n, const Context& c, std::vector<ArtData>& out)
    {
        const std::string_view name = localName(n);
        if (name == "symbol" || name == "svg" || name == "switch") {
            for (const pugi::xml_node& child : n.children())
                if (child.type() == pugi::node_element) {
                    element(child, c, out);
                    if (name == "switch")
                        break;
                }
        } else {
            element(n, c, out);
        }
    }

    // Definitions and hidden elements go back as they stood, references
    // and all; only the first reading of a file keeps them.
    void keepDefinition(const pugi::xml_node& n, const Context& c)
    {
        if (c.measuring)
            return;
        std::ostringstream text;
        n.print(text, "", pugi::format_raw);
        definitions_ += text.str();
    }

    // The gradients and patterns of the file, wherever they stand, with
    // their units and transform as inherited through href.
    void collectPaintServers(const pugi::xml_node& svg, DocumentData& doc)
    {
        std::vector<pugi::xml_node> stack{svg};
        while (!stack.empty()) {
            const pugi::xml_node n = stack.back();
            stack.pop_back();
            for (const pugi::xml_node& child : n.children())
                if (child.type() == pugi::node_element)
                    stack.push_back(child);
            const std::string_view name = localName(n);
            if (!isPaintServer(name) || !*n.attribute("id").value())
                continue;
            PaintServer s{n.attribute("id").value(), std::string(name), name != "pattern", {1, 0, 0, 1, 0, 0}};
            const char* transformName = name == "pattern" ? "patternTransform" : "gradientTransform";
            bool unitsFound = false, transformFound = false;
            pugi::xml_node at = n;
            for (int hops = 0; at && hops < 16 && !(unitsFound && transformFound); ++hops) {
                if (!unitsFound && name != "pattern")
                    if (const pugi::xml_attribute u = at.attribute("gradientUnits")) {
                        s.boundingBoxUnits = std::string_view(u.value()) != "userSpaceOnUse";
                        unitsFound = true;
                    }
                if (!transformFound)
                    if (const pugi::xml_attribute t = at.attribute(transformName)) {
                        s.transform = parseSvgTransform(t.value()).value_or(s.transform);
                        transformFound = true;
                    }
                at = byId(href(at));
            }
            servers_.push_back(s);
        }
        doc.paintServers = servers_;
    }

    // The element a local reference "#id" names; none for others.
    pugi::xml_node byId(std::string_view ref) const
    {
        if (!ref.starts_with('#'))
            return {};
        auto it = ids_.find(std::string(ref.substr(1)));
        return it == ids_.end() ? pugi::xml_node() : it->second;
    }

    void indexIds(const pugi::xml_node& root)
    {
        std::vector<pugi::xml_node> stack{root};
        while (!stack.empty()) {
            const pugi::xml_node n = stack.back();
            stack.pop_back();
            if (const char* id = n.attribute("id").value(); *id)
                ids_.emplace(id, n);
            for (const pugi::xml_node& child : n.children())
                if (child.type() == pugi::node_element)
                    stack.push_back(child);
        }
    }

    // The root's namespaces, its opacity and the page size as the file wrote it.
    void keepRoot(const pugi::xml_node& svg, DocumentData& doc)
    {
        if (auto opacity = property(svg, "opacity"); opacity && svg::opacityValue(*opacity).value_or(1) < 1)
            doc.rootAttributes.push_back({"opacity", shortest(static_cast<float>(*svg::opacityValue(*opacity)))});
        // Only what export would not write the same way anyway.
        static constexpr std::pair<std::string_view, std::string_view> usual[] = {
            {"xmlns", "http://www.w3.org/2000/svg"},
            {"xmlns:xlink", "http://www.w3.org/1999/xlink"},
            {"xmlns:inkscape", "http://www.inkscape.org/namespaces/inkscape"},
            {"xmlns:sodipodi", "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd"}};
        for (const pugi::xml_attribute& a : svg.attributes()) {
            const std::string_view name = a.name();
            if (name.starts_with("xmlns") &&
                std::find(std::begin(usual), std::end(usual), std::pair(name, std::string_view(a.value()))) ==
                    std::end(usual))
                doc.rootAttributes.push_back({std::string(name), a.value()});
        }
        for (const char* side : {"width", "height"}) {
            const pugi::xml_attribute a = svg.attribute(side);
            const float size = side[0] == 'w' ? doc.width : doc.height;
            // A page without a size is as large as its user units say.
            std::string text = a && !trim(a.value()).ends_with('%') ? std::string(trim(a.value())) : shortest(size);
            if (text != shortest(size))
                doc.rootAttributes.push_back({side, std::move(text)});
        }
    }

    void element(const pugi::xml_node& n, const Context& parent, std::vector<ArtData>& out)
    {
        const std::string_view name = localName(n);
        if (name == "namedview" || std::string_view(n.name()) == "sodipodi:namedview" || isDefinition(name)) {
            keepDefinition(n, parent);
            return;
        }
        if (property(n, "display").value_or("") == "none") {
            keepDefinition(n, parent); // a reference may still name it
            return;
        }
        // Measuring reads each instanced element once, so this is reached
        // only by a file that holds that many elements in its instances.
        if (parent.measuring && ++measuredElements_ > kMaxMeasuredElements)
            fail("has instances (<use>, nested <svg>) whose content comes to more than " +
                 std::to_string(kMaxMeasuredElements) + " elements to measure");
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
            // A group keeps its own properties; the inherited ones are on its art.
            g.attributes = c.own;
            if (std::any_of(c.own.begin(), c.own.end(),
                            [](const Attribute& a) { return svg::boundToUserSpace(a.name); }))
                g.space = c.ctm;
            // Every reader and writer of documents holds the same limit.
            Context inside = c;
            if (++inside.artDepth > kMaxArtDepth)
                fail("nests groups more than " + std::to_string(kMaxArtDepth) + " deep");
            for (const pugi::xml_node& child : n.children())
                if (child.type() == pugi::node_element)
                    element(child, inside, g.children);
            out.push_back(std::move(g));
        } else if (name == "use" || name == "svg" || name == "switch") {
            out.push_back(opaque(n, c, ArtType::Instance));
        } else if (name == "path") {
            auto [subpaths, error] = readPathData(n.attribute("d").value());
            if (!error.empty())
                warn("kept the path data of " + describe(n) + " up to its error: " + error);
            std::erase_if(subpaths, [](const Subpath& s) { return s.segments.empty(); });
            if (subpaths.empty()) {
                warn("skipped elements without path data:", describe(n));
                return;
            }
            out.push_back(pathArt(std::move(subpaths), c, n));
        } else if (name == "rect") {
            const double w = attr(n, c, "width"), h = attr(n, c, "height");
            if (!(w > 0 && h > 0)) {
                warn("skipped rectangles without area:", describe(n));
                return;
            }
            const bool hasRx = n.attribute("rx"), hasRy = n.attribute("ry");
            double rx = attr(n, c, "rx"), ry = attr(n, c, "ry");
            if (hasRx && !hasRy)
                ry = rx;
            if (hasRy && !hasRx)
                rx = ry;
            shape(rectPath(attr(n, c, "x"), attr(n, c, "y"), w, h, rx, ry));
        } else if (name == "circle" || name == "ellipse") {
            const double rx = attr(n, c, name == "circle" ? "r" : "rx");
            const double ry = name == "circle" ? rx : attr(n, c, "ry");
            if (!(rx > 0 && ry > 0)) {
                warn("skipped circles and ellipses without radius:", describe(n));
                return;
            }
            shape(ellipsePath(attr(n, c, "cx"), attr(n, c, "cy"), rx, ry));
        } else if (name == "line") {
            const double v[4] = {attr(n, c, "x1"), attr(n, c, "y1"), attr(n, c, "x2"), attr(n, c, "y2")};
            shape(polyPath(v, false));
        } else if (name == "polyline" || name == "polygon") {
            bool ok = false;
            std::vector<double> v = numberList(n.attribute("points").value(), ok);
            if (!ok || v.size() % 2 != 0)
                warn("read only the complete points of", describe(n));
            if (v.size() < 4) {
                warn("skipped polylines and polygons with fewer than two points:", describe(n));
                return;
            }
            shape(polyPath(v, name == "polygon"));
        } else if (name == "text") {
            out.push_back(opaque(n, c, ArtType::Text));
        } else if (name == "image") {
            out.push_back(opaque(n, c, ArtType::PlacedImage));
        } else if (std::string_view(n.name()).find(':') != std::string_view::npos) {
            // Another vocabulary's element (an XInclude, an editor's own)
            // is not ours to draw; it goes back as it stood.
            keepDefinition(n, parent);
        } else {
            warn("skipped the unknown element", describe(n));
        }
    }

    struct PendingWarning {
        std::string kind;
        size_t count = 0;
        std::vector<std::string> items;
    };

    const std::string& file_;
    std::vector<std::string>& warnings_;
    std::vector<PendingWarning> pending_;
    std::string definitions_;
    std::vector<PaintServer> servers_;
    std::unordered_map<std::string, pugi::xml_node> ids_;
    std::unordered_map<const void*, TvRealRect> measured_; // instance content, by element
    size_t measuredElements_ = 0;
    svg::LengthContext viewport_;
};

} // namespace

DocumentData readSvg(std::string_view text, const std::string& fileName, std::vector<std::string>& warnings)
{
    return Importer(fileName, warnings).read(text);
}

} // namespace tovrins::host
