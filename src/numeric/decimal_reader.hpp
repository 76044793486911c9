#pragma once

// Reading one decimal number from a text into binary32, binary64 or binary128.
//
// Syntax: leading blanks (spaces, tabs) are skipped; the number ends at the first blank,
// comma or slash, or at the end of the text, and whatever follows is not looked at. The
// number is an optional sign, digits with an optional decimal point (at least one digit
// before or after it), and an optional exponent part: one of the letters E, e, D, d, then an
// optionally signed integer. Everything else is refused as invalid, on purpose: hexadecimal
// numbers, "inf"/"nan" words in any spelling, repeat counts ("2*3"), an exponent without
// its letter ("1+5"), doubled signs, a second point.
//
// Rounding: the decimal value is rounded once, to nearest with ties to even, straight from
// the text into the target format (binary32 is never read by way of binary64). Magnitudes
// below the smallest normal number give the correctly rounded subnormal number or a signed
// zero without any error; "-0" gives negative zero. A magnitude that rounds above the
// largest finite number is reported as overflow. Any length of text is read in time
// proportional to its length.

#include "model/format_traits.hpp"

#include <string>
#include <string_view>

namespace binora {

enum class ReadStatus {
    ok,        // `value` holds the number
    no_number, // the text (after leading blanks) begins with a comma or slash
    invalid,   // the text is not a number of the syntax above
    overflow,  // the number rounds above the largest finite number of the format
};

template <typename Real> struct ReadResult {
    ReadStatus status = ReadStatus::invalid;
    Real value = 0; // meaningful only when status is ok
};

// Reads `text` into Real: float (binary32), double (binary64) or __float128 (binary128).
template <typename Real> ReadResult<Real> read_decimal(std::string_view text);

// Reads `text` into a narrow format (model/format_traits.hpp: NARROW_FORMATS); the value is
// exact in the double. Overflow: the rounded magnitude exceeds the largest finite number.
ReadResult<double> read_narrow(const FormatTraits& format, std::string_view text);

// The number of `text` in the C library's syntax (an optional "-", digits with an optional
// point, an optional exponent "e" and an optionally signed integer), found with the syntax
// above: a part of `text`, or of `buffer` where a letter D had to become an "e". The status
// is ok, no_number or invalid (overflow is for the readers to tell).
struct DecimalScan {
    ReadStatus status = ReadStatus::invalid;
    std::string_view c_text;
};
DecimalScan scan_decimal(std::string_view text, std::string& buffer);

} // namespace binora
