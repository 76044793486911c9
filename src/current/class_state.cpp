#include "current/class_state.hpp"

#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "readout/class_text.hpp"

#include <string>

namespace binora {

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

void ISINFINITY_OR_NAN() {
    const TypedSpelling spelling = typed_spelling(COMUN.VALUE_CHAR);
    const char* const sign = spelling.negative ? "1" : "0";
    COMUN.IS_INFINITY = false;
    COMUN.IS_NAN = spelling.is_nan;
    COMUN.NAN_SIGN = sign;
    if (COMUN.IS_NAN) return;
    COMUN.IS_INFINITY = spelling.is_infinity;
    COMUN.INF_SIGN = sign;
}

void RETRIEVEDATATYPE() {
    const ClassFlags flags = current_class_flags();
    const int languages[] = {LANG_ROMANIAN, LANG_ENGLISH};
    static std::string room; // reused: no allocation per class text
    for (std::size_t i = 0; i < COMUN.DATATYPE.size(); ++i) {
        const std::string_view text = class_text(flags, COMUN.KIND_REAL, languages[i], room);
        // Padded in place: the texts keep their storage.
        COMUN.DATATYPE[i].assign(cut_to(text, DATATYPE_LENGTH));
        COMUN.DATATYPE[i].resize(DATATYPE_LENGTH, ' ');
    }
}

} // namespace binora
