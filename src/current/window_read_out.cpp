#include "current/window_read_out.hpp"

#include "state/comun.hpp"

#include <utility>

namespace binora {

namespace {

// One for the whole run: its texts keep their storage from one ask to the next.
ValueReadOut& the_read_out() {
    static ValueReadOut read_out;
    return read_out;
}

// COMUN's class flags beside the read-out's.
constexpr std::pair<bool Comun::*, bool ClassFlags::*> CLASS_FLAGS[] = {
    {&Comun::IS_ZERO, &ClassFlags::is_zero},
    {&Comun::IS_SUBNORMAL, &ClassFlags::is_subnormal},
    {&Comun::IS_INFINITY, &ClassFlags::is_infinity},
    {&Comun::IS_NAN, &ClassFlags::is_nan},
    {&Comun::IS_FINITE, &ClassFlags::is_finite},
    {&Comun::IS_EXP_MAX, &ClassFlags::is_exp_max},
    {&Comun::IS_EXP_MIN, &ClassFlags::is_exp_min},
};

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
    for (const auto& [shared, flag] : CLASS_FLAGS)
        flags.*flag = COMUN.*shared;
    return flags;
}

void keep_class_flags(const ClassFlags& flags) {
    for (const auto& [shared, flag] : CLASS_FLAGS)
        COMUN.*shared = flags.*flag;
}

} // namespace binora
