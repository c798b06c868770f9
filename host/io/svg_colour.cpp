#include "svg_colour.hpp"
#include "svg_attributes.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace tovrins::host {

namespace {

struct Named {
    std::string_view name;
    uint32_t rgb;
};

// The sixteen basic colours and the common extended ones.
constexpr std::array kNamed = {
    Named{"black", 0x000000}, Named{"silver", 0xc0c0c0}, Named{"gray", 0x808080},
    Named{"grey", 0x808080}, Named{"white", 0xffffff}, Named{"maroon", 0x800000},
    Named{"red", 0xff0000}, Named{"purple", 0x800080}, Named{"fuchsia", 0xff00ff},
    Named{"magenta", 0xff00ff}, Named{"green", 0x008000}, Named{"lime", 0x00ff00},
    Named{"olive", 0x808000}, Named{"yellow", 0xffff00}, Named{"navy", 0x000080},
    Named{"blue", 0x0000ff}, Named{"teal", 0x008080}, Named{"aqua", 0x00ffff},
    Named{"cyan", 0x00ffff}, Named{"orange", 0xffa500}, Named{"pink", 0xffc0cb},
    Named{"brown", 0xa52a2a}, Named{"gold", 0xffd700}, Named{"indigo", 0x4b0082},
    Named{"violet", 0xee82ee}, Named{"darkgray", 0xa9a9a9}, Named{"darkgrey", 0xa9a9a9},
    Named{"lightgray", 0xd3d3d3}, Named{"lightgrey", 0xd3d3d3}, Named{"darkred", 0x8b0000},
    Named{"darkgreen", 0x006400}, Named{"darkblue", 0x00008b}, Named{"lightblue", 0xadd8e6},
    Named{"skyblue", 0x87ceeb}, Named{"steelblue", 0x4682b4}, Named{"crimson", 0xdc143c},
    Named{"coral", 0xff7f50}, Named{"salmon", 0xfa8072}, Named{"tomato", 0xff6347},
    Named{"khaki", 0xf0e68c}, Named{"beige", 0xf5f5dc}, Named{"tan", 0xd2b48c},
    Named{"chocolate", 0xd2691e}, Named{"orchid", 0xda70d6}, Named{"plum", 0xdda0dd},
    Named{"turquoise", 0x40e0d0}, Named{"lightgreen", 0x90ee90}, Named{"darkorange", 0xff8c00},
};

using svg::trim;

TvColor rgb(double r, double g, double b)
{
    return {TV_COLOR_RGB, {static_cast<float>(r), static_cast<float>(g), static_cast<float>(b), 0}};
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The comma-separated arguments of "name(a, b, c)"; a trailing % divides by
// 100 and marks the value in `percent`.
std::optional<std::vector<double>> arguments(std::string_view inner, std::vector<bool>& percent)
{
    std::vector<double> out;
    while (true) {
        inner = trim(inner);
        if (inner.empty())
            break;
        double v = 0;
        auto res = std::from_chars(inner.data(), inner.data() + inner.size(), v);
        if (res.ec != std::errc() || !std::isfinite(v))
            return std::nullopt;
        inner.remove_prefix(static_cast<size_t>(res.ptr - inner.data()));
        bool pc = !inner.empty() && inner.front() == '%';
        if (pc)
            inner.remove_prefix(1);
        out.push_back(pc ? v / 100 : v);
        percent.push_back(pc);
        inner = trim(inner);
        if (!inner.empty() && inner.front() == ',')
            inner.remove_prefix(1);
    }
    return out;
}

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

} // namespace

std::optional<TvColor> parseSvgPaint(std::string_view value)
{
    std::string v(trim(value));
    std::transform(v.begin(), v.end(), v.begin(), [](unsigned char c) { return std::tolower(c); });
    if (v == "none" || v == "transparent")
        return TvColor{TV_COLOR_NONE, {0, 0, 0, 0}};
    if (!v.empty() && v[0] == '#') {
        std::string_view h = std::string_view(v).substr(1);
        if (!std::all_of(h.begin(), h.end(), [](char c) { return hexDigit(c) >= 0; }))
            return std::nullopt;
        if (h.size() == 3)
            return rgb(hexDigit(h[0]) * 17 / 255.0, hexDigit(h[1]) * 17 / 255.0, hexDigit(h[2]) * 17 / 255.0);
        if (h.size() == 6)
            return rgb((hexDigit(h[0]) * 16 + hexDigit(h[1])) / 255.0, (hexDigit(h[2]) * 16 + hexDigit(h[3])) / 255.0,
                       (hexDigit(h[4]) * 16 + hexDigit(h[5])) / 255.0);
        return std::nullopt;
    }
    const auto open = v.find('(');
    if (open != std::string::npos && v.back() == ')') {
        const std::string_view name = trim(std::string_view(v).substr(0, open));
        std::vector<bool> percent;
        auto args = arguments(std::string_view(v).substr(open + 1, v.size() - open - 2), percent);
        if (!args)
            return std::nullopt;
        if (name == "rgb" && args->size() == 3) {
            double c[3];
            for (int i = 0; i < 3; ++i)
                c[i] = clamp01(percent[i] ? (*args)[i] : (*args)[i] / 255);
            return rgb(c[0], c[1], c[2]);
        }
        if (name == "device-cmyk" && args->size() == 4) {
            TvColor c{TV_COLOR_PROCESS, {}};
            for (int i = 0; i < 4; ++i)
                c.components[i] = static_cast<float>(clamp01((*args)[i]));
            return c;
        }
        return std::nullopt;
    }
    for (const Named& n : kNamed)
        if (n.name == v)
            return rgb(((n.rgb >> 16) & 0xff) / 255.0, ((n.rgb >> 8) & 0xff) / 255.0, (n.rgb & 0xff) / 255.0);
    return std::nullopt;
}

std::string svgPaint(const TvColor& c)
{
    auto byte = [](float v) { return static_cast<int>(std::lround(clamp01(std::isfinite(v) ? v : 0) * 255)); };
    char buf[96];
    switch (c.kind) {
    case TV_COLOR_RGB:
        std::snprintf(buf, sizeof buf, "#%02x%02x%02x", byte(c.components[0]), byte(c.components[1]),
                      byte(c.components[2]));
        return buf;
    case TV_COLOR_GRAY: {
        const int g = byte(c.components[0]);
        std::snprintf(buf, sizeof buf, "#%02x%02x%02x", g, g, g);
        return buf;
    }
    case TV_COLOR_PROCESS: {
        // The naive conversion, for viewers that ignore device-cmyk().
        const auto& k = c.components;
        const float kk = 1 - static_cast<float>(clamp01(k[3]));
        auto channel = [&](float v) { return byte((1 - static_cast<float>(clamp01(v))) * kk); };
        std::snprintf(buf, sizeof buf, "#%02x%02x%02x", channel(k[0]), channel(k[1]), channel(k[2]));
        return buf;
    }
    default:
        return "none";
    }
}

std::string svgDeviceCmyk(const TvColor& c)
{
    if (c.kind != TV_COLOR_PROCESS)
        return {};
    char buf[96];
    const auto& k = c.components;
    std::snprintf(buf, sizeof buf, "device-cmyk(%.9g, %.9g, %.9g, %.9g)", static_cast<double>(k[0]),
                  static_cast<double>(k[1]), static_cast<double>(k[2]), static_cast<double>(k[3]));
    return buf;
}

} // namespace tovrins::host
