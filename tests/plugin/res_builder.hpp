// Builds 32-bit .res images byte by byte, for feeding the reader data that
// windres would never write.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tovrins::test {

class Bytes {
public:
    Bytes& u8(std::uint8_t v)
    {
        data.push_back(v);
        return *this;
    }
    Bytes& u16(std::uint16_t v) { return u8(static_cast<std::uint8_t>(v)).u8(static_cast<std::uint8_t>(v >> 8)); }
    Bytes& u32(std::uint32_t v) { return u16(static_cast<std::uint16_t>(v)).u16(static_cast<std::uint16_t>(v >> 16)); }
    Bytes& text(const std::u16string& s)
    {
        for (char16_t c : s)
            u16(c);
        return u16(0);
    }
    Bytes& align4()
    {
        while (data.size() % 4 != 0)
            u8(0);
        return *this;
    }
    Bytes& append(const std::vector<std::uint8_t>& more)
    {
        data.insert(data.end(), more.begin(), more.end());
        return *this;
    }
    std::vector<std::uint8_t> data;
};

class ResBuilder {
public:
    ResBuilder() { add(0, 0, {}); } // the empty record that opens a 32-bit .res

    ResBuilder& add(std::uint16_t type, std::uint16_t name, const std::vector<std::uint8_t>& payload)
    {
        Bytes header;
        header.u16(0xFFFF).u16(type).u16(0xFFFF).u16(name);
        return record(header, payload);
    }

    ResBuilder& addNamedType(const std::u16string& type, std::uint16_t name, const std::vector<std::uint8_t>& payload)
    {
        Bytes header;
        header.text(type).align4().u16(0xFFFF).u16(name);
        return record(header, payload);
    }

    const std::vector<std::uint8_t>& bytes() const { return out_.data; }

private:
    ResBuilder& record(Bytes names, const std::vector<std::uint8_t>& payload)
    {
        names.align4().u32(0).u16(0x30).u16(0x409).u32(0).u32(0);
        out_.u32(static_cast<std::uint32_t>(payload.size()))
            .u32(static_cast<std::uint32_t>(names.data.size() + 8))
            .append(names.data)
            .append(payload)
            .align4();
        return *this;
    }

    Bytes out_;
};

} // namespace tovrins::test
