#pragma once

// The two interface languages. Romanian is the start-up language.

#include <array>
#include <string>

namespace binora {

enum class Language { romanian = 1, english = 2 };

// A text in both interface languages: element 0 Romanian, element 1 English.
using TwoLanguageText = std::array<std::string, 2>;

inline const std::string& in_language(const TwoLanguageText& text, Language lang) {
    return text[lang == Language::english ? 1 : 0];
}

} // namespace binora
