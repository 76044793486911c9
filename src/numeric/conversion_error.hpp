#pragma once

// How far a stored binary number lies from the decimal number typed: the difference written
// exactly, and the same in units of ULP of the stored number. Exact integer arithmetic (GMP).

#include "numeric/storage_word.hpp"

#include <string>
#include <string_view>

namespace binora {

// The typed number: `c_text` in the C library's syntax (decimal_reader.hpp: scan_decimal),
// whose exponent may have any number of digits. The stored number: (-1)^negative *
// significand * 2^exponent2, with ULP 2^ulp_exponent.
struct ConversionOperands {
    std::string_view c_text;
    bool negative = false;
    Word128 significand = 0;
    int exponent2 = 0;
    int ulp_exponent = 0;
};

// `error` gets typed - stored, exactly, in the layout of exact_decimal.hpp (a "-" for a
// negative difference, the integer digits, and a point and the fraction digits without
// trailing zeros when there are any; "0" for none). A difference of more than 20,000
// fraction digits (a typed number far below the smallest subnormal, stored as a zero) is
// written as its significant digits, exactly, with an exponent: "1E-100000".
// `error_ulps` gets (typed - stored) / ULP rounded to nearest with ties to even to four
// significant digits, written "d.dddE+xx" (at least two exponent digits, "-" in front of
// a negative one): "2.500E-01", "0.000E+00" for none.
void write_conversion_error(const ConversionOperands& operands, std::string& error,
                            std::string& error_ulps);

} // namespace binora
