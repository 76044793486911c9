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
// The forms in use, by name:
//   significand_form(4)  "(1pE14.7)"   w 14, d 7,  E, 2    1.5 -> " 1.5000000E+00"
//   significand_form(8)  "(1pE22.15)"  w 22, d 15, E, 2
//   significand_form(16) "(1pE41.33)"  w 41, d 33, E, 2
//   kind_form(4)         "(1pE)"       w 15, d 7,  E, 2    1.0 -> "  1.0000000E+00"
//   kind_form(8)         "(1pD)"       w 25, d 16, D, 2    2^-1074 -> "4.9406564584124654D-324"
//   kind_form(16)        "(1pD)"       w 42, d 33, D, 3
//   kind_form(k, true)   "(SP,1pE)" for 4, "(SP,1pD)" for 8 and 16: the same with "+".
// A value is written with the form of its own kind: format_number(X8, kind_form(8)).
// Callers that show the text remove the leading blanks (trim_left of fixed_text.hpp).

#include <string>
#include <string_view>

namespace binora {

struct NumberForm {
    int width;            // w: the text is right-justified in this many characters
    int digits;           // d: digits after the decimal point
    char exponent_letter; // 'E' or 'D'
    int exponent_digits;  // minimum number of exponent digits
    bool plus_sign;       // "SP": a plus sign before values that are not negative
};

// The significand read-out form of kind 4, 8 or 16.
NumberForm significand_form(int kind);

// The form without width of kind 4, 8 or 16: "(1pE)" or "(1pD)", and with `plus_sign`
// "(SP,1pE)" or "(SP,1pD)".
NumberForm kind_form(int kind, bool plus_sign = false);

// Room for the text of every form: width 42 at most, or 33 digits with sign, point and
// exponent.
struct NumberText {
    char chars[96];
};

// The text of `value` in `form`, written into `text`, which the view points into.
std::string_view format_number(float value, const NumberForm& form, NumberText& text);
std::string_view format_number(double value, const NumberForm& form, NumberText& text);
std::string_view format_number(__float128 value, const NumberForm& form, NumberText& text);

// The same text as a string.
std::string format_number(float value, const NumberForm& form);
std::string format_number(double value, const NumberForm& form);
std::string format_number(__float128 value, const NumberForm& form);

} // namespace binora
