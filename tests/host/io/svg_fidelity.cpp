#include "tests/host/io/svg_fidelity.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "host/io/svg_export.hpp"
#include "host/io/svg_import.hpp"
#include "tests/support/svg_render.hpp"

namespace tovrins::host::testing {

namespace {

using tovrins::testing::RenderedImage;
using tovrins::testing::SvgPixelSize;

// Renders stay small: the check is about what is drawn where, and a
// thousand files must run in CI under the sanitizers.
constexpr double kMaxRenderSide = 256;

std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct RenderSize {
    int width = static_cast<int>(kMaxRenderSide);
    int height = static_cast<int>(kMaxRenderSide);
};

RenderSize renderSizeFor(const std::optional<SvgPixelSize>& intrinsic)
{
    if (!intrinsic || !(intrinsic->width > 0) || !(intrinsic->height > 0))
        return {};
    const double scale = kMaxRenderSide / std::max(intrinsic->width, intrinsic->height);
    return {std::max(1, static_cast<int>(std::lround(intrinsic->width * scale))),
            std::max(1, static_cast<int>(std::lround(intrinsic->height * scale)))};
}

bool sameSize(const SvgPixelSize& a, const SvgPixelSize& b)
{
    auto near = [](double x, double y) { return std::abs(x - y) <= std::max(0.5, 0.005 * std::abs(x)); };
    return near(a.width, b.width) && near(a.height, b.height);
}

} // namespace

std::string_view fidelityName(Fidelity kind)
{
    switch (kind) {
    case Fidelity::Passed: return "passed";
    case Fidelity::NotRenderedByLibrsvg: return "not-rendered-by-librsvg";
    case Fidelity::Refused: return "refused";
    case Fidelity::ExportUnreadable: return "export-unreadable";
    case Fidelity::PageSize: return "page-size";
    case Fidelity::Pixels: return "pixels";
    }
    return "unknown";
}

FidelityResult checkRoundTrip(const std::filesystem::path& file)
{
    using tovrins::testing::differingFraction;
    using tovrins::testing::intrinsicPixelSize;
    using tovrins::testing::renderSvg;
    const std::string original = readFile(file);
    const std::string base = file.string();
    const auto originalSize = intrinsicPixelSize(original, base);
    const RenderSize size = renderSizeFor(originalSize);
    RenderedImage before;
    try {
        before = renderSvg(original, size.width, size.height, base);
    } catch (const std::runtime_error& e) {
        return {Fidelity::NotRenderedByLibrsvg, e.what()};
    }
    std::string exported;
    try {
        std::vector<std::string> warnings;
        exported = writeSvg(readSvg(original, file.filename().string(), warnings));
    } catch (const std::exception& e) {
        return {Fidelity::Refused, e.what()};
    }
    RenderedImage after;
    try {
        // Beside the original, so relative references resolve as they did.
        after = renderSvg(exported, size.width, size.height, base);
    } catch (const std::runtime_error& e) {
        return {Fidelity::ExportUnreadable, e.what()};
    }
    const double differing = differingFraction(before, after, kChannelThreshold);
    if (differing >= kMaxDifferingFraction)
        return {Fidelity::Pixels, std::to_string(differing * 100) + " % of the pixels differ"};
    // Drawn alike once fitted to the same size, the page must also keep its
    // own size: a browser shows the file at that size.
    const auto exportedSize = intrinsicPixelSize(exported, base);
    if (originalSize && exportedSize && !sameSize(*originalSize, *exportedSize))
        return {Fidelity::PageSize,
                std::to_string(originalSize->width) + " x " + std::to_string(originalSize->height) + " became " +
                    std::to_string(exportedSize->width) + " x " + std::to_string(exportedSize->height)};
    return {Fidelity::Passed, {}};
}

} // namespace tovrins::host::testing
