// libFuzzer target: the CSS reader. The input is the text of a <style> sheet
// cascaded over a small fixed tree, and a colour value; nothing may crash
// or hang, and a parsed colour must hold channels of 0 to 1.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "host/io/css_cascade.hpp"
#include "host/io/svg_colour.hpp"

namespace {

constexpr const char* kTree =
    R"(<svg><style/><g id="a" class="x y"><rect class="x" data-k="v w"/><g><circle id="c" style="fill:red"/></g></g>)"
    R"(<text lang="en-GB">t</text></svg>)";

void checkColour(std::string_view text)
{
    const auto c = tovrins::host::parseCssColour(text);
    if (!c)
        return;
    for (float v : c->colour.components)
        if (!(v >= 0 && v <= 1))
            std::abort();
    if (!(c->alpha >= 0 && c->alpha <= 1))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkColour(text);
    pugi::xml_document xml;
    if (!xml.load_string(kTree))
        std::abort();
    xml.child("svg").child("style").append_child(pugi::node_pcdata).set_value(text.c_str());
    std::vector<std::string> warnings;
    tovrins::host::applyStyleSheets(xml, warnings);
    return 0;
}
