// SVG attribute values.
#include "svg_attributes.hpp"

#include <cctype>
#include <charconv>
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

// A number with an optional unit. User units and px count as points, the
// way illustration programs write SVG; the absolute units convert.
std::optional<double> length(std::string_view text)
{
    text = trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double v = 0;
    auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc() || !std::isfinite(v))
        return std::nullopt;
    const std::string_view unit = trim(text.substr(static_cast<size_t>(res.ptr - text.data())));
    static const std::map<std::string_view, double> units = {
        {"", 1}, {"px", 1}, {"pt", 1}, {"pc", 12}, {"in", 72}, {"mm", 72 / 25.4}, {"cm", 72 / 2.54}};
    auto it = units.find(unit);
    if (it == units.end())
        return std::nullopt;
    return v * it->second;
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
        if (res.ec != std::errc() || !std::isfinite(v) || std::fabs(v) > kMaxSvgCoordinate) {
            ok = false;
            break;
        }
        i = static_cast<size_t>(res.ptr - text.data());
        out.push_back(v);
    }
    return out;
}

// The declarations of a style="" attribute.
std::map<std::string, std::string> styleDeclarations(std::string_view style)
{
    std::map<std::string, std::string> out;
    while (!style.empty()) {
        const size_t end = style.find(';');
        const std::string_view decl = style.substr(0, end);
        const size_t colon = decl.find(':');
        if (colon != std::string_view::npos)
            out[std::string(trim(decl.substr(0, colon)))] = std::string(trim(decl.substr(colon + 1)));
        if (end == std::string_view::npos)
            break;
        style.remove_prefix(end + 1);
    }
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
