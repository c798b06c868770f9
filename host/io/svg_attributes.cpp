// SVG attribute values.
#include "host/io/svg_attributes.hpp"
#include "host/io/css_parser.hpp"
#include "host/io/svg_number.hpp"

#include <cctype>
#include <charconv>
#include <algorithm>
#include <cmath>

namespace tovrins::host::svg {

std::string_view trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

// Element names without an "svg:" prefix.
std::string_view localName(const pugi::xml_node& n)
{
    std::string_view name = n.name();
    if (name.starts_with("svg:"))
        name.remove_prefix(4);
    return name;
}

namespace {

// A number and the unit written right after it (CSS allows no space
// between), the unit in lower case as units ignore ASCII case.
struct NumberAndUnit {
    double value;
    std::string unit;
};

std::optional<NumberAndUnit> numberAndUnit(std::string_view text)
{
    text = trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double v = 0;
    auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc() || !std::isfinite(v))
        return std::nullopt;
    std::string unit(text.substr(static_cast<size_t>(res.ptr - text.data())));
    for (char& c : unit)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return NumberAndUnit{v, std::move(unit)};
}

} // namespace

std::optional<double> length(std::string_view text)
{
    const auto n = numberAndUnit(text);
    if (!n)
        return std::nullopt;
    static const std::map<std::string_view, double> units = {{"", 1},           {"px", 1},        {"pt", 96.0 / 72},
                                                             {"pc", 16},        {"in", 96},       {"cm", 96 / 2.54},
                                                             {"mm", 96 / 25.4}, {"q", 96 / 101.6}};
    auto it = units.find(n->unit);
    if (it == units.end())
        return std::nullopt;
    return n->value * it->second;
}

std::optional<double> length(std::string_view text, const LengthContext& context, LengthAxis axis)
{
    const auto n = numberAndUnit(text);
    if (!n)
        return std::nullopt;
    if (n->unit == "em")
        return n->value * context.fontSize;
    // Without the font's metrics an ex is half an em, the fallback CSS names.
    if (n->unit == "ex")
        return n->value * context.fontSize / 2;
    if (n->unit != "%")
        return length(text);
    const double w = context.viewportWidth, h = context.viewportHeight;
    const double reference = axis == LengthAxis::Horizontal ? w
        : axis == LengthAxis::Vertical                      ? h
                                                            : std::sqrt((w * w + h * h) / 2);
    if (!(reference > 0))
        return std::nullopt;
    return n->value / 100 * reference;
}

std::optional<double> opacityValue(std::string_view text)
{
    const auto n = numberAndUnit(text);
    if (!n || !(n->unit.empty() || n->unit == "%"))
        return std::nullopt;
    return std::clamp(n->unit.empty() ? n->value : n->value / 100, 0.0, 1.0);
}

std::vector<double> numberList(std::string_view text, bool& ok)
{
    std::vector<double> out;
    ok = true;
    size_t i = 0;
    while (true) {
        while (i < text.size() && (std::isspace(static_cast<unsigned char>(text[i])) || text[i] == ','))
            ++i;
        if (i >= text.size())
            break;
        if (text[i] == '+')
            ++i;
        double v = 0;
        auto res = std::from_chars(text.data() + i, text.data() + text.size(), v);
        if (res.ec != std::errc() || !fitsFloat(v)) {
            ok = false;
            break;
        }
        i = static_cast<size_t>(res.ptr - text.data());
        out.push_back(v);
    }
    return out;
}

// The declarations of a style="" attribute; a later one of the same name
// wins, and "!important" has been weighed by the cascade already.
std::map<std::string, std::string> styleDeclarations(std::string_view style)
{
    std::map<std::string, std::string> out;
    for (css::Declaration& d : css::parseDeclarations(style))
        out[std::move(d.name)] = std::move(d.value);
    return out;
}

// Presentation attributes, overridden by style="".
std::optional<std::string> property(const pugi::xml_node& n, const char* name)
{
    auto decls = styleDeclarations(n.attribute("style").value());
    if (auto it = decls.find(name); it != decls.end())
        return it->second;
    if (auto a = n.attribute(name))
        return std::string(a.value());
    return std::nullopt;
}

} // namespace tovrins::host::svg
