#include "host/io/png_render.hpp"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include <cairo.h>
#include <librsvg/rsvg.h>

#include "host/io/png_direct.hpp"
#include "host/io/svg_export.hpp"

namespace tovrins::host {

namespace {

struct SurfaceFree {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextFree {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
struct HandleFree {
    void operator()(RsvgHandle* h) const { g_object_unref(h); }
};

std::string takeMessage(GError* error)
{
    std::string message = error ? error->message : "unknown error";
    if (error)
        g_error_free(error);
    return message;
}

// Draws the exported SVG over the page. The export is read without a base
// file: it refers to nothing outside itself that this host would load
// (images are embedded or skipped, as a browser given the bare text would).
void drawSvg(cairo_t* cr, const std::string& svg, double width, double height, const std::string& path)
{
    GError* error = nullptr;
    std::unique_ptr<RsvgHandle, HandleFree> handle(
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error));
    if (!handle)
        throw std::runtime_error(path + ": the document could not be rendered (" + takeMessage(error) + ").");
    rsvg_handle_set_dpi(handle.get(), 96); // as browsers; librsvg's default is 90
    const RsvgRectangle page{0, 0, width, height};
    if (!rsvg_handle_render_document(handle.get(), cr, &page, &error))
        throw std::runtime_error(path + ": the document could not be rendered (" + takeMessage(error) + ").");
}

void writeInPlace(cairo_surface_t* surface, const std::string& path)
{
    const std::string temp = path + ".partial";
    if (cairo_surface_write_to_png(surface, temp.c_str()) != CAIRO_STATUS_SUCCESS) {
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

} // namespace

namespace {

using Surface = std::unique_ptr<cairo_surface_t, SurfaceFree>;

PngSize checkedSize(float width, float height, double scale, const std::string& name)
{
    const PngSize size = pngSize(width, height, scale);
    if (!(scale > 0) || !pngSizeFits(size))
        throw std::runtime_error(name + ": cannot render a " + std::to_string(size.width) + " x " +
                                 std::to_string(size.height) +
                                 " pixel image; the size must be from 1 to 10000 pixels a side.");
    return size;
}

template <class Doc> PngRoute routeOf(const Doc& doc)
{
    return drawsDirectly(doc) ? PngRoute::Direct : PngRoute::Librsvg;
}

// The white page, the document drawn over it by `route`. The image is the
// page rounded up to whole pixels; the page itself is drawn unrounded, so
// the artwork keeps its scale exactly.
template <class Doc>
Surface render(const Doc& doc, float width, float height, double scale, PngRoute route, const std::string& name)
{
    const PngSize size = checkedSize(width, height, scale, name);
    Surface surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(size.width), static_cast<int>(size.height)));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(name + ": there is not enough memory to render the image.");
    std::unique_ptr<cairo_t, ContextFree> cr(cairo_create(surface.get()));
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    if (route == PngRoute::Direct)
        drawDirectly(cr.get(), doc, scale);
    else
        drawSvg(cr.get(), writeSvg(doc), width * scale, height * scale, name);
    if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(name + ": the document could not be rendered (" +
                                 cairo_status_to_string(cairo_status(cr.get())) + ").");
    cairo_surface_flush(surface.get());
    return surface;
}

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

PngRoute pngRoute(const Document& doc) { return routeOf(doc); }
PngRoute pngRoute(const DocumentData& doc) { return routeOf(doc); }

std::string renderPng(const Document& doc, double scale, PngRoute route)
{
    if (route == PngRoute::Direct && pngRoute(doc) != PngRoute::Direct)
        throw std::invalid_argument("the document holds art only librsvg draws.");
    const auto surface = render(doc, doc.width(), doc.height(), scale, route, "document");
    std::string bytes;
    if (cairo_surface_write_to_png_stream(surface.get(), appendBytes, &bytes) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("the PNG image could not be made.");
    return bytes;
}

std::string renderPng(const Document& doc, double scale) { return renderPng(doc, scale, pngRoute(doc)); }

void writePng(const DocumentData& doc, const std::string& path, double scale)
{
    writeInPlace(render(doc, doc.width, doc.height, scale, routeOf(doc), path).get(), path);
}

void writePng(const Document& doc, const std::string& path, double scale)
{
    writeInPlace(render(doc, doc.width(), doc.height(), scale, routeOf(doc), path).get(), path);
}

} // namespace tovrins::host
