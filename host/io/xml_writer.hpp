// Appending XML straight to a string: attributes escaped, numbers in their
// shortest spelling (std::to_chars's, host/io/float_text.hpp), no tree built
// on the way.
#pragma once

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "host/io/float_text.hpp"
#include "sdk/tv_types.h"

namespace tovrins::host {

class XmlWriter {
public:
    explicit XmlWriter(std::string& out) : out_(out) { }

    // Room enough for any float's shortest spelling.
    static constexpr size_t kNumberRoom = kFloatRoom;
    // Spells v at `at`, which has kNumberRoom chars free; returns the end.
    // What is not finite is written as 0.
    static char* spell(char* at, float v)
    {
        if (!std::isfinite(v))
            v = 0;
        return spellFloat(at, v);
    }

    void raw(std::string_view text) { out_ += text; }
    void number(float v)
    {
        char buf[kNumberRoom];
        out_.append(buf, spell(buf, v));
    }
    void escaped(std::string_view text)
    {
        for (char c : text) {
            switch (c) {
            case '&': out_ += "&amp;"; break;
            case '<': out_ += "&lt;"; break;
            case '>': out_ += "&gt;"; break;
            case '"': out_ += "&quot;"; break;
            case '\n': out_ += "&#10;"; break;
            case '\t': out_ += "&#9;"; break;
            default: out_ += c;
            }
        }
    }
    void attribute(std::string_view name, std::string_view value)
    {
        out_ += ' ';
        out_ += name;
        out_ += "=\"";
        escaped(value);
        out_ += '"';
    }
    void numberAttribute(std::string_view name, float v)
    {
        out_ += ' ';
        out_ += name;
        out_ += "=\"";
        number(v);
        out_ += '"';
    }
    void matrixAttribute(std::string_view name, const TvRealMatrix& m)
    {
        out_ += ' ';
        out_ += name;
        out_ += "=\"matrix(";
        const float v[6] = {m.a, m.b, m.c, m.d, m.tx, m.ty};
        for (int i = 0; i < 6; ++i) {
            if (i)
                out_ += ' ';
            number(v[i]);
        }
        out_ += ")\"";
    }
    void indent(int depth) { out_.append(static_cast<size_t>(depth) * 2, ' '); }

private:
    std::string& out_;
};

} // namespace tovrins::host
