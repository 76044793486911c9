#include "current/window_read_out.hpp"

#include "state/comun.hpp"

namespace binora {

namespace {

// One for the whole run: its texts keep their storage from one ask to the next.
ValueReadOut& the_read_out() {
    static ValueReadOut read_out;
    return read_out;
}

} // namespace

const ValueReadOut& read_out_for_window(const FormatTraits& format, Word128 word, unsigned parts,
                                        const StandingFields* standing) {
    read_out_value(format, word, COMUN.LANG, the_read_out(), parts, standing);
    return the_read_out();
}

const ValueReadOut& window_read_out() {
    return the_read_out();
}

ClassFlags shared_class_flags() {
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

void keep_class_flags(const ClassFlags& flags) {
    COMUN.IS_ZERO = flags.is_zero;
    COMUN.IS_SUBNORMAL = flags.is_subnormal;
    COMUN.IS_INFINITY = flags.is_infinity;
    COMUN.IS_NAN = flags.is_nan;
    COMUN.IS_FINITE = flags.is_finite;
    COMUN.IS_EXP_MAX = flags.is_exp_max;
    COMUN.IS_EXP_MIN = flags.is_exp_min;
}

} // namespace binora
