// The text a path's look was last spelt as, and what it was spelt from:
// the writers spell it once for a run of art that looks the same, as the
// copies a filter makes do, and repeat the text after that.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include "sdk/tv_types.h"

namespace tovrins::host {

class StyleMemo {
public:
    // `scale` is that of the space a stroke width is written in.
    // Bit for bit: -0 and 0 are spelt apart, and NaN is never the same.
    bool same(const TvPathStyle& s, const std::string& fill, const std::string& stroke, float scale = 1) const
    {
        return known_ && std::memcmp(&style_, &s, sizeof s) == 0 && std::memcmp(&scale_, &scale, sizeof scale) == 0 &&
            fill_ == fill && stroke_ == stroke;
    }
    void remember(const TvPathStyle& s, const std::string& fill, const std::string& stroke, float scale,
                  std::string_view text, std::string declarations = {})
    {
        known_ = true;
        style_ = s;
        fill_ = fill;
        stroke_ = stroke;
        scale_ = scale;
        text_ = text;
        declarations_ = std::move(declarations);
    }
    // The text written where the look goes, and anything the writer keeps
    // for later in the element (SVG's style="" declarations).
    const std::string& text() const { return text_; }
    const std::string& declarations() const { return declarations_; }

private:
    bool known_ = false;
    TvPathStyle style_{};
    std::string fill_, stroke_;
    float scale_ = 1;
    std::string text_, declarations_;
};

} // namespace tovrins::host
