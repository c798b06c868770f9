// Text and images as the SVG importer keeps them.
#include "host/io/svg_opaque.hpp"

#include <sstream>

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
    for (const Attribute& a : extra)
        kept.append_attribute(a.name.c_str()) = a.value.c_str();
    std::ostringstream out;
    kept.print(out, "", pugi::format_raw);
    return out.str();
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
