#include "svg_render.hpp"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include <cairo.h>
#include <librsvg/rsvg.h>

namespace tovrins::testing {

namespace {

struct HandleFree {
    void operator()(RsvgHandle* h) const { g_object_unref(h); }
};
struct SurfaceFree {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextFree {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};

std::string takeMessage(GError* error, const char* fallback)
{
    std::string message = error ? error->message : fallback;
    if (error)
        g_error_free(error);
    return message;
}

std::unique_ptr<RsvgHandle, HandleFree> openHandle(std::string_view svg, const std::string& baseFile)
{
    GError* error = nullptr;
    std::unique_ptr<GInputStream, decltype(&g_object_unref)> stream(
        g_memory_input_stream_new_from_data(svg.data(), static_cast<gssize>(svg.size()), nullptr), g_object_unref);
    std::unique_ptr<GFile, decltype(&g_object_unref)> base(
        baseFile.empty() ? nullptr : g_file_new_for_path(baseFile.c_str()), g_object_unref);
    RsvgHandle* handle = rsvg_handle_new_from_stream_sync(static_cast<GInputStream*>(stream.get()), base.get(),
                                                          RSVG_HANDLE_FLAGS_NONE, nullptr, &error);
    if (!handle)
        throw std::runtime_error("librsvg cannot read the SVG: " + takeMessage(error, "unknown error"));
    // Browsers take 96 pixels an inch; librsvg's default is 90.
    rsvg_handle_set_dpi(handle, 96);
    return std::unique_ptr<RsvgHandle, HandleFree>(handle);
}

// Cairo's premultiplied native-endian ARGB to straight RGBA.
std::vector<uint8_t> straightRgba(cairo_surface_t* surface, int width, int height)
{
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            uint8_t* out = &rgba[(static_cast<size_t>(y) * width + x) * 4];
            for (int c = 0; c < 3; ++c) {
                const uint32_t premultiplied = (p >> (16 - 8 * c)) & 0xff;
                out[c] = a ? static_cast<uint8_t>(std::min<uint32_t>(255, (premultiplied * 255 + a / 2) / a)) : 0;
            }
            out[3] = static_cast<uint8_t>(a);
        }
    }
    return rgba;
}

} // namespace

RenderedImage renderSvg(std::string_view svg, int width, int height, const std::string& baseFile)
{
    if (width <= 0 || height <= 0)
        throw std::runtime_error("cannot render to an image of " + std::to_string(width) + " x " +
                                 std::to_string(height) + " pixels");
    auto handle = openHandle(svg, baseFile);
    std::unique_ptr<cairo_surface_t, SurfaceFree> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    std::unique_ptr<cairo_t, ContextFree> cr(cairo_create(surface.get()));
    const RsvgRectangle viewport{0, 0, static_cast<double>(width), static_cast<double>(height)};
    GError* error = nullptr;
    if (!rsvg_handle_render_document(handle.get(), cr.get(), &viewport, &error))
        throw std::runtime_error("librsvg cannot draw the SVG: " + takeMessage(error, "unknown error"));
    cairo_surface_flush(surface.get());
    return {width, height, straightRgba(surface.get(), width, height)};
}

std::optional<SvgPixelSize> intrinsicPixelSize(std::string_view svg, const std::string& baseFile)
{
    try {
        auto handle = openHandle(svg, baseFile);
        SvgPixelSize size;
        if (!rsvg_handle_get_intrinsic_size_in_pixels(handle.get(), &size.width, &size.height))
            return std::nullopt;
        return size;
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

double differingFraction(const RenderedImage& a, const RenderedImage& b, int threshold)
{
    if (a.width != b.width || a.height != b.height || a.rgba.size() != b.rgba.size())
        return 1.0;
    const size_t pixels = a.rgba.size() / 4;
    if (pixels == 0)
        return 0.0;
    size_t differing = 0;
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t* p = &a.rgba[i * 4];
        const uint8_t* q = &b.rgba[i * 4];
        bool differs = std::abs(p[3] - q[3]) > threshold;
        for (int c = 0; c < 3 && !differs; ++c)
            differs = std::abs(p[c] * p[3] / 255 - q[c] * q[3] / 255) > threshold;
        differing += differs ? 1 : 0;
    }
    return static_cast<double>(differing) / static_cast<double>(pixels);
}

} // namespace tovrins::testing
