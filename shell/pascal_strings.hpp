// Length-prefixed strings (a length byte, 0 to 255, then the characters, no
// terminating zero) as the host's resources, menu texts and number
// conversions use them. Every routine works in place on the caller's buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "sdk/tv_types.h"

namespace tovrins {

inline constexpr std::size_t kMaxPascalLength = 255;

// Bytes before the first zero byte (the whole buffer when it has none).
std::size_t cStringLength(std::span<const char> text);

// Turns the C string in buffer into a length-prefixed one. False, with the
// buffer unchanged, when it is longer than 255 characters or the buffer has
// no terminating zero.
bool cToPascal(std::span<char> buffer);

// Turns the length-prefixed string in buffer into a C string. The buffer
// must hold length + 1 bytes; a length beyond that is cut to fit.
void pascalToC(std::span<char> buffer);

// The first four characters, the first in the most significant byte; missing
// characters count as zero bytes.
TvErr fourCharCodeFromPascal(std::span<const char> text);

// Length 4 and the code's characters, most significant byte first. The
// buffer holds at least 5 bytes.
void fourCharCodeToPascal(TvErr code, std::span<char> text);

// The code as a signed decimal C string through the AI User Suite; text
// holds 256 bytes.
TvErr numberToText(TvErr code, std::span<char> text);

// Reads the C string in text (changed in place) through the AI User Suite,
// truncated to an integer and kept to 16 bits with its sign.
TvErr textToNumber(std::span<char> text, int16_t& value);

} // namespace tovrins
