#include <cstring>
#include <vector>

#include "core_suites.hpp"
#include "memory_pool.hpp"
#include "suite_support.hpp"

namespace tovrins::host {
namespace {

bool matches(const Node& node, const TvMatchingArtSpec& spec)
{
    if (static_cast<int16_t>(node.type) != spec.type)
        return false;
    const int32_t have = node.selected ? TV_ART_SELECTED : 0;
    return (have & spec.whichAttr) == (spec.attr & spec.whichAttr);
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
    doc->forEachInOrder([&](const Node& node) {
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
