#include "png_render.hpp"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include <cairo.h>

namespace tovrins::host {

namespace {

struct SurfaceFree {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextFree {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};

// Paints as RGB with the naive conversions; false for none and the kinds
// we cannot draw (patterns, gradients, custom colours).
bool setPaint(cairo_t* cr, const TvColor& c, double opacity)
{
    const auto& k = c.components;
    switch (c.kind) {
    case TV_COLOR_RGB:
        cairo_set_source_rgba(cr, k[0], k[1], k[2], opacity);
        return true;
    case TV_COLOR_GRAY:
        cairo_set_source_rgba(cr, k[0], k[0], k[0], opacity);
        return true;
    case TV_COLOR_PROCESS:
        cairo_set_source_rgba(cr, (1 - k[0]) * (1 - k[3]), (1 - k[1]) * (1 - k[3]), (1 - k[2]) * (1 - k[3]),
                              opacity);
        return true;
    default:
        return false;
    }
}

void tracePath(cairo_t* cr, const ArtData& a)
{
    if (a.segments.empty())
        return;
    cairo_move_to(cr, a.segments.front().p.h, a.segments.front().p.v);
    auto curve = [&](const Segment& from, const Segment& to) {
        cairo_curve_to(cr, from.out.h, from.out.v, to.in.h, to.in.v, to.p.h, to.p.v);
    };
    for (size_t i = 1; i < a.segments.size(); ++i)
        curve(a.segments[i - 1], a.segments[i]);
    if (a.closed) {
        curve(a.segments.back(), a.segments.front());
        cairo_close_path(cr);
    }
}

void draw(cairo_t* cr, const ArtData& a)
{
    switch (a.type) {
    case ArtType::Group:
        for (const ArtData& c : a.children)
            draw(cr, c);
        return;
    case ArtType::Text:
    case ArtType::PlacedImage:
        return; // kept opaque; not rendered
    case ArtType::Path:
    case ArtType::CompoundPath:
        break;
    }
    cairo_new_path(cr);
    if (a.type == ArtType::Path)
        tracePath(cr, a);
    for (const ArtData& c : a.children)
        tracePath(cr, c);
    const double opacity = std::isfinite(a.style.opacity) ? a.style.opacity : 1;
    if (setPaint(cr, a.style.fill, opacity))
        cairo_fill_preserve(cr);
    if (a.style.strokeWidth > 0 && setPaint(cr, a.style.stroke, opacity)) {
        cairo_set_line_width(cr, a.style.strokeWidth);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
}

} // namespace

namespace {

std::unique_ptr<cairo_surface_t, SurfaceFree> render(const DocumentData& doc, double scale, const std::string& name)
{
    const PngSize size = pngSize(doc, scale);
    const double w = size.width, h = size.height;
    if (!(scale > 0) || !pngSizeFits(size))
        throw std::runtime_error(name + ": cannot render a " + std::to_string(w) + " x " + std::to_string(h) +
                                 " pixel image; the size must be from 1 to 10000 pixels a side.");
    std::unique_ptr<cairo_surface_t, SurfaceFree> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(w), static_cast<int>(h)));
    std::unique_ptr<cairo_t, ContextFree> cr(cairo_create(surface.get()));
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    // Document y grows upward; the image's grows downward.
    cairo_translate(cr.get(), 0, h);
    cairo_scale(cr.get(), scale, -scale);
    for (const LayerData& l : doc.layers)
        if (l.visible)
            for (const ArtData& a : l.art)
                draw(cr.get(), a);
    cairo_surface_flush(surface.get());
    return surface;
}

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

std::string renderPng(const DocumentData& doc, double scale)
{
    const auto surface = render(doc, scale, "document");
    std::string bytes;
    if (cairo_surface_write_to_png_stream(surface.get(), appendBytes, &bytes) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("the PNG image could not be made.");
    return bytes;
}

void writePng(const DocumentData& doc, const std::string& path, double scale)
{
    const auto surface = render(doc, scale, path);
    const std::string temp = path + ".partial";
    if (cairo_surface_write_to_png(surface.get(), temp.c_str()) != CAIRO_STATUS_SUCCESS) {
        std::remove(temp.c_str());
        throw std::runtime_error(path + ": the PNG file could not be written.");
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::remove(temp.c_str());
        throw std::runtime_error(path + ": the PNG file could not be put in place (" + ec.message() + ").");
    }
}

} // namespace tovrins::host
