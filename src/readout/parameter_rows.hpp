#pragma once

// The read-outs of a datum as the window shows them in IDC_NEAREST and IDC_NEAREST_LABEL, one
// function per row of the parameter list, and X written back in canonical form. Each is a
// function of its arguments only: a format, the stored word (or, for E and the significand,
// the field that stands in the edits), the class flags where the text depends on the class,
// and the language where a caption does. A row's text is written into `room`, which its view
// points into; captions are static texts. Every format is written with the forms of its row
// of the table (model/format_traits.hpp).

#include "model/format_traits.hpp"
#include "model/language.hpp"
#include "numeric/format_word.hpp"
#include "numeric/number_format.hpp"
#include "numeric/storage_word.hpp"

#include <optional>
#include <string_view>

namespace binora {

// The rows of the parameter list, numbered as the list numbers them from 1.
enum class ParameterRow { exponent = 1, significand, ulp, next_up, next_down, epsilon };

// The row numbered `number` (1 to 6); none for any other number (0: no row selected).
constexpr std::optional<ParameterRow> parameter_row(int number) {
    if (number < 1 || number > 6) return std::nullopt;
    return static_cast<ParameterRow>(number);
}

struct RowText {
    std::string_view text;    // what IDC_NEAREST shows, without leading or trailing blanks
    std::string_view caption; // what IDC_NEAREST_LABEL shows
};

// X in canonical form, as the value edit shows it after a rebuild: the format's value form with
// a plus sign ("(SP,1pE)" for binary32, "(SP,1pD)" for binary64 and binary128), without
// leading blanks; 0.1 in binary32 is "+1.0000000E-01", 65504 in binary16 "+6.5504E+04".
std::string_view canonical_value(const FormatTraits& format, Word128 word, NumberText& room);

// Row 1: E of a datum whose exponent field holds `exponent_field`, the field's value minus
// the bias, or Emin for a zero or a subnormal number (by `flags`); the caption names it with
// " (Emin)" after it for an exponent field 00...0x, otherwise " (Emax)" for 11...1x,
// otherwise " (E)".
std::string_view representation_exponent_label(const ClassFlags& flags, Language lang);
RowText exponent_row(const FormatTraits& format, Word128 exponent_field, const ClassFlags& flags,
                     Language lang, NumberText& room);

// Row 2: the significand of a trailing significand field `significand_field`, 1.b1b2... for
// a normal number, 0.b1b2... for a subnormal number and 0 for a zero (by `flags`), exact in
// the format's type and written with its significand form; the caption "     Semnificand" or
// "     Significand".
RowText significand_row(const FormatTraits& format, Word128 significand_field,
                        const ClassFlags& flags, Language lang, NumberText& room);

// Row 3: ULP(X) of a finite word, without blanks; the caption "        ULP(X)" in either
// language.
RowText ulp_row(const FormatTraits& format, Word128 word, NumberText& room);

// The text of a neighbour that does not exist: beyond the largest finite number of a format
// without infinities (E4M3).
constexpr std::string_view NO_NEIGHBOUR = "none";

// Rows 4 and 5: X+ (`upward`) or X-. In decimal, the layout of ULP(X) with the caption
// "      Nearest, > X" or "      Nearest, < X"; in `binary`, the stored bit pattern with
// its fields separated by "_": whole for formats of 32 bits or fewer ("s_eeeeeeee_f...f", 34
// characters for binary32), for binary64 and binary128 the sign, the exponent and "_..."
// before the last 16 significand bits, where a neighbour differs from X; the caption says
// which neighbour and which layout, in language `lang`.
RowText neighbour_row(const FormatTraits& format, Word128 word, bool upward, bool binary,
                      Language lang, NumberText& room);

// Row 6: the definition of epsilon with the literal one of the format ("Epsilon = ULP(1.0).",
// "Epsilon = ULP(1.D0).", "Epsilon = ULP(1.Q0).") and the caption "Epsilon".
RowText epsilon_row(const FormatTraits& format);

} // namespace binora
