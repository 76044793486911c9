#pragma once

// The decimal output forms of every read-out: exponent forms with scale factor 1.
//
// A form writes one digit before the decimal point (nonzero unless the value is zero), the
// point, `digits` digits after it, the exponent letter, the exponent sign and the decimal
// exponent zero-padded to `exponent_digits`; an exponent that needs more digits gets them
// and keeps its letter. The digits are the value correctly rounded to nearest, ties to even
// (std::to_chars for binary32 and binary64, libquadmath for binary128: both exact). A
// negative value, negative zero included, gets "-"; with `plus_sign` every other value gets
// "+". An infinity is written "Infinity" with its sign ("+" only with `plus_sign`), a NaN
// "NaN" without sign. The text is right-justified in `width` characters; a text longer than
// `width` is returned whole, never cut.
//
// The forms of each format are in its row of the table (model/format_traits.hpp):
//   significand_form    binary32 "(1pE14.7)"   w 14, d 7,  E, 2    1.5 -> " 1.5000000E+00"
//                       binary64 "(1pE22.15)"  w 22, d 15, E, 2
//                       binary128 "(1pE41.33)" w 41, d 33, E, 2
//   value_form          binary32 "(1pE)"       w 15, d 7,  E, 2    1.0 -> "  1.0000000E+00"
//                       binary64 "(1pD)"       w 25, d 16, D, 2    2^-1074 ->
//                       "4.9406564584124654D-324" binary128 "(1pD)"      w 42, d 33, D, 3
//   kind_form(f, true)  "(SP,1pE)" for binary32, "(SP,1pD)" for the others: the same with "+".
// A value is written with the form of its own format: format_number(X8, kind_form(FORMATS[1])).
// Callers that show the text remove the leading blanks (trim_left of fixed_text.hpp).

#include "model/format_traits.hpp"

#include <string>
#include <string_view>

namespace binora {

// The value form of a format ("(1pE)", "(1pD)"), and with `plus_sign` "(SP,1pE)" or
// "(SP,1pD)".
constexpr NumberForm kind_form(const FormatTraits& format, bool plus_sign = false) {
    NumberForm form = format.value_form;
    form.plus_sign = plus_sign;
    return form;
}

// Room for the text of every form: width 42 at most, or 33 digits with sign, point and
// exponent.
struct NumberText {
    char chars[96];
};

// The text of `value` in `form`, written into `text`, which the view points into.
std::string_view format_number(float value, const NumberForm& form, NumberText& text);
std::string_view format_number(double value, const NumberForm& form, NumberText& text);
std::string_view format_number(__float128 value, const NumberForm& form, NumberText& text);

} // namespace binora
