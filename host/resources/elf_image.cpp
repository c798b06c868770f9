#include "host/resources/elf_image.hpp"

#include <elf.h>

#include <cstring>

#include "host/resources/byte_reader.hpp"

namespace tovrins::host {
namespace {

template <typename T> T readStruct(std::span<const std::uint8_t> file, std::uint64_t offset, const char* what)
{
    if (offset > file.size() || sizeof(T) > file.size() - offset) {
        throw ResourceError(std::string("ELF ") + what + " at offset " + std::to_string(offset) +
                            " runs past the end of the file");
    }
    T value;
    std::memcpy(&value, file.data() + offset, sizeof(T));
    return value;
}

class ElfSections {
public:
    explicit ElfSections(std::span<const std::uint8_t> file) : file_(file)
    {
        if (file.size() < EI_NIDENT || std::memcmp(file.data(), ELFMAG, SELFMAG) != 0) {
            throw ResourceError("not an ELF file");
        }
        if (file[EI_CLASS] != ELFCLASS64 || file[EI_DATA] != ELFDATA2LSB) {
            throw ResourceError("not a little-endian 64-bit ELF file");
        }
        const auto header = readStruct<Elf64_Ehdr>(file, 0, "header");
        if (header.e_shnum == 0)
            throw ResourceError("ELF file has no section table");
        if (header.e_shentsize != sizeof(Elf64_Shdr))
            throw ResourceError("ELF section header size is wrong");
        sections_.reserve(header.e_shnum);
        for (std::uint16_t i = 0; i < header.e_shnum; ++i) {
            sections_.push_back(
                readStruct<Elf64_Shdr>(file, header.e_shoff + std::uint64_t{i} * sizeof(Elf64_Shdr), "section header"));
        }
        if (header.e_shstrndx >= sections_.size())
            throw ResourceError("ELF section name table index is wrong");
        names_ = contents(sections_[header.e_shstrndx]);
    }

    const std::vector<Elf64_Shdr>& sections() const { return sections_; }

    std::span<const std::uint8_t> contents(const Elf64_Shdr& s) const
    {
        if (s.sh_type == SHT_NOBITS)
            return {};
        if (s.sh_offset > file_.size() || s.sh_size > file_.size() - s.sh_offset) {
            throw ResourceError("ELF section at offset " + std::to_string(s.sh_offset) + " of " +
                                std::to_string(s.sh_size) + " bytes runs past the end of the file");
        }
        return file_.subspan(s.sh_offset, s.sh_size);
    }

    std::string_view sectionName(const Elf64_Shdr& s) const { return stringAt(names_, s.sh_name); }

    static std::string_view stringAt(std::span<const std::uint8_t> table, std::uint64_t offset)
    {
        if (offset >= table.size())
            throw ResourceError("ELF string offset " + std::to_string(offset) + " is out of range");
        const auto* start = reinterpret_cast<const char*>(table.data() + offset);
        const void* end = std::memchr(start, 0, table.size() - offset);
        if (end == nullptr)
            throw ResourceError("ELF string table is not terminated");
        return {start, static_cast<std::size_t>(static_cast<const char*>(end) - start)};
    }

private:
    std::span<const std::uint8_t> file_;
    std::vector<Elf64_Shdr> sections_;
    std::span<const std::uint8_t> names_;
};

} // namespace

std::optional<std::span<const std::uint8_t>> findElfSection(std::span<const std::uint8_t> file, std::string_view name)
{
    const ElfSections elf(file);
    for (const Elf64_Shdr& s : elf.sections()) {
        if (elf.sectionName(s) == name)
            return elf.contents(s);
    }
    return std::nullopt;
}

std::vector<std::string> definedDynamicSymbols(std::span<const std::uint8_t> file)
{
    const ElfSections elf(file);
    std::vector<std::string> names;
    for (const Elf64_Shdr& s : elf.sections()) {
        if (s.sh_type != SHT_DYNSYM)
            continue;
        if (s.sh_link >= elf.sections().size())
            throw ResourceError("ELF dynamic symbol table has no string table");
        const auto strings = elf.contents(elf.sections()[s.sh_link]);
        const auto symbols = elf.contents(s);
        for (std::size_t at = 0; at + sizeof(Elf64_Sym) <= symbols.size(); at += sizeof(Elf64_Sym)) {
            const auto sym = readStruct<Elf64_Sym>(symbols, at, "symbol");
            const unsigned binding = ELF64_ST_BIND(sym.st_info);
            if (sym.st_shndx == SHN_UNDEF || (binding != STB_GLOBAL && binding != STB_WEAK))
                continue;
            names.emplace_back(ElfSections::stringAt(strings, sym.st_name));
        }
    }
    return names;
}

} // namespace tovrins::host
