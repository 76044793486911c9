#include "readout/conversion_error_texts.hpp"

#include "numeric/classify.hpp"
#include "numeric/conversion_error.hpp"
#include "numeric/decimal_reader.hpp"

#include <algorithm>

namespace binora {

bool write_conversion_error(const FormatTraits& format, std::string_view typed, Word128 word,
                            std::string& error, std::string& error_ulps) {
    const TypedSpelling spelling = typed_spelling(typed);
    if (spelling.is_nan || spelling.is_infinity) return false;
    if (!class_of_word(format, word).is_finite) return false;
    std::string buffer;
    const DecimalScan scan = scan_decimal(typed, buffer);
    if (scan.status != ReadStatus::ok) return false;

    const Word128 one = 1;
    const auto biased =
        static_cast<int>((word >> format.significand_bits) & ((one << format.exponent_bits) - 1));
    const Word128 fraction = word & ((one << format.significand_bits) - 1);
    ConversionOperands operands;
    operands.c_text = scan.c_text;
    operands.negative = ((word >> (format.storage_bits - 1)) & one) != 0;
    operands.significand = biased == 0 ? fraction : fraction | (one << format.significand_bits);
    // E, and the weight of the significand's last bit, 2^(E + 1 - P).
    const int exponent = std::max(biased, 1) - format.bias;
    operands.exponent2 = exponent - format.significand_bits;
    operands.ulp_exponent = operands.exponent2;
    write_conversion_error(operands, error, error_ulps);
    return true;
}

} // namespace binora
