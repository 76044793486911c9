#pragma once

// The program keeps its texts in the Windows-1252 code page, one byte per character; Qt
// shows Unicode. These two functions carry texts across that border.

#include <QString>

#include <string>
#include <string_view>

namespace binora {

// Decodes Windows-1252 bytes. 0x00-0x7F and 0xA0-0xFF are the Latin-1 code points; 0x80-0x9F
// carry the typographic characters of the code page ("\x85" is U+2026 HORIZONTAL ELLIPSIS).
// The five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the
// C1 controls of the same value, as Windows decodes them, so that every byte survives a
// round trip.
QString from_cp1252(std::string_view bytes);

// Encodes Unicode text as Windows-1252, one byte per character (a surrogate pair is one
// character); a character the code page lacks becomes '?'.
std::string to_cp1252(const QString& text);

} // namespace binora
