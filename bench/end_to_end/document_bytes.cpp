// Prints the bytes a document's art holds once open in the workbench: each
// node's record, its segments and any text beyond the string's own record.
// The end-to-end benchmark multiplies it by the copies made to get the
// document's own bytes, the floor of a run's peak memory.
//
// Usage: tovrins_document_bytes INPUT.svg
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/document/document.hpp"
#include "host/io/svg_import.hpp"

namespace {

using namespace tovrins::host;

size_t heapBytes(const std::string& text)
{
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

size_t nodeBytes(const Node& node)
{
    size_t bytes = sizeof(Node) + node.segments.size() * sizeof(Segment) + node.children.size() * sizeof(ArtId) +
        node.attributes.size() * sizeof(Attribute);
    for (const std::string* text : {&node.name, &node.content, &node.sourceXml, &node.fillPaint, &node.strokePaint})
        bytes += heapBytes(*text);
    for (const Attribute& a : node.attributes)
        bytes += heapBytes(a.name) + heapBytes(a.value);
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tovrins_document_bytes INPUT.svg\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "tovrins_document_bytes: cannot read %s\n", argv[1]);
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    try {
        std::vector<std::string> warnings;
        const Document doc(readSvg(text.str(), argv[1], warnings));
        size_t bytes = 0, objects = 0;
        doc.forEachInOrder([&](const Node& node) {
            bytes += nodeBytes(node);
            ++objects;
        });
        std::printf("%zu bytes in %zu art objects (%zu per node record, %zu per segment)\n", bytes, objects,
                    sizeof(Node), sizeof(Segment));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tovrins_document_bytes: %s\n", e.what());
        return 1;
    }
    return 0;
}
