#pragma once

// The summary's seven paragraphs in both languages, as the dialog shows them and as the
// summary file writes them.

#include "model/language.hpp"

#include <cstddef>
#include <string_view>

namespace binora {

// Fills BINORAGLOBALS.STATIC_2 (the 7 paragraphs in both languages, 180 characters each) and
// ID_STATIC_2 (their controls IDC_SUMMARY_1 to IDC_SUMMARY_7).
void INITIALIZE_STATIC_2();

// Paragraph `index` (0 to 6) in language `lang` as the summary file writes it, trailing
// blanks removed: the dialog's text from BINORAGLOBALS.STATIC_2, except paragraphs 5 and 6,
// whose file versions line their columns up in a fixed-pitch font.
std::string_view summary_file_paragraph(std::size_t index, Language lang);

} // namespace binora
