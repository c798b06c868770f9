// SVG export streams the document straight into one string: no XML tree
// and no copy of the document are made on the way.
#include "host/io/svg_export.hpp"

#include <cmath>
#include <stdexcept>
#include <vector>

#include "host/document/geometry.hpp"
#include "host/document/paint_servers.hpp"
#include "host/io/art_source.hpp"
#include "host/io/svg_colour.hpp"
#include "host/io/svg_opaque.hpp"
#include "host/io/svg_properties.hpp"
#include "host/io/style_memo.hpp"
#include "host/io/svg_transform.hpp"
#include "host/io/xml_writer.hpp"

namespace tovrins::host {

namespace {

constexpr TvRealMatrix kFlipLocal{1, 0, 0, -1, 0, 0};

float scaleOf(const TvRealMatrix& m) { return std::sqrt(std::fabs(m.a * m.d - m.b * m.c)); }

std::string paintValue(const TvColor& c, const std::string& server)
{
    return isPaintServerKind(c.kind) && !server.empty() ? "url(#" + server + ")" : svgPaint(c);
}

const Attribute* findAttribute(const std::vector<Attribute>& list, std::string_view name)
{
    for (const Attribute& a : list)
        if (a.name == name)
            return &a;
    return nullptr;
}

// Each element is written in the user space its parent set up: `space`
// maps that space to the document.
template <class Source> class Exporter {
public:
    using Art = typename Source::Art;

    Exporter(const Source& source, std::string& out)
        : source_(source), out_(out), xml_(out), page_{1, 0, 0, -1, 0, source.header().height}
    {
    }

    void art(const Art& a, int depth) { art(a, page_, depth); }

private:
    void art(const Art& a, const TvRealMatrix& space, int depth)
    {
        if (depth > kMaxArtDepth + 2)
            throw std::runtime_error("the document nests art more than " + std::to_string(kMaxArtDepth) +
                                     " levels deep, which SVG files of ours never do");
        switch (a.type) {
        case ArtType::Group: group(a, space, depth); break;
        case ArtType::Path:
        case ArtType::CompoundPath: path(a, space, depth); break;
        case ArtType::Text:
        case ArtType::PlacedImage:
        case ArtType::Instance: opaque(a, space, depth); break;
        }
    }

    // The transform that takes art from its own space into its parent's.
    void ownSpace(const std::optional<TvRealMatrix>& own, const TvRealMatrix& parent, TvRealMatrix& inside)
    {
        inside = parent;
        if (!own)
            return;
        const auto parentInverse = invertMatrix(parent);
        if (!parentInverse)
            return;
        inside = *own;
        xml_.matrixAttribute("transform", concatMatrix(*own, *parentInverse));
    }

    void open(const char* name, const Art& a, int depth)
    {
        xml_.indent(depth);
        xml_.raw("<");
        xml_.raw(name);
        if (const std::string_view id = Source::name(a); !id.empty())
            xml_.attribute("id", id);
    }

    // Kept properties as attributes, but those SVG only knows as CSS in
    // style="", with `css` (the element's other declarations).
    void kept(const std::vector<Attribute>& attributes, std::string css = {})
    {
        for (const Attribute& at : attributes)
            if (svg::styleOnly(at.name))
                css += at.name + ":" + at.value + ";";
            else
                xml_.attribute(at.name, at.value);
        if (!css.empty())
            xml_.attribute("style", css);
    }

    void group(const Art& a, const TvRealMatrix& space, int depth)
    {
        open("g", a, depth);
        TvRealMatrix inside;
        ownSpace(a.space, space, inside);
        if (a.style.opacity != 1)
            xml_.numberAttribute("opacity", a.style.opacity);
        kept(a.attributes);
        if (!source_.firstChild(a)) {
            xml_.raw("/>\n");
            return;
        }
        xml_.raw(">\n");
        source_.forEachChild(a, [&](const Art& c) { art(c, inside, depth + 1); });
        xml_.indent(depth);
        xml_.raw("</g>\n");
    }

    void path(const Art& a, const TvRealMatrix& space, int depth)
    {
        // A compound path's parts are transformed one by one; its look
        // (space and paint servers) follows its first part.
        const Art* first = a.type == ArtType::CompoundPath ? source_.firstChild(a) : nullptr;
        const Art& look = first ? *first : a;
        open("path", a, depth);
        TvRealMatrix inside;
        ownSpace(look.space ? look.space : a.space, space, inside);
        const TvRealMatrix toLocal = invertMatrix(inside).value_or(TvRealMatrix{1, 0, 0, -1, 0, page_.ty});
        xml_.raw(" d=\"");
        bool firstPart = true;
        if (a.type == ArtType::Path)
            pathData(Source::segments(a), a.closed, toLocal, firstPart);
        source_.forEachChild(a, [&](const Art& c) { pathData(Source::segments(c), c.closed, toLocal, firstPart); });
        xml_.raw("\"");
        kept(a.attributes, pathStyle(a.style, look.fillPaint, look.strokePaint, scaleOf(inside)));
        xml_.raw("/>\n");
    }

    // A path's paint attributes, and its style="" declarations, spelt once
    // for a run of paths that look the same, as copies do.
    std::string pathStyle(const TvPathStyle& s, const std::string& fill, const std::string& stroke, float scale)
    {
        if (!lastStyle_.same(s, fill, stroke, scale)) {
            const size_t start = out_.size();
            std::string css = style(s, fill, stroke, scale, true);
            lastStyle_.remember(s, fill, stroke, scale, std::string_view(out_).substr(start), std::move(css));
            return lastStyle_.declarations();
        }
        xml_.raw(lastStyle_.text());
        return lastStyle_.declarations();
    }

    // A path part's commands are spelt into one buffer and appended once:
    // paths are most of the file, and small appends cost more than the
    // spelling of the numbers.
    class PartText {
    public:
        PartText(std::vector<char>& room, size_t segments, const TvRealMatrix& toLocal) : toLocal_(toLocal)
        {
            // A segment spells at most " C ", three points and two spaces.
            const size_t most = (segments + 1) * (3 * (2 * XmlWriter::kNumberRoom + 1) + 5) + 4;
            if (room.size() < most)
                room.resize(most);
            start_ = end_ = room.data();
        }
        void raw(std::string_view text) { end_ = std::copy(text.begin(), text.end(), end_); }
        void point(TvRealPoint p)
        {
            const TvRealPoint q = transformPoint(toLocal_, p);
            end_ = XmlWriter::spell(end_, q.h);
            *end_++ = ' ';
            end_ = XmlWriter::spell(end_, q.v);
        }
        std::string_view text() const { return {start_, static_cast<size_t>(end_ - start_)}; }

    private:
        const TvRealMatrix& toLocal_;
        char* start_;
        char* end_;
    };

    void pathData(std::span<const Segment> segments, bool closed, const TvRealMatrix& toLocal, bool& first)
    {
        if (segments.empty())
            return;
        PartText text(partRoom_, segments.size(), toLocal);
        auto join = [&](const Segment& from, const Segment& to) {
            if (straightBetween(from, to)) {
                text.raw(" L ");
            } else {
                text.raw(" C ");
                text.point(from.out);
                text.raw(" ");
                text.point(to.in);
                text.raw(" ");
            }
            text.point(to.p);
        };
        text.raw(first ? "M " : " M ");
        text.point(segments.front().p);
        first = false;
        forEachJoin(segments, closed, join);
        if (closed)
            text.raw(" Z");
        xml_.raw(text.text());
    }

    void paint(const char* name, const TvColor& c, const std::string& server)
    {
        xml_.attribute(name, paintValue(c, server));
    }

    // Stroke widths are held in document units; `scale` is how much the
    // user space they are written in is scaled. Returns the declarations
    // that go in style="".
    std::string style(const TvPathStyle& s, const std::string& fill, const std::string& stroke, float scale,
                      bool withStroke)
    {
        paint("fill", s.fill, fill);
        std::string css;
        if (const std::string k = svgDeviceCmyk(s.fill); !k.empty())
            css += "fill:" + k + ";";
        if (withStroke) {
            paint("stroke", s.stroke, stroke);
            xml_.numberAttribute("stroke-width", scale > 0 ? s.strokeWidth / scale : s.strokeWidth);
            if (const std::string k = svgDeviceCmyk(s.stroke); !k.empty())
                css += "stroke:" + k + ";";
        }
        if (s.opacity != 1)
            xml_.numberAttribute("opacity", s.opacity);
        return css;
    }

    // Text's paints are the document's, which a colour step changes: they
    // replace those of its kept element (but a gradient or pattern kind
    // without its paint server's name, which the element names itself).
    static std::string textPaints(const Art& a)
    {
        std::vector<Attribute> paints;
        if (!isPaintServerKind(a.style.fill.kind) || !a.fillPaint.empty())
            paints.push_back({"fill", paintValue(a.style.fill, a.fillPaint)});
        if (!isPaintServerKind(a.style.stroke.kind) || !a.strokePaint.empty())
            paints.push_back({"stroke", paintValue(a.style.stroke, a.strokePaint)});
        return a.sourceXml.empty() ? std::string() : svg::withAttributes(a.sourceXml, paints);
    }

    // Text, images and instances go back as the element they came from,
    // with the transform that maps its own y-down space into its parent's.
    void opaque(const Art& a, const TvRealMatrix& space, int depth)
    {
        const TvRealMatrix own = concatMatrix(kFlipLocal, a.matrix);
        const TvRealMatrix toParent = concatMatrix(own, invertMatrix(space).value_or(page_));
        const std::string painted = a.type == ArtType::Text ? textPaints(a) : std::string();
        const std::string_view source = painted.empty() ? std::string_view(a.sourceXml) : painted;
        xml_.indent(depth);
        if (source.size() > 1 && source.front() == '<') {
            // The source has neither id nor transform: both go in after its name.
            const size_t nameEnd = source.find_first_of(" \t\r\n/>");
            xml_.raw(source.substr(0, nameEnd));
            if (const std::string_view id = Source::name(a); !id.empty())
                xml_.attribute("id", id);
            xml_.matrixAttribute("transform", toParent);
            xml_.raw(source.substr(nameEnd));
            xml_.raw("\n");
            return;
        }
        if (a.type == ArtType::Text) {
            // Made elsewhere: write the content on the bounds' baseline.
            const float size = a.bounds.top - a.bounds.bottom;
            open("text", a, depth);
            xml_.matrixAttribute("transform", toParent);
            xml_.numberAttribute("x", a.bounds.left);
            xml_.numberAttribute("y", -(a.bounds.bottom + 0.2f * size));
            xml_.numberAttribute("font-size", size);
            kept(a.attributes, style(a.style, a.fillPaint, a.strokePaint, 1, false));
            xml_.raw(">");
            xml_.escaped(a.content);
            xml_.raw("</text>\n");
            return;
        }
        open(a.type == ArtType::Instance ? "use" : "image", a, depth);
        xml_.matrixAttribute("transform", toParent);
        if (a.type == ArtType::PlacedImage) {
            xml_.numberAttribute("x", a.bounds.left);
            xml_.numberAttribute("y", -a.bounds.top);
            xml_.numberAttribute("width", a.bounds.right - a.bounds.left);
            xml_.numberAttribute("height", a.bounds.top - a.bounds.bottom);
        }
        xml_.attribute("xlink:href", a.content);
        kept(a.attributes);
        xml_.raw("/>\n");
    }

    const Source& source_;
    std::string& out_;
    XmlWriter xml_;
    TvRealMatrix page_;
    std::vector<char> partRoom_;
    StyleMemo lastStyle_;
};

void root(XmlWriter& xml, const DocumentData& doc)
{
    xml.raw("<svg");
    const std::vector<Attribute>& kept = doc.rootAttributes;
    for (const char* ns : {"xmlns", "xmlns:xlink", "xmlns:inkscape", "xmlns:sodipodi"}) {
        static const std::pair<const char*, const char*> uris[] = {
            {"xmlns", "http://www.w3.org/2000/svg"},
            {"xmlns:xlink", "http://www.w3.org/1999/xlink"},
            {"xmlns:inkscape", "http://www.inkscape.org/namespaces/inkscape"},
            {"xmlns:sodipodi", "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd"}};
        if (!findAttribute(kept, ns))
            for (const auto& [name, uri] : uris)
                if (std::string_view(name) == ns)
                    xml.attribute(name, uri);
    }
    // The page's size as the source file gave it. The document's unit is
    // the SVG user unit (a CSS px, 96 per inch), so a document made here
    // gets its size without a unit; the viewBox keeps them equal.
    for (const char* side : {"width", "height"}) {
        const float size = side[0] == 'w' ? doc.width : doc.height;
        if (!findAttribute(kept, side))
            xml.numberAttribute(side, size);
    }
    for (const Attribute& a : kept)
        xml.attribute(a.name, a.value);
    xml.raw(" viewBox=\"0 0 ");
    xml.number(doc.width);
    xml.raw(" ");
    xml.number(doc.height);
    xml.raw("\">\n");
}

void definitions(XmlWriter& xml, const DocumentData& doc)
{
    if (!doc.definitions.empty()) {
        xml.raw(doc.definitions);
        xml.raw("\n");
    }
    if (doc.derivedPaints.empty())
        return;
    xml.raw("<defs>\n");
    for (const DerivedPaint& d : doc.derivedPaints) {
        xml.indent(1);
        xml.raw("<");
        xml.raw(d.element);
        xml.attribute("id", d.id);
        xml.attribute("xlink:href", "#" + d.base);
        xml.matrixAttribute(d.element == "pattern" ? "patternTransform" : "gradientTransform", d.transform);
        xml.raw("/>\n");
    }
    xml.raw("</defs>\n");
}

template <class Source> void exportDocument(const Source& source, TextOutput& out)
{
    const DocumentData& doc = source.header();
    XmlWriter xml(out.text());
    xml.raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    root(xml, doc);
    definitions(xml, doc);
    Exporter<Source> exporter(source, out.text());
    for (size_t i = 0; i < doc.layers.size(); ++i) {
        const LayerData& l = doc.layers[i];
        xml.raw("  <g inkscape:groupmode=\"layer\"");
        xml.attribute("inkscape:label", l.name);
        if (!l.visible)
            xml.attribute("style", "display:none");
        if (l.locked)
            xml.attribute("sodipodi:insensitive", "true");
        if (source.layerEmpty(i)) {
            xml.raw("/>\n");
            continue;
        }
        xml.raw(">\n");
        source.forEachLayerArt(i, [&](const typename Source::Art& a) {
            exporter.art(a, 2);
            out.pass();
        });
        xml.raw("  </g>\n");
    }
    xml.raw("</svg>\n");
    out.finish();
}

} // namespace

std::string writeSvg(const DocumentData& doc)
{
    std::string text;
    TextOutput out(text, nullptr);
    exportDocument(PlainArtSource(doc), out);
    return text;
}

std::string writeSvg(const Document& doc)
{
    std::string text;
    TextOutput out(text, nullptr);
    exportDocument(LiveArtSource(doc), out);
    return text;
}

std::string writeSvgRun(const Document& doc, const DocumentData& page, std::span<const ArtId> art)
{
    if (page.layers.size() != 1)
        throw std::invalid_argument("a run of art is written as a page of one layer");
    std::string text;
    TextOutput out(text, nullptr);
    exportDocument(LiveRunSource(doc, page, art), out);
    return text;
}

void writeSvg(const Document& doc, const TextDrain& drain)
{
    std::string buffer;
    TextOutput out(buffer, &drain);
    exportDocument(LiveArtSource(doc), out);
}

} // namespace tovrins::host
