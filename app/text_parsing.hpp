// Reading numbers and names from command-line text: whole-string parses
// that reject trailing characters, and the comparison labels are matched by.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tovrins::app {

std::string_view trimSpaces(std::string_view text);
// Equal after trimming surrounding spaces, ignoring ASCII case.
bool sameLabel(std::string_view a, std::string_view b);

// nullopt unless the whole text (surrounding spaces allowed) is the number.
std::optional<int64_t> parseInteger(std::string_view text);
std::optional<uint64_t> parseUnsigned(std::string_view text);
// Finite numbers only.
std::optional<double> parseReal(std::string_view text);
// Any number, however large: one beyond what a double holds ("1e400")
// reads as infinity with its sign, one too small to tell from 0 as 0.
// nullopt for text that is no number, and for "inf" and "nan" as typed.
std::optional<double> parseUnboundedReal(std::string_view text);

// A number as the parsers above accept it, written as the dialog reads
// numbers: without surrounding spaces or a leading '+'.
std::string plainNumber(std::string_view text);
// A popup choice as the dialog reads it: an index as plain digits, a label
// without surrounding spaces.
std::string plainChoice(std::string_view text);

} // namespace tovrins::app
