#include "numeric/classify.hpp"

#include "model/comun.hpp"
#include "model/fixed_text.hpp"

#include <array>
#include <initializer_list>
#include <string>

namespace binora {

namespace {

// True when characters 1..count of `bits` all equal `digit`; a missing character fails.
bool all_digits(std::int32_t count, std::string_view bits, char digit) {
    for (std::int32_t i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (at >= bits.size() || bits[at] != digit) return false;
    }
    return true;
}

bool starts_with_one_of(std::string_view head, std::initializer_list<std::string_view> forms) {
    for (const auto form : forms)
        if (head == form) return true;
    return false;
}

} // namespace

bool ALLBITS_ZERO(std::int32_t n, std::string_view bits) {
    return all_digits(n, bits, '0');
}

bool ALLBITS_ONE(std::int32_t n, std::string_view bits) {
    return all_digits(n, bits, '1');
}

bool ALLZERO_EXCEPT_LAST(std::int32_t n, std::string_view bits) {
    return all_digits(n - 1, bits, '0');
}

bool ALLONE_EXCEPT_LAST(std::int32_t n, std::string_view bits) {
    return all_digits(n - 1, bits, '1');
}

void ISNONNUMBER(std::int32_t exponent_width, std::int32_t significand_width,
                 std::string_view exponent_bits, std::string_view significand_bits) {
    const bool exponent_zeros = ALLBITS_ZERO(exponent_width, exponent_bits);
    const bool exponent_ones = ALLBITS_ONE(exponent_width, exponent_bits);
    const bool significand_zeros = ALLBITS_ZERO(significand_width, significand_bits);
    COMUN.IS_ZERO = exponent_zeros && significand_zeros;
    COMUN.IS_SUBNORMAL = exponent_zeros && !significand_zeros;
    COMUN.IS_INFINITY = exponent_ones && significand_zeros;
    COMUN.IS_NAN = exponent_ones && !significand_zeros;
    COMUN.IS_FINITE = !exponent_ones;
    COMUN.IS_EXP_MAX = ALLONE_EXCEPT_LAST(exponent_width, exponent_bits);
    COMUN.IS_EXP_MIN = ALLZERO_EXCEPT_LAST(exponent_width, exponent_bits);
}

void ISINFINITY_OR_NAN() {
    // A shorter text is compared as if blank-padded, as the fixed-length VALUE_CHAR is.
    const std::string head = pad_to(COMUN.VALUE_CHAR, 3);
    const std::string sign = head[0] == '-' ? "1" : "0";
    COMUN.IS_INFINITY = false;
    COMUN.IS_NAN =
        starts_with_one_of(head, {"NaN", "Nan", "nan", "naN", "+Na", "+na", "-Na", "-na"});
    COMUN.NAN_SIGN = sign;
    if (COMUN.IS_NAN) return;
    COMUN.IS_INFINITY = starts_with_one_of(head, {"Inf", "inf", "+In", "+in", "-In", "-in"});
    COMUN.INF_SIGN = sign;
}

void RETRIEVEDATATYPE() {
    std::array<std::string, 2> text;
    if (COMUN.IS_ZERO) {
        text = {"Zero cu semn", "Signed Zero"};
    } else if (COMUN.IS_SUBNORMAL) {
        text = {"Numar denormalizat", "Denormalized Number"};
    } else if (COMUN.IS_INFINITY) {
        text = {"Infinit cu semn", "Signed Infinity"};
    } else if (!COMUN.IS_NAN) {
        const std::string kind = std::to_string(COMUN.KIND_REAL);
        text = {"Numar normalizat: Real(" + kind + ")", "Normalized Number: Real(" + kind + ")"};
    } else {
        text = {"Non-Numar", "Not-a-Number"};
    }
    COMUN.DATATYPE = {pad_to(text[0], DATATYPE_LENGTH), pad_to(text[1], DATATYPE_LENGTH)};
}

} // namespace binora
