#pragma once

// The read-outs of a datum as the window shows them in IDC_NEAREST and IDC_NEAREST_LABEL, one
// function per row of the parameter list, and X written back in canonical form. Each is a
// function of its arguments only: a format, the stored word (or, for E and the significand,
// the field that stands in the edits), the class flags where the text depends on the class,
// and the language (1 Romanian, 2 English) where a caption does. A row's text is written
// into `room`, which its view points into; captions are static texts.

#include "model/format_traits.hpp"
#include "numeric/classify.hpp"
#include "numeric/float_traits.hpp"
#include "numeric/number_format.hpp"
#include "numeric/storage_word.hpp"

#include <string_view>

namespace binora {

struct RowText {
    std::string_view text;    // what IDC_NEAREST shows, without leading or trailing blanks
    std::string_view caption; // what IDC_NEAREST_LABEL shows
};

// X in canonical form, as the value edit shows it after a rebuild: "(SP,1pE)" for binary32,
// "(SP,1pD)" for binary64 and binary128 (number_format.hpp), without leading blanks; 0.1 in
// binary32 is "+1.0000000E-01". A narrow format writes as many significant digits as its
// values need (FormatTraits::decimal_digits) with the letter E: 65504 in binary16 is
// "+6.5504E+04". Every row below writes a narrow format's numbers in the same form.
std::string_view canonical_value(const FormatTraits& format, Word128 word, NumberText& room);

// Row 1: E of a datum whose exponent field holds `exponent_field`, the field's value minus
// the bias, or Emin for a zero or a subnormal number (by `flags`); the caption names it with
// " (Emin)" after it for an exponent field 00...0x, otherwise " (Emax)" for 11...1x,
// otherwise " (E)".
int representation_exponent(const FormatTraits& format, Word128 exponent_field,
                            const ClassFlags& flags);
std::string_view representation_exponent_label(const ClassFlags& flags, int lang);
RowText exponent_row(const FormatTraits& format, Word128 exponent_field, const ClassFlags& flags,
                     int lang, NumberText& room);

// The significand sig of a trailing significand field of `bits` bits: field / 2^bits, plus 1
// with the hidden bit, in the precision of the kind; exact, as the field has fewer bits than
// the precision.
template <typename Real> Real significand_value(Word128 field, int bits, bool hidden) {
    Real value = FloatTraits<Real>::ldexp(static_cast<Real>(field), -bits);
    if (hidden) value += 1;
    return value;
}

// Row 2: the significand of a trailing significand field `significand_field`, 1.b1b2... for
// a normal number, 0.b1b2... for a subnormal number and 0 for a zero (by `flags`), written
// with significand_form (number_format.hpp); the caption "     Semnificand" or
// "     Significand".
RowText significand_row(const FormatTraits& format, Word128 significand_field,
                        const ClassFlags& flags, int lang, NumberText& room);

// Row 3: ULP(X) with kind_form ("(1pE)" for binary32, "(1pD)" for binary64 and binary128),
// right-justified as the form writes it (ulp_number) and without blanks (ulp_row, whose
// caption is "        ULP(X)" in either language).
std::string_view ulp_number(const FormatTraits& format, Word128 word, NumberText& room);
RowText ulp_row(const FormatTraits& format, Word128 word, NumberText& room);

// The text of a neighbour that does not exist: beyond the largest finite number of a format
// without infinities (E4M3).
constexpr std::string_view NO_NEIGHBOUR = "none";

// Rows 4 and 5: X+ (`upward`) or X-. In decimal, the layout of ULP(X) with the caption
// "      Nearest, > X" or "      Nearest, < X"; in `binary`, the stored bit pattern with
// its fields separated by "_": whole for binary32 ("s_eeeeeeee_f...f", 34 characters), for
// binary64 and binary128 the sign, the exponent and "_..." before the last 16 significand
// bits, where a neighbour differs from X; the caption says which neighbour and which layout,
// in language `lang`. A narrow format's neighbours are written in its decimal form, and as a
// whole word like binary32's.
RowText neighbour_row(const FormatTraits& format, Word128 word, bool upward, bool binary, int lang,
                      NumberText& room);

// Row 6: the definition of epsilon with the literal one of the kind ("Epsilon = ULP(1.0)."
// for binary32 and the narrow formats, "Epsilon = ULP(1.D0).", "Epsilon = ULP(1.Q0).") and
// the caption "Epsilon".
RowText epsilon_row(const FormatTraits& format);

} // namespace binora
