// Builds minimal PE32 files around a resource directory, for reading the
// same resources from a PE file as from a .res image, and for damaging
// PE files in ways no linker would.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "res_builder.hpp"
#include "res_file.hpp"

namespace tovrins::test {

inline constexpr std::uint32_t kRsrcAddress = 0x1000;
inline constexpr std::uint32_t kRsrcFileOffset = 0x200;
inline constexpr std::size_t kPeOffset = 64;
inline constexpr std::size_t kResourceDirectoryField = kPeOffset + 24 + 96 + 16; // data directory 2
inline constexpr std::size_t kSectionHeader = kPeOffset + 24 + 224;

// The resource tree: type, then name, then one language each.
inline std::vector<std::uint8_t> resourceTree(const std::vector<host::RawResource>& resources)
{
    using Key = std::pair<bool, std::string>; // ordinals (false) after names (true), as Windows sorts
    const auto key = [](const host::NameOrOrdinal& n) {
        return n.isOrdinal
            ? Key{true, std::string(5 - std::to_string(n.ordinal).size(), '0') + std::to_string(n.ordinal)}
            : Key{false, n.name};
    };
    std::map<Key, std::map<Key, const host::RawResource*>> byType;
    for (const auto& r : resources)
        byType[key(r.type)][key(r.name)] = &r;

    // Directories first, then data entries, then names, then the data.
    const std::size_t types = byType.size();
    std::size_t names = 0;
    for (const auto& [type, byName] : byType)
        names += byName.size();
    const std::size_t nameDirs = 16 + 8 * types + types * 16 + names * 8;
    const std::size_t dataEntries = nameDirs + names * (16 + 8);
    std::size_t stringsAt = dataEntries + names * 16;

    Bytes tree, strings, data;
    const auto nameField = [&](const host::NameOrOrdinal& n) -> std::uint32_t {
        if (n.isOrdinal)
            return n.ordinal;
        const auto at = static_cast<std::uint32_t>(stringsAt + strings.data.size());
        strings.u16(static_cast<std::uint16_t>(n.name.size()));
        for (char c : n.name)
            strings.u16(static_cast<std::uint8_t>(c));
        return 0x80000000u | at;
    };
    const auto directory = [&](std::size_t entries) {
        tree.u32(0).u32(0).u32(0).u16(0).u16(static_cast<std::uint16_t>(entries));
    };
    directory(types);
    std::size_t nextDir = 16 + 8 * types;
    for (const auto& [type, byName] : byType) {
        tree.u32(nameField(byName.begin()->second->type)).u32(0x80000000u | static_cast<std::uint32_t>(nextDir));
        nextDir += 16 + 8 * byName.size();
    }
    std::size_t leaf = 0;
    for (const auto& [type, byName] : byType) {
        directory(byName.size());
        for (const auto& [name, r] : byName)
            tree.u32(nameField(r->name)).u32(0x80000000u | static_cast<std::uint32_t>(nameDirs + 24 * leaf++));
    }
    leaf = 0;
    for (const auto& [type, byName] : byType) {
        for (const auto& [name, r] : byName) {
            directory(1);
            tree.u32(r->language).u32(static_cast<std::uint32_t>(dataEntries + 16 * leaf++));
        }
    }
    std::vector<std::pair<std::size_t, const host::RawResource*>> blobs;
    for (const auto& [type, byName] : byType) {
        for (const auto& [name, r] : byName) {
            blobs.emplace_back(data.data.size(), r);
            data.append({r->data.begin(), r->data.end()}).align4();
        }
    }
    strings.align4();
    const std::size_t dataAt = stringsAt + strings.data.size();
    for (const auto& [offset, r] : blobs) {
        tree.u32(static_cast<std::uint32_t>(kRsrcAddress + dataAt + offset))
            .u32(static_cast<std::uint32_t>(r->data.size()))
            .u32(0)
            .u32(0);
    }
    return tree.append(strings.data).append(data.data).data;
}

// A PE32 image with one section, .rsrc, holding `tree`.
inline std::vector<std::uint8_t> peImage(const std::vector<std::uint8_t>& tree)
{
    Bytes pe;
    pe.u16('M' | ('Z' << 8));
    while (pe.data.size() < 0x3C)
        pe.u8(0);
    pe.u32(kPeOffset);
    pe.u32(0x00004550).u16(0x14C).u16(1).u32(0).u32(0).u32(0).u16(224).u16(0x2102);
    pe.u16(0x10B);
    while (pe.data.size() < kPeOffset + 24 + 92)
        pe.u8(0);
    pe.u32(16);
    for (int i = 0; i < 16; ++i) {
        pe.u32(i == 2 ? kRsrcAddress : 0).u32(i == 2 ? static_cast<std::uint32_t>(tree.size()) : 0);
    }
    const auto size = static_cast<std::uint32_t>(tree.size());
    pe.u32('.' | ('r' << 8) | ('s' << 16) | (static_cast<std::uint32_t>('r') << 24)).u32('c');
    pe.u32(size).u32(kRsrcAddress).u32(size).u32(kRsrcFileOffset).u32(0).u32(0).u32(0).u32(0x40000040);
    while (pe.data.size() < kRsrcFileOffset)
        pe.u8(0);
    return pe.append(tree).data;
}

inline void put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace tovrins::test
