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

// The classes in the order in which the flags are asked: the first flag set names the class.
enum ClassRow : std::size_t { ZERO_ROW, SUBNORMAL_ROW, INFINITY_ROW, NAN_ROW, NORMAL_ROW, ROWS };

ClassRow class_row(const ClassFlags& flags) {
    if (flags.is_zero) return ZERO_ROW;
    if (flags.is_subnormal) return SUBNORMAL_ROW;
    if (flags.is_infinity) return INFINITY_ROW;
    if (flags.is_nan) return NAN_ROW;
    return NORMAL_ROW;
}

TwoLanguageText texts_of_row(ClassRow row, int kind) {
    switch (row) {
    case ZERO_ROW:
        return {"Zero cu semn", "Signed Zero"};
    case SUBNORMAL_ROW:
        return {"Numar denormalizat", "Denormalized Number"};
    case INFINITY_ROW:
        return {"Infinit cu semn", "Signed Infinity"};
    case NAN_ROW:
        return {"Non-Numar", "Not-a-Number"};
    default: {
        const std::string k = std::to_string(kind);
        return {"Numar normalizat: Real(" + k + ")", "Normalized Number: Real(" + k + ")"};
    }
    }
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

ClassFlags class_of_fields(std::int32_t exponent_width, std::int32_t significand_width,
                           std::string_view exponent_bits, std::string_view significand_bits) {
    const bool exponent_zeros = ALLBITS_ZERO(exponent_width, exponent_bits);
    const bool exponent_ones = ALLBITS_ONE(exponent_width, exponent_bits);
    const bool significand_zeros = ALLBITS_ZERO(significand_width, significand_bits);
    ClassFlags flags;
    flags.is_zero = exponent_zeros && significand_zeros;
    flags.is_subnormal = exponent_zeros && !significand_zeros;
    flags.is_infinity = exponent_ones && significand_zeros;
    flags.is_nan = exponent_ones && !significand_zeros;
    flags.is_finite = !exponent_ones;
    flags.is_exp_max = ALLONE_EXCEPT_LAST(exponent_width, exponent_bits);
    flags.is_exp_min = ALLZERO_EXCEPT_LAST(exponent_width, exponent_bits);
    return flags;
}

ClassFlags current_class_flags() {
    ClassFlags flags;
    flags.is_zero = COMUN.IS_ZERO;
    flags.is_subnormal = COMUN.IS_SUBNORMAL;
    flags.is_infinity = COMUN.IS_INFINITY;
    flags.is_nan = COMUN.IS_NAN;
    flags.is_finite = COMUN.IS_FINITE;
    flags.is_exp_max = COMUN.IS_EXP_MAX;
    flags.is_exp_min = COMUN.IS_EXP_MIN;
    return flags;
}

TwoLanguageText class_texts(const ClassFlags& flags, int kind) {
    return texts_of_row(class_row(flags), kind);
}

void ISNONNUMBER(std::int32_t exponent_width, std::int32_t significand_width,
                 std::string_view exponent_bits, std::string_view significand_bits) {
    const ClassFlags flags =
        class_of_fields(exponent_width, significand_width, exponent_bits, significand_bits);
    COMUN.IS_ZERO = flags.is_zero;
    COMUN.IS_SUBNORMAL = flags.is_subnormal;
    COMUN.IS_INFINITY = flags.is_infinity;
    COMUN.IS_NAN = flags.is_nan;
    COMUN.IS_FINITE = flags.is_finite;
    COMUN.IS_EXP_MAX = flags.is_exp_max;
    COMUN.IS_EXP_MIN = flags.is_exp_min;
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
    // The class texts of the three kinds, built once: [kind 4, 8, 16][class row].
    static const auto texts = [] {
        std::array<std::array<TwoLanguageText, ROWS>, 3> table;
        const int kinds[] = {4, 8, 16};
        for (std::size_t k = 0; k < table.size(); ++k)
            for (std::size_t row = 0; row < ROWS; ++row)
                table[k][row] = texts_of_row(static_cast<ClassRow>(row), kinds[k]);
        return table;
    }();
    // Padded in place: the texts keep their storage.
    const auto set_padded = [](const TwoLanguageText& text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            COMUN.DATATYPE[i].assign(cut_to(text[i], DATATYPE_LENGTH));
            COMUN.DATATYPE[i].resize(DATATYPE_LENGTH, ' ');
        }
    };
    const ClassFlags flags = current_class_flags();
    const int kind = COMUN.KIND_REAL;
    if (kind != 4 && kind != 8 && kind != 16) {
        set_padded(class_texts(flags, kind));
        return;
    }
    const std::size_t k = kind == 4 ? 0 : (kind == 8 ? 1 : 2);
    set_padded(texts[k][class_row(flags)]);
}

} // namespace binora
