#include "readout/conversion_error_texts.hpp"

#include "numeric/classify.hpp"
#include "numeric/conversion_error.hpp"
#include "numeric/decimal_reader.hpp"

namespace binora {

bool write_conversion_error(const FormatTraits& format, std::string_view typed, Word128 word,
                            std::string& error, std::string& error_ulps) {
    const TypedSpelling spelling = typed_spelling(typed);
    if (spelling.is_nan || spelling.is_infinity) return false;
    if (!class_of_word(format, word).is_finite) return false;
    std::string buffer;
    const DecimalScan scan = scan_decimal(typed, buffer);
    if (scan.status != ReadStatus::ok) return false;

    const WordSignificand number = significand_of(format, word);
    ConversionOperands operands;
    operands.c_text = scan.c_text;
    operands.negative = sign_of(format, word);
    operands.significand = number.significand;
    // The weight of the significand's last bit is ULP(X), 2^(E + 1 - P).
    operands.exponent2 = number.exponent2;
    operands.ulp_exponent = number.exponent2;
    write_conversion_error(operands, error, error_ulps);
    return true;
}

} // namespace binora
