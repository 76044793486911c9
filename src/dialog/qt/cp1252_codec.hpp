#pragma once

// The program keeps its texts in the Windows-1252 code page, one byte per character; Qt
// shows Unicode. These two functions carry texts across that border.

#include <QString>

#include <string>
#include <string_view>

namespace binora {

// Decodes Windows-1252 bytes (cp1252_decode of dialog/cp1252.hpp, byte by byte).
QString from_cp1252(std::string_view bytes);

// Encodes Unicode text as Windows-1252, one byte per character (a surrogate pair is one
// character); a character the code page lacks becomes '?'.
std::string to_cp1252(const QString& text);

} // namespace binora
