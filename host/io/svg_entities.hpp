// The general entities an XML document declares in its internal DTD subset
// (<!ENTITY st0 "fill:#FF0000;">, as illustration programs export them),
// expanded in the text before the XML parser sees it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tovrins::host {

// The replacement text all references of a document may add up to. Real
// files use entities for namespace names and a few dozen style strings, far
// below this; a "billion laughs" bomb passes it within a few levels, so it is
// refused before it costs memory or time.
constexpr size_t kMaxEntityExpansion = size_t{16} << 20;
// Entities referring to entities may nest this deep.
constexpr int kMaxEntityNesting = 64;

// The UTF-8 text with each reference to a declared internal entity replaced,
// in content as markup and in attribute values as text, never inside
// comments, CDATA sections or processing instructions. External entities are
// never read: their references are dropped with a warning. Throws
// std::runtime_error for a bomb, an entity that refers to itself or a
// nesting too deep, with a sentence without the file name or a final full
// stop; `warnings` gets sentences of the same form.
std::string expandDtdEntities(std::string_view text, std::vector<std::string>& warnings);

} // namespace tovrins::host
