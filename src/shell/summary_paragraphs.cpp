#include "shell/summary_paragraphs.hpp"

#include "model/fixed_text.hpp"
#include "resources/resource.hpp"
#include "shell/binora_globals.hpp"
#include "state/comun.hpp"

#include <array>
#include <cstddef>
#include <iterator>

namespace binora {

namespace {

// A paragraph as the dialog shows it and, where the file differs, as the file writes it.
struct Paragraph {
    const char* romanian;
    const char* english;
    const char* file_romanian = nullptr; // nullptr: the file writes the dialog's text
    const char* file_english = nullptr;
};

// The summary's seven paragraphs: lines broken by CR LF, Windows-1252 bytes ("\x85" is the
// ellipsis). In paragraphs 5 and 6 the blank runs line up the "E =" and "sig =" columns: in
// the dialog's proportional font for the dialog's texts, in a fixed-pitch font for the file's
// versions that follow them.
constexpr Paragraph paragraphs[] = {
    {"Datele reprezentabile intr-un format in virgula flotanta (Date FP), sunt:\r\n"
     "- Numere Finite:\r\n"
     "1) Numere normale (normalizate)\r\n"
     "2) Numere subnormale (denormalizate)\r\n"
     "3) Zero cu semn",
     "Data representable in a floating-point format (Floating-Point Data) are:\r\n"
     "- Finite Numbers:\r\n"
     "1) Normal numbers (normalized)\r\n"
     "2) Subnormal numbers (denormalized)\r\n"
     "3) Signed Zero"},
    {"- Alte Date:\r\n"
     "4) Infinit cu semn\r\n"
     "5) Non-Numere (Not-a-Number)",
     "- Other Data:\r\n"
     "4) Signed Infinity\r\n"
     "5) Non-Numbers (Not-a-Number)"},
    {"Datele 1, 2, si 3, se reprezinta printr-o tripleta:  (S, E, sig)\r\n"
     "S = bitul de semn;\r\n"
     "E = exponentul (reprezentarii) ;\r\n"
     "sig = semnificand\r\n"
     "\r\n"
     "Valoare = (-1)^S * 2^E * sig",
     "Data 1, 2, and 3, are represented by a triple:  (S, E, sig)\r\n"
     "S = sign bit;\r\n"
     "E = (representation) exponent;\r\n"
     "sig = significand\r\n"
     "\r\n"
     "Value =(-1)^S * 2^E * sig"},
    {"Codificare exponent \"E\":\r\n"
     "- Datele 2 and 3:  Camp exponent = 00 ... 0\r\n"
     "- Datele 4 and 5:  Camp exponent = 11 ... 1",
     "Exponent encoding:\r\n"
     "- Data 2 and 3: Exponent field = 00 ... 0\r\n"
     "- Data 4 and 5: Exponent field = 11 ... 1"},
    {"- Numere normale:          E = Exponent_stocat - deplasare\r\n"
     "- Numere subnormale:  E = Emin\r\n"
     "- Zero cu semn:                E = Emin",
     "- Normal's exponent:           E = Stored exponent - bias\r\n"
     "- Subnormal's exponent:    E = Emin\r\n"
     "- Signed Zero's exponent: E = Emin",
     // The file's versions:
     "- Numere normale:      E = Exponent_stocat - deplasare\r\n"
     "- Numere subnormale:   E = Emin\r\n"
     "- Zero cu semn:        E = Emin",
     "- Normal's exponent:      E = Stored exponent - bias\r\n"
     "- Subnormal's exponent:   E = Emin\r\n"
     "- Signed Zero's exponent: E = Emin"},
    {"Codificare semnificand \"sig\":\r\n"
     "- Numere normale:           sig = 1.b1b2 \x85 bP-1\r\n"
     "- Numere subnormale:    sig = 0.b1b2 \x85 bP-1\r\n"
     "- Zero cu semn:                 sig = 0.0",
     "Significand encoding:\r\n"
     "- Normal's significand:            sig = 1.b1b2 \x85 bP-1\r\n"
     "- Subnormal's significand:     sig = 0.b1b2 \x85 bP-1\r\n"
     "- Signed Zero's significand:  sig = 0.0",
     // The file's versions:
     "Codificare semnificand \"sig\":\r\n"
     "- Numere normale:      sig = 1.b1b2 \x85 bP-1\r\n"
     "- Numere subnormale:   sig = 0.b1b2 \x85 bP-1\r\n"
     "- Zero cu semn:        sig = 0.0",
     "Significand encoding:\r\n"
     "- Normal's significand:       sig = 1.b1b2 \x85 bP-1\r\n"
     "- Subnormal's significand:    sig = 0.b1b2 \x85 bP-1\r\n"
     "- Signed Zero's significand:  sig = 0.0"},
    {"- Infinit cu semn:  Camp semnificand  = 00 ... 0\r\n"
     "- Not-a-Number:     Camp semnificand diferit de: 00 ... 0",
     "- Signed Infinity:  Significand Field = 00 ... 0\r\n"
     "- Not-a-Number: Significand Field is not 00 ... 0"},
};

static_assert(std::size(paragraphs) == std::tuple_size_v<decltype(BinoraGlobals::STATIC_2)>);

} // namespace

void INITIALIZE_STATIC_2() {
    auto& g = BINORAGLOBALS;
    for (std::size_t i = 0; i < std::size(paragraphs); ++i) {
        g.STATIC_2[i] = {pad_to(paragraphs[i].romanian, STATIC_2_LENGTH),
                         pad_to(paragraphs[i].english, STATIC_2_LENGTH)};
        g.ID_STATIC_2[i] = IDC_SUMMARY_1 + static_cast<int>(i);
    }
}

std::string_view summary_file_paragraph(std::size_t index, Language lang) {
    const Paragraph& paragraph = paragraphs[index];
    if (paragraph.file_romanian != nullptr)
        return lang == Language::english ? paragraph.file_english : paragraph.file_romanian;
    return trim_right(in_language(BINORAGLOBALS.STATIC_2[index], lang));
}

} // namespace binora
