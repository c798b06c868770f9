#include "host/resources/dialog_template.hpp"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <string>

#include "host/resources/byte_reader.hpp"
#include "host/resources/utf16.hpp"

namespace tovrins::host {
namespace {

constexpr std::uint32_t kSetFont = 0x40;

std::string predefinedClass(std::uint16_t ordinal)
{
    switch (ordinal) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
    default: return "#" + std::to_string(ordinal);
    }
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Class names are case-insensitive; windres writes predefined ones in
// capitals when they are spelt out, so they are reported in one spelling.
std::string canonicalClass(const std::string& name)
{
    for (std::uint16_t ordinal = 0x80; ordinal <= 0x85; ++ordinal) {
        std::string known = predefinedClass(ordinal);
        if (equalsIgnoringCase(name, known))
            return known;
    }
    return name;
}

DialogRect readRect(ByteReader& in)
{
    DialogRect r;
    r.x = in.i16();
    r.y = in.i16();
    r.width = in.i16();
    r.height = in.i16();
    return r;
}

void readItemTail(ByteReader& in, DialogItem& item)
{
    const NameOrOrdinal cls = readNameOrOrdinal(in);
    item.className = cls.isOrdinal ? predefinedClass(cls.ordinal) : canonicalClass(cls.name);
    const NameOrOrdinal text = readNameOrOrdinal(in);
    if (text.isOrdinal) {
        item.textResource = text.ordinal;
    } else {
        item.text = text.name;
    }
    in.skip(in.u16()); // creation data
}

DialogItem readClassicItem(ByteReader& in)
{
    DialogItem item;
    item.style = in.u32();
    in.u32(); // extended style
    item.rect = readRect(in);
    item.id = static_cast<std::int16_t>(in.u16());
    readItemTail(in, item);
    return item;
}

DialogItem readExtendedItem(ByteReader& in)
{
    DialogItem item;
    in.u32(); // help id
    in.u32(); // extended style
    item.style = in.u32();
    item.rect = readRect(in);
    item.id = static_cast<std::int32_t>(in.u32());
    readItemTail(in, item);
    return item;
}

void readHeaderNames(ByteReader& in, DialogTemplate& dialog)
{
    readNameOrOrdinal(in); // menu
    readNameOrOrdinal(in); // window class
    const NameOrOrdinal title = readNameOrOrdinal(in);
    if (title.isOrdinal)
        in.fail("dialog title is an ordinal, not a text");
    dialog.title = title.name;
}

} // namespace

DialogTemplate readDialogTemplate(std::span<const std::uint8_t> data, std::int32_t id)
{
    ByteReader in(data, "dialog " + std::to_string(id));
    DialogTemplate dialog;
    std::uint16_t itemCount = 0;
    bool extended = false;
    if (data.size() >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF) {
        extended = true;
        in.skip(4);
        in.u32(); // help id
        in.u32(); // extended style
        dialog.style = in.u32();
        itemCount = in.u16();
        dialog.rect = readRect(in);
        readHeaderNames(in, dialog);
        if ((dialog.style & kSetFont) != 0) { // also set by DS_SHELLFONT
            dialog.fontSize = in.u16();
            in.u16(); // weight
            in.u8();  // italic
            in.u8();  // charset
            dialog.fontName = utf8FromUtf16(readZeroTerminatedUtf16(in));
        }
    } else {
        dialog.style = in.u32();
        in.u32(); // extended style
        itemCount = in.u16();
        dialog.rect = readRect(in);
        readHeaderNames(in, dialog);
        if ((dialog.style & kSetFont) != 0) {
            dialog.fontSize = in.u16();
            dialog.fontName = utf8FromUtf16(readZeroTerminatedUtf16(in));
        }
    }
    dialog.items.reserve(std::min<std::size_t>(itemCount, in.remaining() / 18));
    for (std::uint16_t i = 0; i < itemCount; ++i) {
        in.alignTo(4);
        if (in.atEnd())
            in.fail("item " + std::to_string(i + 1) + " of " + std::to_string(itemCount) + " is missing");
        dialog.items.push_back(extended ? readExtendedItem(in) : readClassicItem(in));
    }
    return dialog;
}

} // namespace tovrins::host
