// The presentation properties the document keeps as they stand, beside the
// fill, stroke, stroke width, opacity and colour that it models.
#pragma once

#include <array>
#include <string_view>

namespace tovrins::host::svg {

// Inherited: what a group or the root sets applies to everything inside, so
// the importer writes it onto each piece of art (copies then look alike
// wherever they go).
inline constexpr std::array<const char*, 33> kInheritedProperties = {"fill-opacity",
                                                                     "fill-rule",
                                                                     "stroke-opacity",
                                                                     "stroke-dasharray",
                                                                     "stroke-dashoffset",
                                                                     "stroke-linecap",
                                                                     "stroke-linejoin",
                                                                     "stroke-miterlimit",
                                                                     "clip-rule",
                                                                     "visibility",
                                                                     "marker-start",
                                                                     "marker-mid",
                                                                     "marker-end",
                                                                     "font-family",
                                                                     "font-size",
                                                                     "font-style",
                                                                     "font-weight",
                                                                     "font-variant",
                                                                     "font-stretch",
                                                                     "font-size-adjust",
                                                                     "text-anchor",
                                                                     "letter-spacing",
                                                                     "word-spacing",
                                                                     "direction",
                                                                     "writing-mode",
                                                                     "paint-order",
                                                                     "shape-rendering",
                                                                     "text-rendering",
                                                                     "image-rendering",
                                                                     "color-interpolation",
                                                                     "color-interpolation-filters",
                                                                     "color-rendering",
                                                                     "kerning"};

// Not inherited: kept on the element that sets them.
inline constexpr std::array<const char*, 18> kOwnProperties = {"clip-path",
                                                               "mask",
                                                               "filter",
                                                               "mix-blend-mode",
                                                               "isolation",
                                                               "overflow",
                                                               "clip",
                                                               "text-decoration",
                                                               "dominant-baseline",
                                                               "alignment-baseline",
                                                               "baseline-shift",
                                                               "unicode-bidi",
                                                               "enable-background",
                                                               "flood-color",
                                                               "flood-opacity",
                                                               "lighting-color",
                                                               "stop-color",
                                                               "stop-opacity"};

// CSS properties that SVG has no presentation attribute for: renderers
// honour them only in style="", so they are written there.
inline bool styleOnly(std::string_view name) { return name == "mix-blend-mode" || name == "isolation"; }

// Properties that draw in the element's own coordinates: art that has one
// keeps its user space rather than having it multiplied into its points.
inline bool boundToUserSpace(std::string_view name)
{
    return name == "clip-path" || name == "mask" || name == "filter" || name.starts_with("marker") ||
        name == "stroke-dasharray" || name == "stroke-dashoffset";
}

} // namespace tovrins::host::svg
