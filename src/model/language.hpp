#pragma once

// The two interface languages, by their index: 1 Romanian (the start-up language), 2 English.

#include <array>
#include <string>

namespace binora {

constexpr int LANG_ROMANIAN = 1;
constexpr int LANG_ENGLISH = 2;

// A text in both interface languages: element 0 Romanian, element 1 English.
using TwoLanguageText = std::array<std::string, 2>;

// The element of `text` for language index `lang` (1 Romanian, 2 English).
inline const std::string& in_language(const TwoLanguageText& text, int lang) {
    return text[lang == LANG_ENGLISH ? 1 : 0];
}

} // namespace binora
