#pragma once

// The summary as a plain text file.

#include "model/language.hpp"

#include <string>

namespace binora {

// The file's bytes for language `lang`: the seven summary paragraphs, each followed by a line
// holding one blank. Every line ends with CR LF; the text is Windows-1252 (the ellipsis is the
// byte 0x85). Paragraphs 5 and 6 are aligned for a fixed-pitch font; the others are the
// dialog's texts. Reads BINORAGLOBALS.STATIC_2.
std::string summary_file_contents(Language lang);

} // namespace binora
