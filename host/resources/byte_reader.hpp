// Bounds-checked little-endian reading of resource and ELF data. Every read
// past the end throws ResourceError naming what was being read, so malformed
// input ends in a message and never in an out-of-bounds access.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace tovrins::host {

class ResourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ByteReader {
public:
    ByteReader(std::span<const std::uint8_t> bytes, std::string what) : bytes_(bytes), what_(std::move(what)) { }

    std::uint8_t u8() { return take(1)[0]; }
    std::uint16_t u16();
    std::uint32_t u32();
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }

    std::span<const std::uint8_t> take(std::size_t count);
    void skip(std::size_t count) { take(count); }
    // Aligns relative to the start of this reader's bytes; padding missing
    // at the very end is tolerated.
    void alignTo(std::size_t alignment);

    std::size_t offset() const { return offset_; }
    std::size_t remaining() const { return bytes_.size() - offset_; }
    bool atEnd() const { return offset_ == bytes_.size(); }
    const std::string& what() const { return what_; }

    [[noreturn]] void fail(const std::string& problem) const;

private:
    std::span<const std::uint8_t> bytes_;
    std::string what_;
    std::size_t offset_ = 0;
};

} // namespace tovrins::host
