#include "shell/summary_file.hpp"

#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "shell/binora_globals.hpp"

#include <array>
#include <cstddef>

namespace binora {

namespace {

// Paragraphs 5 and 6 as they are written to the file: the blank runs line up the "E =" and
// "sig =" columns in a fixed-pitch font (the dialog's versions line them up in its
// proportional font).
const TwoLanguageText exponent_paragraph = {
    "- Numere normale:      E = Exponent_stocat - deplasare\r\n"
    "- Numere subnormale:   E = Emin\r\n"
    "- Zero cu semn:        E = Emin",
    "- Normal's exponent:      E = Stored exponent - bias\r\n"
    "- Subnormal's exponent:   E = Emin\r\n"
    "- Signed Zero's exponent: E = Emin"};

const TwoLanguageText significand_paragraph = {
    "Codificare semnificand \"sig\":\r\n"
    "- Numere normale:      sig = 1.b1b2 \x85 bP-1\r\n"
    "- Numere subnormale:   sig = 0.b1b2 \x85 bP-1\r\n"
    "- Zero cu semn:        sig = 0.0",
    "Significand encoding:\r\n"
    "- Normal's significand:       sig = 1.b1b2 \x85 bP-1\r\n"
    "- Subnormal's significand:    sig = 0.b1b2 \x85 bP-1\r\n"
    "- Signed Zero's significand:  sig = 0.0"};

constexpr std::size_t EXPONENT_PARAGRAPH = 4;    // paragraph 5
constexpr std::size_t SIGNIFICAND_PARAGRAPH = 5; // paragraph 6

} // namespace

std::string summary_file_contents(int lang) {
    std::array<TwoLanguageText, 7> text_2 = BINORAGLOBALS.STATIC_2;
    text_2[EXPONENT_PARAGRAPH] = exponent_paragraph;
    text_2[SIGNIFICAND_PARAGRAPH] = significand_paragraph;

    std::string contents;
    for (const auto& paragraph : text_2) {
        contents += trim_right(pad_to(in_language(paragraph, lang), STATIC_2_LENGTH));
        contents += "\r\n \r\n";
    }
    return contents;
}

} // namespace binora
