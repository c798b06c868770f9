#include "host/io/svg_colour.hpp"
#include "host/io/css_colour_keywords.hpp"
#include "host/io/svg_attributes.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace tovrins::host {

namespace {

using svg::trim;

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

CssColour rgb(double r, double g, double b, double alpha = 1)
{
    return {{TV_COLOR_RGB,
             {static_cast<float>(clamp01(r)), static_cast<float>(clamp01(g)), static_cast<float>(clamp01(b)), 0}},
            static_cast<float>(clamp01(alpha)),
            false};
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// #RGB, #RGBA, #RRGGBB, #RRGGBBAA (already in lower case, without the #).
std::optional<CssColour> hexColour(std::string_view h)
{
    if (!std::all_of(h.begin(), h.end(), [](char c) { return hexDigit(c) >= 0; }))
        return std::nullopt;
    const bool shortForm = h.size() == 3 || h.size() == 4;
    if (!shortForm && h.size() != 6 && h.size() != 8)
        return std::nullopt;
    double channel[4] = {0, 0, 0, 1};
    for (size_t i = 0; i < h.size() / (shortForm ? 1 : 2); ++i)
        channel[i] =
            shortForm ? hexDigit(h[i]) * 17 / 255.0 : (hexDigit(h[2 * i]) * 16 + hexDigit(h[2 * i + 1])) / 255.0;
    return rgb(channel[0], channel[1], channel[2], channel[3]);
}

// One component of a colour function: a number with "%" or a unit, or "none".
struct Component {
    double value = 0;
    std::string_view unit;
    bool none = false;
    bool percent() const { return unit == "%"; }
};

// The components of "name(...)": legacy "a, b, c[, alpha]" or modern
// "a b c[ / alpha]". `alpha` is empty when none was given.
struct Arguments {
    std::vector<Component> channels;
    std::optional<Component> alpha;
    bool legacy = false;
};

std::optional<Component> component(std::string_view& s)
{
    s = trim(s);
    if (s.starts_with("none")) {
        s.remove_prefix(4);
        return Component{0, {}, true};
    }
    if (s.starts_with('+'))
        s.remove_prefix(1);
    Component c;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), c.value);
    if (res.ec != std::errc() || !std::isfinite(c.value))
        return std::nullopt;
    s.remove_prefix(static_cast<size_t>(res.ptr - s.data()));
    size_t unit = 0;
    if (!s.empty() && s.front() == '%')
        unit = 1;
    else
        while (unit < s.size() && std::isalpha(static_cast<unsigned char>(s[unit])))
            ++unit;
    c.unit = s.substr(0, unit);
    s.remove_prefix(unit);
    return c;
}

// `channels`: how many come before the alpha.
std::optional<Arguments> arguments(std::string_view s, size_t channels)
{
    Arguments out;
    out.legacy = s.find(',') != std::string_view::npos;
    bool slash = false;
    while (!trim(s).empty()) {
        auto c = component(s);
        if (!c)
            return std::nullopt;
        if (slash) {
            if (out.alpha)
                return std::nullopt;
            out.alpha = c;
        } else {
            out.channels.push_back(*c);
        }
        s = trim(s);
        if (s.empty())
            break;
        const char sep = s.front();
        if ((out.legacy && sep != ',') || (!out.legacy && sep == ',') || (sep == '/' && slash))
            return std::nullopt;
        if (sep == ',' || sep == '/') {
            slash = slash || sep == '/';
            s.remove_prefix(1);
            if (trim(s).empty())
                return std::nullopt; // a separator with nothing after it
        }
    }
    // The legacy syntax gives alpha as a fourth argument and knows no "none".
    if (out.legacy) {
        if (out.channels.size() == channels + 1) {
            out.alpha = out.channels.back();
            out.channels.pop_back();
        }
        const auto none = [](const Component& c) { return c.none; };
        if (std::any_of(out.channels.begin(), out.channels.end(), none) || (out.alpha && out.alpha->none))
            return std::nullopt;
    }
    return out;
}

std::optional<double> alphaOf(const Arguments& a)
{
    if (!a.alpha)
        return 1.0;
    if (!a.alpha->unit.empty() && !a.alpha->percent())
        return std::nullopt;
    return clamp01(a.alpha->percent() ? a.alpha->value / 100 : a.alpha->value);
}

// rgb() channels are numbers of 0 to 255 or percentages; the legacy syntax
// wants them all of one kind, the modern one mixes them (browsers agree).
std::optional<CssColour> rgbFunction(const Arguments& a)
{
    if (a.channels.size() != 3)
        return std::nullopt;
    double c[3];
    for (int i = 0; i < 3; ++i) {
        const Component& k = a.channels[i];
        if (!k.unit.empty() && !k.percent())
            return std::nullopt;
        if (a.legacy && k.percent() != a.channels[0].percent())
            return std::nullopt;
        c[i] = k.percent() ? k.value / 100 : k.value / 255;
    }
    const auto alpha = alphaOf(a);
    if (!alpha)
        return std::nullopt;
    return rgb(c[0], c[1], c[2], *alpha);
}

std::optional<double> hueDegrees(const Component& h)
{
    if (h.unit.empty() || h.unit == "deg")
        return h.value;
    if (h.unit == "rad")
        return h.value * 180 / 3.14159265358979323846;
    if (h.unit == "grad")
        return h.value * 0.9;
    if (h.unit == "turn")
        return h.value * 360;
    return std::nullopt;
}

// hsl(): the hue wraps around the circle; saturation and lightness are
// percentages (plain numbers count as percentages in the modern syntax).
std::optional<CssColour> hslFunction(const Arguments& a)
{
    if (a.channels.size() != 3)
        return std::nullopt;
    auto hue = hueDegrees(a.channels[0]);
    if (!hue)
        return std::nullopt;
    double sl[2];
    for (int i = 0; i < 2; ++i) {
        const Component& k = a.channels[i + 1];
        if (!(k.percent() || (k.unit.empty() && !a.legacy)))
            return std::nullopt;
        sl[i] = clamp01(k.value / 100);
    }
    const auto alpha = alphaOf(a);
    if (!alpha)
        return std::nullopt;
    const double h = std::fmod(std::fmod(*hue, 360) + 360, 360) / 360;
    auto channel = [&](double n) {
        const double k = std::fmod(n + h * 12, 12);
        const double amount = sl[0] * std::min(sl[1], 1 - sl[1]);
        return sl[1] - amount * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return rgb(channel(0), channel(8), channel(4), *alpha);
}

// device-cmyk(): four numbers of 0 to 1 or percentages.
std::optional<CssColour> cmykFunction(const Arguments& a)
{
    if (a.channels.size() != 4)
        return std::nullopt;
    CssColour out;
    out.colour.kind = TV_COLOR_PROCESS;
    for (int i = 0; i < 4; ++i) {
        const Component& k = a.channels[i];
        if (!k.unit.empty() && !k.percent())
            return std::nullopt;
        out.colour.components[i] = static_cast<float>(clamp01(k.percent() ? k.value / 100 : k.value));
    }
    const auto alpha = alphaOf(a);
    if (!alpha)
        return std::nullopt;
    out.alpha = static_cast<float>(*alpha);
    return out;
}

std::optional<CssColour> colourFunction(std::string_view v)
{
    const size_t open = v.find('(');
    if (open == std::string_view::npos || !v.ends_with(')'))
        return std::nullopt;
    const std::string_view name = v.substr(0, open);
    const auto args = arguments(v.substr(open + 1, v.size() - open - 2), name == "device-cmyk" ? 4 : 3);
    if (!args)
        return std::nullopt;
    if (name == "rgb" || name == "rgba")
        return rgbFunction(*args);
    if (name == "hsl" || name == "hsla")
        return hslFunction(*args);
    if (name == "device-cmyk")
        return cmykFunction(*args);
    return std::nullopt;
}

} // namespace

std::optional<CssColour> parseCssColour(std::string_view text)
{
    // CSS keywords, function names and hex digits ignore ASCII case.
    std::string v(trim(text));
    std::transform(v.begin(), v.end(), v.begin(), [](unsigned char c) { return std::tolower(c); });
    if (v == "currentcolor")
        return CssColour{{TV_COLOR_RGB, {0, 0, 0, 0}}, 1, true};
    if (v == "transparent")
        return rgb(0, 0, 0, 0);
    if (v.starts_with('#'))
        return hexColour(std::string_view(v).substr(1));
    if (v.find('(') != std::string::npos)
        return colourFunction(v);
    if (auto rgbValue = cssColourKeyword(v))
        return rgb(((*rgbValue >> 16) & 0xff) / 255.0, ((*rgbValue >> 8) & 0xff) / 255.0, (*rgbValue & 0xff) / 255.0);
    return std::nullopt;
}

std::optional<TvColor> parseSvgPaint(std::string_view value)
{
    const std::string_view v = trim(value);
    if (v.size() == 4 && std::equal(v.begin(), v.end(), "none", [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        }))
        return TvColor{TV_COLOR_NONE, {0, 0, 0, 0}};
    const auto c = parseCssColour(v);
    if (!c || c->currentColor)
        return std::nullopt;
    if (c->alpha == 0)
        return TvColor{TV_COLOR_NONE, {0, 0, 0, 0}};
    return c->colour;
}
namespace {

// "#rrggbb", without printf: export writes one for every path.
std::string hexColour(int r, int g, int b)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text = "#";
    for (const int v : {r, g, b}) {
        text += kDigits[(v >> 4) & 15];
        text += kDigits[v & 15];
    }
    return text;
}

} // namespace

std::optional<ColourBytes> paintBytes(const TvColor& c)
{
    auto byte = [](float v) { return static_cast<int>(std::lround(clamp01(std::isfinite(v) ? v : 0) * 255)); };
    switch (c.kind) {
    case TV_COLOR_RGB: return ColourBytes{byte(c.components[0]), byte(c.components[1]), byte(c.components[2])};
    case TV_COLOR_GRAY: {
        const int g = byte(c.components[0]);
        return ColourBytes{g, g, g};
    }
    case TV_COLOR_PROCESS: {
        // The naive conversion, for viewers that ignore device-cmyk().
        const auto& k = c.components;
        const float kk = 1 - static_cast<float>(clamp01(k[3]));
        auto channel = [&](float v) { return byte((1 - static_cast<float>(clamp01(v))) * kk); };
        return ColourBytes{channel(k[0]), channel(k[1]), channel(k[2])};
    }
    default: return std::nullopt;
    }
}

std::string svgPaint(const TvColor& c)
{
    const std::optional<ColourBytes> bytes = paintBytes(c);
    return bytes ? hexColour(bytes->red, bytes->green, bytes->blue) : "none";
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
