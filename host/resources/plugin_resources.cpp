#include "host/resources/plugin_resources.hpp"

#include "host/resources/res_file.hpp"
#include "host/resources/string_table.hpp"

namespace tovrins::host {
namespace {

constexpr std::uint16_t kIcon = 3;
constexpr std::uint16_t kDialog = 5;
constexpr std::uint16_t kString = 6;
constexpr std::uint16_t kGroupIcon = 14;

bool isOrdinalType(const RawResource& r, std::uint16_t type) { return r.type.isOrdinal && r.type.ordinal == type; }

} // namespace

PluginResources readResources(std::span<const std::uint8_t> resData) { return collectResources(parseResFile(resData)); }

PluginResources collectResources(std::span<const RawResource> raw)
{
    PluginResources result;
    std::map<std::int32_t, std::span<const std::uint8_t>> iconImages;
    for (const RawResource& r : raw) {
        if (!r.type.isOrdinal && r.type.name == "PIPL") {
            if (result.pipl)
                throw ResourceError("more than one PIPL resource");
            result.pipl = readPipl(r.data);
            result.piplBytes.assign(r.data.begin(), r.data.end());
            continue;
        }
        if (!r.name.isOrdinal)
            continue;
        const std::int32_t id = r.name.ordinal;
        if (isOrdinalType(r, kString)) {
            readStringBlock(r.name.ordinal, r.data, result.strings);
        } else if (isOrdinalType(r, kDialog)) {
            result.dialogs[id] = readDialogTemplate(r.data, id);
        } else if (isOrdinalType(r, kIcon)) {
            iconImages[id] = r.data;
        }
    }
    // Groups last: their images may come after them in the file.
    for (const RawResource& r : raw) {
        if (isOrdinalType(r, kGroupIcon) && r.name.isOrdinal) {
            result.icons[r.name.ordinal] = readIconGroup(r.data, r.name.ordinal, iconImages);
        }
    }
    return result;
}

} // namespace tovrins::host
