// Text and images as the SVG importer keeps them.
#include "host/io/svg_opaque.hpp"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>
#include <utility>

#include "host/io/css_parser.hpp"

namespace tovrins::host::svg {

namespace {

void appendText(const pugi::xml_node& n, std::string& out)
{
    for (const pugi::xml_node& child : n.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            out += child.value();
        else if (child.type() == pugi::node_element)
            appendText(child, out);
    }
}

float f(double v) { return static_cast<float>(v); }

// The style="" declarations but those `extra` sets; nullopt when it sets
// none of them, and the style stays as written.
std::optional<std::string> styleWithout(std::string_view style, const std::vector<Attribute>& extra)
{
    std::string out;
    bool dropped = false;
    for (const css::Declaration& d : css::parseDeclarations(style)) {
        if (std::any_of(extra.begin(), extra.end(), [&](const Attribute& a) { return a.name == d.name; }))
            dropped = true;
        else
            out += d.name + ":" + d.value + (d.important ? " !important;" : ";");
    }
    return dropped ? std::optional(out) : std::nullopt;
}

} // namespace

std::string allText(const pugi::xml_node& n)
{
    std::string out;
    appendText(n, out);
    return out;
}

std::string sourceForArt(const pugi::xml_node& n, const std::vector<Attribute>& extra)
{
    pugi::xml_document copy;
    pugi::xml_node kept = copy.append_copy(n);
    kept.remove_attribute("transform");
    kept.remove_attribute("id");
    if (pugi::xml_attribute style = kept.attribute("style"))
        if (const auto rest = styleWithout(style.value(), extra)) {
            if (rest->empty())
                kept.remove_attribute(style);
            else
                style.set_value(rest->c_str());
        }
    for (const Attribute& a : extra) {
        pugi::xml_attribute at = kept.attribute(a.name.c_str());
        (at ? at : kept.append_attribute(a.name.c_str())).set_value(a.value.c_str());
    }
    std::ostringstream out;
    kept.print(out, "", pugi::format_raw);
    return out.str();
}

namespace {

// Where a start tag's attributes end: at its '>' or "/>", outside quotes.
size_t startTagEnd(std::string_view element)
{
    char quote = 0;
    for (size_t i = 1; i < element.size(); ++i) {
        const char c = element[i];
        if (quote)
            quote = c == quote ? 0 : quote;
        else if (c == '"' || c == '\'')
            quote = c;
        else if (c == '>')
            return i > 0 && element[i - 1] == '/' ? i - 1 : i;
    }
    return element.size();
}

// The quoted value of `name` in the start tag ending at `end`, quotes excluded.
std::optional<std::pair<size_t, size_t>> attributeValue(std::string_view element, size_t end, std::string_view name)
{
    char quote = 0;
    for (size_t i = 1; i < end; ++i) {
        const char c = element[i];
        if (quote) {
            quote = c == quote ? 0 : quote;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
            continue;
        }
        const bool startsName = std::isspace(static_cast<unsigned char>(element[i - 1])) &&
            element.substr(i).starts_with(name) && i + name.size() + 1 < end && element[i + name.size()] == '=' &&
            (element[i + name.size() + 1] == '"' || element[i + name.size() + 1] == '\'');
        if (startsName) {
            const size_t open = i + name.size() + 1;
            const size_t close = element.find(element[open], open + 1);
            if (close == std::string_view::npos || close > end)
                return std::nullopt;
            return std::pair{open + 1, close};
        }
    }
    return std::nullopt;
}

std::string escapedValue(std::string_view value)
{
    std::string out;
    for (char c : value) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

std::string withAttributes(std::string_view element, const std::vector<Attribute>& values)
{
    std::string out(element);
    for (const Attribute& a : values) {
        const size_t end = startTagEnd(out);
        if (auto at = attributeValue(out, end, a.name))
            out.replace(at->first, at->second - at->first, escapedValue(a.value));
        else
            out.insert(end, " " + a.name + "=\"" + escapedValue(a.value) + "\"");
    }
    return out;
}

TvRealRect textBox(double x, double y, double fontSize, size_t characters)
{
    const double wide = 0.6 * fontSize * static_cast<double>(characters);
    return {f(x), f(-y + 0.8 * fontSize), f(x + wide), f(-y - 0.2 * fontSize)};
}

TvRealRect imageBox(double x, double y, double w, double h) { return {f(x), f(-y), f(x + w), f(-y - h)}; }

size_t utf8Length(const std::string& text)
{
    size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xc0) != 0x80;
    return n;
}

} // namespace tovrins::host::svg
