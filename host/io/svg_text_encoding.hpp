// The bytes of an XML file as UTF-8, whatever encoding it was saved in that
// the workbench reads.
#pragma once

#include <string>
#include <string_view>

namespace tovrins::host {

// UTF-8 (a byte-order mark dropped) as it stands; UTF-16 LE or BE (by its
// byte-order mark, or by "<" read as 16 bits) and a declared ISO-8859-1 or
// US-ASCII converted. A file in any other encoding is read when it is all
// ASCII; otherwise std::runtime_error with a sentence saying the encoding is
// not supported, without the file name or a final full stop.
std::string xmlTextAsUtf8(std::string_view bytes);

} // namespace tovrins::host
