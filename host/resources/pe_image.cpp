#include "host/resources/pe_image.hpp"

#include <string>

#include "host/resources/byte_reader.hpp"

namespace tovrins::host {
namespace {

constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::size_t kMaxSections = 96; // the Windows loader's own limit
// Directories may share subdirectories; this bounds the walk of a file
// whose entries all point at one another.
constexpr std::size_t kMaxEntries = 65536;

struct Section {
    std::uint32_t virtualAddress = 0;
    std::uint32_t rawSize = 0;
    std::uint32_t rawOffset = 0;
};

// The file's sections, for turning relative virtual addresses into bytes.
class PeImage {
public:
    explicit PeImage(std::span<const std::uint8_t> file) : file_(file) { readHeaders(); }

    // The bytes at [rva, rva + size), which must lie in one section's data.
    std::span<const std::uint8_t> at(std::uint32_t rva, std::uint32_t size, const char* what) const
    {
        for (const Section& s : sections_) {
            if (rva < s.virtualAddress || rva - s.virtualAddress >= s.rawSize)
                continue;
            const std::uint32_t offset = rva - s.virtualAddress;
            if (size > s.rawSize - offset)
                break;
            return file_.subspan(s.rawOffset + offset, size);
        }
        throw ResourceError(std::string("PE ") + what + " at address " + std::to_string(rva) + " of " +
                            std::to_string(size) + " bytes lies outside the file's sections");
    }

    std::uint32_t resourceAddress() const { return resourceAddress_; }
    std::uint32_t resourceSize() const { return resourceSize_; }

private:
    void readHeaders();
    void readSections(ByteReader& in, std::uint16_t count);

    std::span<const std::uint8_t> file_;
    std::vector<Section> sections_;
    std::uint32_t resourceAddress_ = 0;
    std::uint32_t resourceSize_ = 0;
};

void PeImage::readHeaders()
{
    if (!looksLikePeImage(file_))
        throw ResourceError("not a PE file (no MZ header)");
    ByteReader dos(file_, "PE DOS header");
    dos.skip(0x3C);
    const std::uint32_t peOffset = dos.u32();
    if (peOffset > file_.size())
        throw ResourceError("PE header offset " + std::to_string(peOffset) + " lies past the end");
    ByteReader in(file_.subspan(peOffset), "PE header");
    if (in.u32() != 0x00004550)
        in.fail("no PE signature");
    in.u16(); // machine
    const std::uint16_t sectionCount = in.u16();
    in.skip(12); // time stamp, symbol table, symbol count
    const std::uint16_t optionalSize = in.u16();
    in.u16(); // characteristics
    ByteReader optional(in.take(optionalSize), "PE optional header");
    const std::uint16_t magic = optional.u16();
    if (magic != kPe32Magic && magic != kPe32PlusMagic)
        optional.fail("unknown magic " + std::to_string(magic));
    optional.skip(magic == kPe32Magic ? 90 : 106);
    const std::uint32_t directoryCount = optional.u32();
    if (directoryCount > kResourceDirectoryIndex) {
        optional.skip(8 * kResourceDirectoryIndex);
        resourceAddress_ = optional.u32();
        resourceSize_ = optional.u32();
    }
    readSections(in, sectionCount);
}

void PeImage::readSections(ByteReader& in, std::uint16_t count)
{
    if (count > kMaxSections)
        in.fail(std::to_string(count) + " sections, more than " + std::to_string(kMaxSections));
    for (std::uint16_t i = 0; i < count; ++i) {
        ByteReader header(in.take(kSectionHeaderSize), "PE section header " + std::to_string(i));
        header.skip(8); // name
        const std::uint32_t virtualSize = header.u32();
        Section s;
        s.virtualAddress = header.u32();
        s.rawSize = header.u32();
        s.rawOffset = header.u32();
        // Only the part of the raw data that the image maps holds its bytes.
        if (virtualSize != 0 && virtualSize < s.rawSize)
            s.rawSize = virtualSize;
        if (s.rawOffset > file_.size() || s.rawSize > file_.size() - s.rawOffset) {
            header.fail("section data runs past the end of the file");
        }
        sections_.push_back(s);
    }
}

// The three levels of the resource directory: type, name, language.
class ResourceDirectory {
public:
    ResourceDirectory(const PeImage& image, std::span<const std::uint8_t> tree) : image_(image), tree_(tree) { }

    std::vector<RawResource> read()
    {
        RawResource path;
        walk(0, 0, path);
        return std::move(resources_);
    }

private:
    enum Level { kType, kName, kLanguage };

    void walk(std::uint32_t offset, int level, RawResource& path);
    NameOrOrdinal entryName(std::uint32_t field) const;
    void readData(std::uint32_t offset, RawResource& path);

    ByteReader readerAt(std::uint32_t offset, const std::string& what) const
    {
        if (offset > tree_.size()) {
            throw ResourceError("PE resource " + what + " offset " + std::to_string(offset) + " lies past the end");
        }
        return ByteReader(tree_.subspan(offset), "PE resource " + what);
    }

    const PeImage& image_;
    std::span<const std::uint8_t> tree_;
    std::vector<RawResource> resources_;
    std::size_t entriesSeen_ = 0;
};

void ResourceDirectory::walk(std::uint32_t offset, int level, RawResource& path)
{
    ByteReader in = readerAt(offset, "directory");
    in.skip(12); // characteristics, time stamp, version
    const std::uint32_t entries = std::uint32_t{in.u16()} + in.u16();
    for (std::uint32_t i = 0; i < entries; ++i) {
        if (++entriesSeen_ > kMaxEntries)
            in.fail("more than " + std::to_string(kMaxEntries) + " entries");
        const std::uint32_t nameField = in.u32();
        const std::uint32_t target = in.u32();
        const bool isDirectory = (target & kHighBit) != 0;
        if (isDirectory != (level != kLanguage)) {
            in.fail(level == kLanguage ? "a language entry names a directory" : "a directory entry names data");
        }
        if (level == kType)
            path.type = entryName(nameField);
        if (level == kName)
            path.name = entryName(nameField);
        if (level == kLanguage) {
            if ((nameField & kHighBit) != 0)
                in.fail("a language has a name");
            path.language = static_cast<std::uint16_t>(nameField);
            readData(target, path);
        } else {
            walk(target & ~kHighBit, level + 1, path);
        }
    }
}

NameOrOrdinal ResourceDirectory::entryName(std::uint32_t field) const
{
    NameOrOrdinal result;
    if ((field & kHighBit) == 0) {
        if (field > 0xFFFF)
            throw ResourceError("PE resource id " + std::to_string(field) + " is out of range");
        result.isOrdinal = true;
        result.ordinal = static_cast<std::uint16_t>(field);
        return result;
    }
    ByteReader in = readerAt(field & ~kHighBit, "name");
    const std::uint16_t length = in.u16();
    const auto units = in.take(std::size_t{length} * 2);
    std::u16string text(length, u'\0');
    for (std::size_t i = 0; i < length; ++i) {
        text[i] = static_cast<char16_t>(units[2 * i] | (units[2 * i + 1] << 8));
    }
    result.name = utf8FromUtf16(text);
    return result;
}

void ResourceDirectory::readData(std::uint32_t offset, RawResource& path)
{
    ByteReader in = readerAt(offset, "data entry");
    const std::uint32_t rva = in.u32();
    const std::uint32_t size = in.u32();
    RawResource resource = path;
    resource.data = image_.at(rva, size, "resource data");
    resources_.push_back(std::move(resource));
}

} // namespace

bool looksLikePeImage(std::span<const std::uint8_t> file)
{
    return file.size() >= 2 && file[0] == 'M' && file[1] == 'Z';
}

std::vector<RawResource> readPeResources(std::span<const std::uint8_t> file)
{
    const PeImage image(file);
    if (image.resourceAddress() == 0 || image.resourceSize() == 0)
        return {};
    const auto tree = image.at(image.resourceAddress(), image.resourceSize(), "resource directory");
    return ResourceDirectory(image, tree).read();
}

} // namespace tovrins::host
