#pragma once

// The machine's four rounding modes beside the core's directions, and the flags the machine
// raised in the core's terms: for the tests against the machine's own arithmetic and its C
// library's reading.

#include "arith/operation.hpp"

#include <cfenv>

namespace binora::testing {

struct MachineMode {
    int fenv; // for fesetround
    Rounding rounding;
};
inline constexpr MachineMode MACHINE_MODES[] = {{FE_TONEAREST, Rounding::rne},
                                                {FE_TOWARDZERO, Rounding::rtz},
                                                {FE_UPWARD, Rounding::rup},
                                                {FE_DOWNWARD, Rounding::rdn}};

// ExceptionFlag bits of fetestexcept's answer `raised`.
inline unsigned flags_of(int raised) {
    unsigned flags = 0;
    if ((raised & FE_INVALID) != 0) flags |= FLAG_INVALID;
    if ((raised & FE_DIVBYZERO) != 0) flags |= FLAG_DIVBYZERO;
    if ((raised & FE_OVERFLOW) != 0) flags |= FLAG_OVERFLOW;
    if ((raised & FE_UNDERFLOW) != 0) flags |= FLAG_UNDERFLOW;
    if ((raised & FE_INEXACT) != 0) flags |= FLAG_INEXACT;
    return flags;
}

} // namespace binora::testing
