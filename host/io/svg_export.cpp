#include "svg_export.hpp"

#include <sstream>

#include <pugixml.hpp>

#include "svg_colour.hpp"
#include "svg_number.hpp"
#include "svg_transform.hpp"

namespace tovrins::host {

namespace {

class Exporter {
public:
    explicit Exporter(const DocumentData& doc) : height_(doc.height) {}

    void art(pugi::xml_node parent, const ArtData& a)
    {
        switch (a.type) {
        case ArtType::Group: {
            pugi::xml_node g = parent.append_child("g");
            id(g, a);
            for (const ArtData& c : a.children)
                art(g, c);
            break;
        }
        case ArtType::Path:
        case ArtType::CompoundPath: {
            pugi::xml_node p = parent.append_child("path");
            id(p, a);
            std::string d;
            if (a.type == ArtType::Path)
                pathData(d, a);
            for (const ArtData& c : a.children)
                pathData(d, c);
            p.append_attribute("d") = d.c_str();
            style(p, a.style, true);
            break;
        }
        case ArtType::Text:
        case ArtType::PlacedImage:
            opaque(parent, a);
            break;
        }
    }

private:
    std::string y(float v) const { return shortest(height_ - v); }

    static void id(pugi::xml_node n, const ArtData& a)
    {
        if (!a.id.empty())
            n.append_attribute("id") = a.id.c_str();
    }

    void pathData(std::string& d, const ArtData& a) const
    {
        if (a.segments.empty())
            return;
        auto pt = [&](TvRealPoint p) { return shortest(p.h) + " " + y(p.v); };
        auto straight = [](TvRealPoint a, TvRealPoint b) { return a.h == b.h && a.v == b.v; };
        auto join = [&](const Segment& from, const Segment& to) {
            if (straight(from.out, from.p) && straight(to.in, to.p))
                d += " L " + pt(to.p);
            else
                d += " C " + pt(from.out) + " " + pt(to.in) + " " + pt(to.p);
        };
        if (!d.empty())
            d += " ";
        d += "M " + pt(a.segments.front().p);
        for (size_t i = 1; i < a.segments.size(); ++i)
            join(a.segments[i - 1], a.segments[i]);
        if (a.closed) {
            const Segment& last = a.segments.back();
            const Segment& first = a.segments.front();
            if (!(straight(last.out, last.p) && straight(first.in, first.p)))
                join(last, first);
            d += " Z";
        }
    }

    static void style(pugi::xml_node n, const TvPathStyle& s, bool withStroke)
    {
        n.append_attribute("fill") = svgPaint(s.fill).c_str();
        std::string css;
        if (const std::string k = svgDeviceCmyk(s.fill); !k.empty())
            css += "fill:" + k + ";";
        if (withStroke) {
            n.append_attribute("stroke") = svgPaint(s.stroke).c_str();
            n.append_attribute("stroke-width") = shortest(s.strokeWidth).c_str();
            if (const std::string k = svgDeviceCmyk(s.stroke); !k.empty())
                css += "stroke:" + k + ";";
        }
        if (s.opacity != 1)
            n.append_attribute("opacity") = shortest(s.opacity).c_str();
        if (!css.empty())
            n.append_attribute("style") = css.c_str();
    }

    // Text and images go back as the element they came from, with the
    // transform that maps its own y-down space into the document.
    void opaque(pugi::xml_node parent, const ArtData& a)
    {
        const TvRealMatrix flipLocal{1, 0, 0, -1, 0, 0};
        const TvRealMatrix flipDoc{1, 0, 0, -1, 0, height_};
        const TvRealMatrix m = thenApply(thenApply(flipLocal, a.matrix), flipDoc);
        pugi::xml_node n;
        pugi::xml_document source;
        if (!a.sourceXml.empty() && source.load_string(a.sourceXml.c_str()) && source.document_element()) {
            n = parent.append_copy(source.document_element());
        } else if (a.type == ArtType::Text) {
            // Made elsewhere: write the content on the bounds' baseline.
            n = parent.append_child("text");
            const float size = a.bounds.top - a.bounds.bottom;
            n.append_attribute("x") = shortest(a.bounds.left).c_str();
            n.append_attribute("y") = shortest(-(a.bounds.bottom + 0.2f * size)).c_str();
            n.append_attribute("font-size") = shortest(size).c_str();
            n.text() = a.content.c_str();
            style(n, a.style, false);
        } else {
            n = parent.append_child("image");
            n.append_attribute("x") = shortest(a.bounds.left).c_str();
            n.append_attribute("y") = shortest(-a.bounds.top).c_str();
            n.append_attribute("width") = shortest(a.bounds.right - a.bounds.left).c_str();
            n.append_attribute("height") = shortest(a.bounds.top - a.bounds.bottom).c_str();
            n.append_attribute("xlink:href") = a.content.c_str();
        }
        n.remove_attribute("id");
        n.remove_attribute("transform");
        if (!a.id.empty())
            n.prepend_attribute("id") = a.id.c_str();
        const std::string t = "matrix(" + shortest(m.a) + " " + shortest(m.b) + " " + shortest(m.c) + " " +
                              shortest(m.d) + " " + shortest(m.tx) + " " + shortest(m.ty) + ")";
        n.append_attribute("transform") = t.c_str();
    }

    float height_;
};

} // namespace

std::string writeSvg(const DocumentData& doc)
{
    pugi::xml_document xml;
    pugi::xml_node decl = xml.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    pugi::xml_node svg = xml.append_child("svg");
    svg.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
    svg.append_attribute("xmlns:xlink") = "http://www.w3.org/1999/xlink";
    svg.append_attribute("xmlns:inkscape") = "http://www.inkscape.org/namespaces/inkscape";
    svg.append_attribute("xmlns:sodipodi") = "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd";
    // The document's unit is the SVG user unit (a CSS px, 96 per inch), so
    // the size is written without a unit; the viewBox keeps them equal.
    svg.append_attribute("width") = shortest(doc.width).c_str();
    svg.append_attribute("height") = shortest(doc.height).c_str();
    svg.append_attribute("viewBox") = ("0 0 " + shortest(doc.width) + " " + shortest(doc.height)).c_str();
    Exporter out(doc);
    for (const LayerData& l : doc.layers) {
        pugi::xml_node g = svg.append_child("g");
        g.append_attribute("inkscape:groupmode") = "layer";
        g.append_attribute("inkscape:label") = l.name.c_str();
        if (!l.visible)
            g.append_attribute("style") = "display:none";
        if (l.locked)
            g.append_attribute("sodipodi:insensitive") = "true";
        for (const ArtData& a : l.art)
            out.art(g, a);
    }
    std::ostringstream text;
    xml.save(text, "  ", pugi::format_default, pugi::encoding_utf8);
    return text.str();
}

} // namespace tovrins::host
