#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text in memory is UTF-8; table files, list files and the counted strings of
// the setup record hold Windows-1252 bytes. Convert at the file boundary only.
namespace tvx {

// Every byte maps to one character; the five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same
// value, so all 256 byte values round-trip.
std::string cp1252ToUtf8(std::string_view bytes);

// A character Windows-1252 cannot hold becomes "?"; so does a malformed
// UTF-8 sequence.
std::string utf8ToCp1252(std::string_view utf8);

// Number of characters (code points) in a UTF-8 text.
std::size_t utf8Length(std::string_view utf8);

// The first maxChars characters of a UTF-8 text.
std::string utf8Left(std::string_view utf8, std::size_t maxChars);

} // namespace tvx
