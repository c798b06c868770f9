#include "host/io/png_look.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "host/io/css_parser.hpp"

namespace tovrins::host {

namespace {

// Length of the CSS number at the start of `s` (sign, digits, fraction,
// exponent), 0 when there is none. CSS is stricter than strtod: "5." and
// "0x1" are not numbers, and librsvg turns them down.
size_t cssNumberLength(std::string_view s)
{
    size_t i = 0;
    const auto digits = [&] {
        const size_t from = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i - from;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const size_t whole = digits();
    size_t fraction = 0;
    if (i + 1 < s.size() && s[i] == '.' && s[i + 1] >= '0' && s[i + 1] <= '9') {
        ++i;
        fraction = digits();
    }
    if (whole == 0 && fraction == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            i = j;
            digits();
        }
    }
    return i;
}

// A number, or a length in user units ("px" or none), taken from the start
// of `s`, which moves past it.
std::optional<double> takeLength(std::string_view& s, bool lengthUnits)
{
    const size_t n = cssNumberLength(s);
    if (n == 0)
        return std::nullopt;
    std::string_view text = s.substr(0, n);
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    s.remove_prefix(n);
    if (lengthUnits && s.starts_with("px"))
        s.remove_prefix(2);
    return value;
}

std::optional<double> wholeNumber(std::string_view value, bool lengthUnits)
{
    value = css::trim(value);
    const std::optional<double> v = takeLength(value, lengthUnits);
    return v && value.empty() ? v : std::nullopt;
}

// "none", or lengths apart by whitespace and/or a comma, none negative.
std::optional<std::vector<double>> dashList(std::string_view value)
{
    value = css::trim(value);
    std::vector<double> dashes;
    if (value == "none")
        return dashes;
    while (!value.empty()) {
        const std::optional<double> d = takeLength(value, true);
        if (!d || *d < 0)
            return std::nullopt;
        dashes.push_back(*d);
        value = css::trim(value);
        if (value.starts_with(',')) {
            value = css::trim(value.substr(1));
            if (value.empty())
                return std::nullopt;
        }
    }
    if (dashes.empty())
        return std::nullopt;
    return dashes;
}

template <class T, size_t N>
bool keyword(std::string_view value, const std::pair<std::string_view, T> (&names)[N], T& out)
{
    for (const auto& [name, v] : names)
        if (css::trim(value) == name) {
            out = v;
            return true;
        }
    return false;
}

// Properties that draw nothing on a path or a group: text's, filters' and
// gradient stops', and those of elements that set up a viewport.
bool drawsNothingHere(std::string_view name)
{
    static constexpr std::string_view names[] = {"font-family",
                                                 "font-size",
                                                 "font-style",
                                                 "font-variant",
                                                 "font-weight",
                                                 "font-stretch",
                                                 "font-size-adjust",
                                                 "text-anchor",
                                                 "direction",
                                                 "word-spacing",
                                                 "letter-spacing",
                                                 "text-decoration",
                                                 "writing-mode",
                                                 "baseline-shift",
                                                 "dominant-baseline",
                                                 "alignment-baseline",
                                                 "unicode-bidi",
                                                 "text-rendering",
                                                 "line-height",
                                                 "enable-background",
                                                 "color-interpolation-filters",
                                                 "color-interpolation",
                                                 "color-rendering",
                                                 "image-rendering",
                                                 "clip-rule",
                                                 "stop-color",
                                                 "stop-opacity",
                                                 "flood-color",
                                                 "flood-opacity",
                                                 "lighting-color",
                                                 "overflow",
                                                 "color"};
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// paint-order: the keywords named come first, the rest in their usual
// order (fill, stroke, markers); only whether the stroke goes under the fill
// matters to a path without markers.
bool paintOrder(std::string_view value, bool& strokeFirst)
{
    value = css::trim(value);
    if (value == "normal") {
        strokeFirst = false;
        return true;
    }
    std::optional<bool> first; // whether "stroke" came before "fill"
    while (!value.empty()) {
        const size_t end = value.find_first_of(" \t\n\r");
        const std::string_view word = value.substr(0, end);
        if (word != "fill" && word != "stroke" && word != "markers")
            return false;
        if (!first && word != "markers")
            first = word == "stroke";
        value = css::trim(value.substr(std::min(word.size(), value.size())));
    }
    strokeFirst = first.value_or(false);
    return true;
}

bool applyKeyword(InheritedLook& look, std::string_view name, std::string_view value)
{
    static constexpr std::pair<std::string_view, cairo_fill_rule_t> rules[] = {{"nonzero", CAIRO_FILL_RULE_WINDING},
                                                                               {"evenodd", CAIRO_FILL_RULE_EVEN_ODD}};
    static constexpr std::pair<std::string_view, cairo_line_join_t> joins[] = {
        {"miter", CAIRO_LINE_JOIN_MITER}, {"round", CAIRO_LINE_JOIN_ROUND}, {"bevel", CAIRO_LINE_JOIN_BEVEL}};
    static constexpr std::pair<std::string_view, cairo_line_cap_t> caps[] = {
        {"butt", CAIRO_LINE_CAP_BUTT}, {"round", CAIRO_LINE_CAP_ROUND}, {"square", CAIRO_LINE_CAP_SQUARE}};
    static constexpr std::pair<std::string_view, bool> visibility[] = {
        {"visible", true}, {"hidden", false}, {"collapse", false}};
    static constexpr std::pair<std::string_view, cairo_antialias_t> rendering[] = {
        {"auto", CAIRO_ANTIALIAS_DEFAULT},
        {"geometricPrecision", CAIRO_ANTIALIAS_DEFAULT},
        {"optimizeSpeed", CAIRO_ANTIALIAS_NONE},
        {"crispEdges", CAIRO_ANTIALIAS_NONE}};
    if (name == "fill-rule")
        return keyword(value, rules, look.fillRule);
    if (name == "stroke-linejoin")
        return keyword(value, joins, look.lineJoin);
    if (name == "stroke-linecap")
        return keyword(value, caps, look.lineCap);
    if (name == "visibility")
        return keyword(value, visibility, look.visible);
    if (name == "shape-rendering")
        return keyword(value, rendering, look.antialias);
    if (name == "paint-order")
        return paintOrder(value, look.strokeFirst);
    return false;
}

bool applyNumber(InheritedLook& look, std::string_view name, std::string_view value)
{
    if (name == "fill-opacity" || name == "stroke-opacity") {
        const std::optional<double> v = wholeNumber(value, false);
        if (v)
            (name == "fill-opacity" ? look.fillOpacity : look.strokeOpacity) = std::clamp(*v, 0.0, 1.0);
        return v.has_value();
    }
    if (name == "stroke-miterlimit") {
        const std::optional<double> v = wholeNumber(value, false);
        if (v && *v >= 1)
            look.miterLimit = *v;
        return v && *v >= 1;
    }
    if (name == "stroke-dashoffset") {
        const std::optional<double> v = wholeNumber(value, true);
        if (v)
            look.dashOffset = *v;
        return v.has_value();
    }
    if (name == "stroke-dasharray") {
        std::optional<std::vector<double>> dashes = dashList(value);
        if (dashes)
            look.dashes = std::move(*dashes);
        return dashes.has_value();
    }
    return false;
}

bool apply(InheritedLook& look, const Attribute& a)
{
    const std::string_view name = a.name;
    // Another namespace's attribute (inkscape:label, sodipodi:nodetypes).
    if (name.find(':') != std::string_view::npos)
        return !name.starts_with("xml:");
    return drawsNothingHere(name) || applyKeyword(look, name, a.value) || applyNumber(look, name, a.value);
}

} // namespace

std::optional<InheritedLook> withKeptAttributes(const InheritedLook& inherited, std::span<const Attribute> kept)
{
    InheritedLook look = inherited;
    for (const Attribute& a : kept)
        if (!apply(look, a))
            return std::nullopt;
    return look;
}

} // namespace tovrins::host
