// Dialog templates (RT_DIALOG), in both the classic and the extended layout.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tovrins::host {

struct DialogRect {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
    bool operator==(const DialogRect&) const = default;
};

struct DialogItem {
    std::int32_t id = 0;   // -1 for the usual "no id" of static texts
    std::string className; // predefined classes by name: "Button", "Static", ...
    std::string text;
    std::optional<std::uint16_t> textResource; // e.g. the icon of an icon control
    DialogRect rect;
    std::uint32_t style = 0;
};

struct DialogTemplate {
    std::string title;
    DialogRect rect;
    std::uint32_t style = 0;
    std::string fontName; // empty when the template sets no font
    std::uint16_t fontSize = 0;
    std::vector<DialogItem> items;
};

// Throws ResourceError on truncated or malformed templates.
DialogTemplate readDialogTemplate(std::span<const std::uint8_t> data, std::int32_t id);

} // namespace tovrins::host
