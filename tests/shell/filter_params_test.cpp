#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "shell/filter_params.hpp"

namespace tovrins {
namespace {

struct OwnWords {
    FilterKind kind;
    int previewApplied;
    int boundsSaved;
    int sectionFirst;
    int sectionLast;
};

// Every word a filter's defaults may write: filterKind (18), its
// preview-applied and bounds-saved flags and its section.
bool ownedBy(const OwnWords& filter, int word)
{
    return word == 18 || word == filter.previewApplied || word == filter.boundsSaved ||
        (word >= filter.sectionFirst && word <= filter.sectionLast);
}

TEST(WriteDefaults, WritesOnlyTheFiltersOwnWords)
{
    const std::array<OwnWords, 3> filters{{
        {FilterKind::Rotate, 0, 39, 19, 38},
        {FilterKind::Scale, 1, 40, 42, 61},
        {FilterKind::Translate, 2, 41, 62, 76},
    }};
    for (const OwnWords& filter : filters) {
        std::array<uint32_t, kFilterParamsWords> words;
        words.fill(0xA5A5A5A5u);
        FilterParams params;
        std::memcpy(&params, words.data(), sizeof params);

        writeDefaults(params, filter.kind);
        std::memcpy(words.data(), &params, sizeof params);

        EXPECT_EQ(params.filterKind, static_cast<int32_t>(filter.kind));
        EXPECT_EQ(words[static_cast<std::size_t>(filter.previewApplied)], 0u);
        EXPECT_EQ(words[static_cast<std::size_t>(filter.boundsSaved)], 0u);
        for (int word = 0; word < static_cast<int>(kFilterParamsWords); ++word) {
            if (!ownedBy(filter, word)) {
                EXPECT_EQ(words[static_cast<std::size_t>(word)], 0xA5A5A5A5u)
                    << "kind " << static_cast<int>(filter.kind) << " wrote word " << word;
            }
        }
    }
}

} // namespace
} // namespace tovrins
