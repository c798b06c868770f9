// The AI Matching Art Suite: the art that matches any of a request's
// entries (art type and attributes), as one list in front-to-back paint order.
//
// The order is this host's choice and the engines depend on it. They walk
// the list from its last entry to its first and put each copy above all
// art (or below all), so the entry walked last ends frontmost. Answering
// frontmost first therefore gives copies placed above the same stacking as
// what they copy: with a red square under a blue one, the blue square's
// copies cover the red one's. Each object comes once, where it paints,
// whichever request entry it matched first: layers top to bottom, within a
// container its art top to bottom, and a group or compound path before the
// members it holds (it paints as one, in its own slot).
#include <cstring>
#include <vector>

#include "host/suites/core_suites.hpp"
#include "host/suites/memory_pool.hpp"
#include "host/suites/suite_support.hpp"

namespace tovrins::host {
namespace {

bool matches(const Node& node, const TvMatchingArtSpec& spec)
{
    if (static_cast<int16_t>(node.type) != spec.type)
        return false;
    const int32_t have = node.selected ? TV_ART_SELECTED : 0;
    return (have & spec.whichAttr) == (spec.attr & spec.whichAttr);
}

// Every node, frontmost first, a container before its members.
template <class Visit> void visitFrontToBack(const Document& doc, Visit&& visit)
{
    std::vector<ArtId> stack;
    const std::vector<LayerId> layers = doc.layerOrder(); // bottom to top
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
        const Layer* found = doc.findLayer(*layer);
        if (!found)
            continue;
        // Pushed bottom to top, so the topmost is taken first.
        stack.assign(found->art.begin(), found->art.end());
        while (!stack.empty()) {
            const Node* node = doc.find(stack.back());
            stack.pop_back();
            if (!node)
                continue;
            visit(*node);
            stack.insert(stack.end(), node->children.begin(), node->children.end());
        }
    }
}

TvErr getMatchingArt(const TvMatchingArtSpec* specs, int16_t specCount, TvMemoryHandle* result, int32_t* count)
{
    Document* doc = nullptr;
    if (TvErr err = enterDocument(kTvAIMatchingArtSuite, "getMatchingArt", doc))
        return err;
    MemoryPool* memory = hostContext().memory;
    if (!result || !count || specCount < 0 || (specCount > 0 && !specs) || !memory)
        return TV_ERR_BAD_PARAMETER;
    std::vector<TvArtHandle> found;
    visitFrontToBack(*doc, [&](const Node& node) {
        for (int16_t i = 0; i < specCount; ++i) {
            if (matches(node, specs[i])) {
                found.push_back(toHandle(node.id));
                return;
            }
        }
    });
    *result = nullptr;
    *count = 0;
    if (found.empty())
        return 0;
    const auto bytes = static_cast<uint32_t>(found.size() * sizeof(TvArtHandle));
    *result = memory->allocate(bytes);
    std::memcpy(memory->pointer(*result), found.data(), bytes);
    *count = static_cast<int32_t>(found.size());
    return 0;
}

} // namespace

const TvAIMatchingArtSuiteV4& matchingArtSuite()
{
    static constexpr TvAIMatchingArtSuiteV4 table{getMatchingArt};
    return table;
}

} // namespace tovrins::host
