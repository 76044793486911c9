#pragma once

// The Windows-1252 code page in which the program keeps its texts, one byte per character.

#include <string>
#include <string_view>

namespace binora {

// The code point of a byte. 0x00-0x7F and 0xA0-0xFF are the Latin-1 code points; 0x80-0x9F
// carry the typographic characters of the code page ("\x85" is U+2026 HORIZONTAL ELLIPSIS).
// The five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the
// C1 controls of the same value, as Windows decodes them, so that every byte survives a
// round trip.
char32_t cp1252_decode(unsigned char byte);

// The byte of a code point; '?' for a character the code page lacks.
char cp1252_encode(char32_t code_point);

// UTF-8 text (a file name from the file system, say) in the code page; a malformed sequence
// gives '?' for each byte it spoils.
std::string cp1252_from_utf8(std::string_view utf8);

} // namespace binora
