// The round-trip check of one SVG file: read by the workbench, written back
// unchanged, and the original and the export drawn by librsvg at the same
// size. A file passes when under 2 % of the pixels differ by more than 32
// of 255 in any channel, and the page keeps its size.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tovrins::host::testing {

enum class Fidelity {
    Passed,
    NotRenderedByLibrsvg, // librsvg cannot draw the original: counted apart
    Refused,              // the workbench refused to read it
    ExportUnreadable,     // librsvg cannot read what the workbench wrote
    PageSize,             // the export's page has another size
    Pixels,               // the renders differ
};

struct FidelityResult {
    Fidelity kind = Fidelity::Passed;
    std::string detail; // the error message or the differing fraction
};

// The kind's name as the known-failures list spells it.
std::string_view fidelityName(Fidelity kind);

inline constexpr double kMaxDifferingFraction = 0.02;
inline constexpr int kChannelThreshold = 32;

FidelityResult checkRoundTrip(const std::filesystem::path& file);

} // namespace tovrins::host::testing
