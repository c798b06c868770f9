// The direct drawing follows, step for step, what librsvg does with the
// elements our SVG export writes: the same path commands in the same user
// space (straight segments as lines, the rest as curves, closed with a
// close-path), the same colours rounded to bytes, opacity as a group painted
// with that alpha.
#include "host/io/png_direct.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "host/document/geometry.hpp"
#include "host/document/paint_servers.hpp"
#include "host/io/art_source.hpp"
#include "host/io/png_look.hpp"
#include "host/io/svg_colour.hpp"

namespace tovrins::host {

namespace {

float scaleOf(const TvRealMatrix& m) { return std::sqrt(std::fabs(m.a * m.d - m.b * m.c)); }

// A solid paint as the export spells it, "#rrggbb" or none.
struct Solid {
    bool none = true;
    double red = 0, green = 0, blue = 0;
};

// The export's bytes (process colour converted, as librsvg ignores
// device-cmyk()); nullopt when librsvg draws the paint from elsewhere: a
// gradient or pattern the document names.
std::optional<Solid> solidPaint(const TvColor& c, const std::string& server)
{
    if (const std::optional<ColourBytes> b = paintBytes(c))
        return Solid{false, b->red / 255.0, b->green / 255.0, b->blue / 255.0};
    if (isPaintServerKind(c.kind) && !server.empty())
        return std::nullopt;
    return Solid{};
}

// librsvg takes a paint's opacity into its colour's alpha byte.
double alphaByte(double opacity) { return std::round(opacity * 255) / 255; }

// The stroke width the export writes, in the user space the path is drawn in.
float strokeWidthIn(const TvPathStyle& s, float spaceScale)
{
    return spaceScale > 0 ? s.strokeWidth / spaceScale : s.strokeWidth;
}

double unitOpacity(float opacity) { return std::clamp(static_cast<double>(opacity), 0.0, 1.0); }

// Root attributes that change nothing drawn: the namespaces, the page's size
// as the file gave it (the viewBox maps the page), version, id.
bool plainRootAttribute(const Attribute& a)
{
    const std::string_view n = a.name;
    if (n == "width" || n == "height") {
        const double v = std::strtod(a.value.c_str(), nullptr);
        return std::isfinite(v) && v > 0;
    }
    return n == "xmlns" || n == "version" || n == "id" || n == "baseProfile" ||
        (n.find(':') != std::string_view::npos && !n.starts_with("xml:"));
}

// Walks the document as the export writes it: each element in the user
// space its parent set up, with the properties it inherits.
template <class Source> class DirectRoute {
public:
    using Art = typename Source::Art;

    explicit DirectRoute(const Source& source) : source_(source), page_{1, 0, 0, -1, 0, source.header().height} { }

    bool drawable() const
    {
        const DocumentData& doc = source_.header();
        // A style sheet may restyle any element.
        if (doc.definitions.find("style") != std::string::npos)
            return false;
        if (!std::all_of(doc.rootAttributes.begin(), doc.rootAttributes.end(), plainRootAttribute))
            return false;
        bool ok = true;
        forEachVisibleArt([&](const Art& a) { ok = ok && drawable(a, page_, InheritedLook{}, 2); });
        return ok;
    }

    void draw(cairo_t* cr, double scale)
    {
        cr_ = cr;
        const DocumentData& doc = source_.header();
        // The root viewport, as librsvg fits the viewBox into it: centred,
        // its aspect kept. librsvg draws up to the image's whole pixels, not
        // only on the page's fraction of the last ones.
        const double width = doc.width * scale, height = doc.height * scale;
        const double fit = std::min(width / doc.width, height / doc.height);
        cairo_matrix_init(&viewport_, fit, 0, 0, fit, (width - doc.width * fit) / 2, (height - doc.height * fit) / 2);
        cairo_save(cr);
        const InheritedLook initial;
        forEachVisibleArt([&](const Art& a) { art(a, page_, false, initial); });
        cairo_restore(cr);
    }

private:
    template <class F> void forEachVisibleArt(F&& visit) const
    {
        const DocumentData& doc = source_.header();
        for (size_t i = 0; i < doc.layers.size(); ++i)
            if (doc.layers[i].visible)
                source_.forEachLayerArt(i, visit);
    }

    // The user space an element is written in: its own when it has one and
    // its parent's can be undone, its parent's otherwise.
    static TvRealMatrix inside(const std::optional<TvRealMatrix>& own, const TvRealMatrix& parent)
    {
        return own && invertMatrix(parent) ? *own : parent;
    }
    const Art& lookOf(const Art& a) const
    {
        const Art* first = a.type == ArtType::CompoundPath ? source_.firstChild(a) : nullptr;
        return first ? *first : a;
    }
    TvRealMatrix toLocal(const TvRealMatrix& space) const
    {
        return invertMatrix(space).value_or(TvRealMatrix{1, 0, 0, -1, 0, page_.ty});
    }

    bool drawable(const Art& a, const TvRealMatrix& space, const InheritedLook& inherited, int depth) const
    {
        if (depth > kMaxArtDepth + 2 || !std::isfinite(a.style.opacity))
            return false;
        const std::optional<InheritedLook> own = withKeptAttributes(inherited, a.attributes);
        if (!own)
            return false;
        if (a.type == ArtType::Group) {
            const TvRealMatrix in = inside(a.space, space);
            bool ok = invertMatrix(in).has_value();
            source_.forEachChild(a, [&](const Art& c) { ok = ok && drawable(c, in, *own, depth + 1); });
            return ok;
        }
        if (a.type != ArtType::Path && a.type != ArtType::CompoundPath)
            return false;
        const Art& l = lookOf(a);
        const TvRealMatrix in = inside(l.space ? l.space : a.space, space);
        const float width = strokeWidthIn(a.style, scaleOf(in));
        // A space that cannot be undone is one librsvg draws nothing in.
        if (!solidPaint(a.style.fill, l.fillPaint) || !solidPaint(a.style.stroke, l.strokePaint) ||
            !std::isfinite(width) || width < 0 || !invertMatrix(in))
            return false;
        // Points the export would spell as "inf" or "nan".
        const TvRealMatrix local = toLocal(in);
        bool finite = true;
        forEachPart(a, [&](std::span<const Segment> segments, bool) {
            for (const Segment& s : segments)
                for (TvRealPoint p : {s.p, s.in, s.out}) {
                    const TvRealPoint q = transformPoint(local, p);
                    finite = finite && std::isfinite(q.h) && std::isfinite(q.v);
                }
        });
        return finite;
    }

    template <class F> void forEachPart(const Art& a, F&& visit) const
    {
        if (a.type == ArtType::Path)
            visit(Source::segments(a), a.closed);
        source_.forEachChild(a, [&](const Art& c) { visit(Source::segments(c), c.closed); });
    }

    // `visit` with the properties `a` draws with: those it inherits, with
    // its kept attributes applied (copied only when it has some).
    template <class F> static void withLook(const Art& a, const InheritedLook& inherited, F&& visit)
    {
        if (a.attributes.empty())
            visit(inherited);
        else
            visit(*withKeptAttributes(inherited, a.attributes));
    }

    void art(const Art& a, const TvRealMatrix& space, bool ownSpace, const InheritedLook& inherited)
    {
        withLook(a, inherited, [&](const InheritedLook& look) { artWith(a, space, ownSpace, look); });
    }

    void artWith(const Art& a, const TvRealMatrix& space, bool ownSpace, const InheritedLook& look)
    {
        const double opacity = unitOpacity(a.style.opacity);
        if (opacity == 0)
            return; // a group painted with alpha 0 changes no pixel
        if (opacity >= 1) {
            drawArt(a, space, ownSpace, look);
            return;
        }
        // The group for the opacity spans only the pixels the art can change.
        cairo_save(cr_);
        cairo_new_path(cr_);
        clipToOutline(outline(a, space, ownSpace, look));
        withOpacity(opacity, [&] { drawArt(a, space, ownSpace, look); });
        cairo_restore(cr_);
    }

    void drawArt(const Art& a, const TvRealMatrix& space, bool ownSpace, const InheritedLook& look)
    {
        if (a.type == ArtType::Group) {
            const TvRealMatrix in = inside(a.space, space);
            source_.forEachChild(a, [&](const Art& c) { art(c, in, ownSpace || a.space, look); });
            return;
        }
        const PathSpace p = pathSpace(a, space, ownSpace);
        cairo_new_path(cr_);
        if (appendPath(a, p, look)) // d="" draws nothing
            paint(a, lookOf(a), strokeWidthIn(a.style, scaleOf(p.in)), look);
        cairo_new_path(cr_);
    }

    // The user space a path is written in, and whether it is the page's.
    struct PathSpace {
        TvRealMatrix in;
        TvRealMatrix local; // document to that space
        bool own;
    };
    PathSpace pathSpace(const Art& a, const TvRealMatrix& space, bool ownSpace) const
    {
        const Art& l = lookOf(a);
        const std::optional<TvRealMatrix>& own = l.space ? l.space : a.space;
        const TvRealMatrix in = inside(own, space);
        return {in, toLocal(in), ownSpace || own.has_value()};
    }

    // Sets the path's user space and adds its outline to the current path;
    // whether there is one.
    bool appendPath(const Art& a, const PathSpace& p, const InheritedLook& look)
    {
        setUserSpace(p.in, p.own);
        const bool squareCaps = look.lineCap == CAIRO_LINE_CAP_SQUARE;
        forEachPart(a, [&](std::span<const Segment> segments, bool closed) {
            pathData(segments, closed, p.local, squareCaps);
        });
        return cairo_has_current_point(cr_);
    }

    // Adds the outlines of `a` (a path, or every path in a group) to the
    // current path, each in its own space; returns how far, in pixels, their
    // strokes may reach beyond them: half the width, a miter at most the
    // limit times that, a square cap 1.5 times.
    double outline(const Art& a, const TvRealMatrix& space, bool ownSpace, const InheritedLook& look)
    {
        if (a.type == ArtType::Group) {
            const TvRealMatrix in = inside(a.space, space);
            double reach = 0;
            source_.forEachChild(a, [&](const Art& c) {
                withLook(c, look, [&](const InheritedLook& l) {
                    reach = std::max(reach, outline(c, in, ownSpace || a.space, l));
                });
            });
            return reach;
        }
        const PathSpace p = pathSpace(a, space, ownSpace);
        appendPath(a, p, look);
        cairo_matrix_t m;
        cairo_get_matrix(cr_, &m);
        const double stretch = std::sqrt(m.xx * m.xx + m.yx * m.yx + m.xy * m.xy + m.yy * m.yy);
        const double joins = std::max(look.lineJoin == CAIRO_LINE_JOIN_MITER ? look.miterLimit : 1.0, 1.5);
        return strokeWidthIn(a.style, scaleOf(p.in)) / 2.0 * joins * stretch;
    }

    // Clips to whole pixels around the current path and `reach` more, and
    // clears the path.
    void clipToOutline(double reach)
    {
        cairo_identity_matrix(cr_);
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        cairo_path_extents(cr_, &x0, &y0, &x1, &y1); // in pixels: the path is held in them
        cairo_new_path(cr_);
        const double left = std::floor(x0 - reach) - 1, top = std::floor(y0 - reach) - 1;
        cairo_rectangle(cr_, left, top, std::ceil(x1 + reach) + 1 - left, std::ceil(y1 + reach) + 1 - top);
        cairo_clip(cr_);
    }

    // The element's user space: the viewport's, or the space the export
    // writes as its transform.
    void setUserSpace(const TvRealMatrix& in, bool ownSpace)
    {
        if (!ownSpace) {
            cairo_set_matrix(cr_, &viewport_);
            return;
        }
        cairo_matrix_t local, page, ctm;
        cairo_matrix_init(&local, in.a, in.b, in.c, in.d, in.tx, in.ty);
        cairo_matrix_init(&page, 1, 0, 0, -1, 0, page_.ty); // document to SVG, y down
        cairo_matrix_multiply(&ctm, &local, &page);
        cairo_matrix_multiply(&ctm, &ctm, &viewport_);
        cairo_set_matrix(cr_, &ctm);
    }

    // Whether every anchor after the first sits on it, to within cairo's
    // precision (1/256), as librsvg measures it.
    template <class Point> static bool zeroLength(std::span<const Segment> segments, TvRealPoint start, Point&& point)
    {
        return std::all_of(segments.begin() + 1, segments.end(), [&](const Segment& s) {
            const TvRealPoint q = point(s.p);
            return std::fabs(q.h - start.h) <= 1.0 / 256 && std::fabs(q.v - start.v) <= 1.0 / 256;
        });
    }

    void pathData(std::span<const Segment> segments, bool closed, const TvRealMatrix& local, bool squareCaps)
    {
        if (segments.empty())
            return;
        auto point = [&](TvRealPoint p) { return transformPoint(local, p); };
        auto join = [&](const Segment& from, const Segment& to) {
            const TvRealPoint end = point(to.p);
            if (straightBetween(from, to)) {
                cairo_line_to(cr_, end.h, end.v);
                return;
            }
            const TvRealPoint c1 = point(from.out), c2 = point(to.in);
            cairo_curve_to(cr_, c1.h, c1.v, c2.h, c2.v, end.h, end.v);
        };
        const TvRealPoint start = point(segments.front().p);
        if (squareCaps && !closed && zeroLength(segments, start, point)) {
            // librsvg gives a lone point a square cap of its own: a line
            // too short to see, level, ahead of the point.
            constexpr double kHalf = 0.001;
            cairo_move_to(cr_, start.h - kHalf, start.v);
            cairo_line_to(cr_, start.h + kHalf, start.v);
        }
        cairo_move_to(cr_, start.h, start.v);
        forEachJoin(segments, closed, join);
        if (closed)
            cairo_close_path(cr_);
    }

    // Fill and stroke of the current path, in the paint order.
    void paint(const Art& a, const Art& l, float strokeWidth, const InheritedLook& look)
    {
        if (!look.visible)
            return;
        cairo_set_antialias(cr_, look.antialias);
        if (look.strokeFirst) {
            stroke(*solidPaint(a.style.stroke, l.strokePaint), strokeWidth, look);
            fill(*solidPaint(a.style.fill, l.fillPaint), look);
        } else {
            fill(*solidPaint(a.style.fill, l.fillPaint), look);
            stroke(*solidPaint(a.style.stroke, l.strokePaint), strokeWidth, look);
        }
    }

    void fill(const Solid& paint, const InheritedLook& look)
    {
        if (paint.none)
            return;
        cairo_set_fill_rule(cr_, look.fillRule);
        cairo_set_source_rgba(cr_, paint.red, paint.green, paint.blue, alphaByte(look.fillOpacity));
        cairo_fill_preserve(cr_);
    }

    void stroke(const Solid& paint, float width, const InheritedLook& look)
    {
        if (paint.none || width <= 0)
            return;
        cairo_set_line_width(cr_, width);
        cairo_set_miter_limit(cr_, look.miterLimit);
        cairo_set_line_cap(cr_, look.lineCap);
        cairo_set_line_join(cr_, look.lineJoin);
        double dashLength = 0;
        for (double d : look.dashes)
            dashLength += d;
        if (dashLength > 0)
            cairo_set_dash(cr_, look.dashes.data(), static_cast<int>(look.dashes.size()), look.dashOffset);
        else
            cairo_set_dash(cr_, nullptr, 0, 0);
        cairo_set_source_rgba(cr_, paint.red, paint.green, paint.blue, alphaByte(look.strokeOpacity));
        cairo_stroke_preserve(cr_);
    }

    // Draws through a group painted with `opacity`, as librsvg draws an
    // element with opacity below 1.
    template <class F> void withOpacity(double opacity, F&& draw)
    {
        if (opacity >= 1) {
            draw();
            return;
        }
        cairo_push_group(cr_);
        draw();
        cairo_pop_group_to_source(cr_);
        cairo_paint_with_alpha(cr_, opacity);
    }

    const Source& source_;
    TvRealMatrix page_;
    cairo_t* cr_ = nullptr;
    cairo_matrix_t viewport_{};
};

} // namespace

bool drawsDirectly(const Document& doc) { return DirectRoute<LiveArtSource>(LiveArtSource(doc)).drawable(); }
bool drawsDirectly(const DocumentData& doc) { return DirectRoute<PlainArtSource>(PlainArtSource(doc)).drawable(); }

void drawDirectly(cairo_t* cr, const Document& doc, double scale)
{
    const LiveArtSource source(doc);
    DirectRoute<LiveArtSource>(source).draw(cr, scale);
}

void drawDirectly(cairo_t* cr, const DocumentData& doc, double scale)
{
    const PlainArtSource source(doc);
    DirectRoute<PlainArtSource>(source).draw(cr, scale);
}

} // namespace tovrins::host
