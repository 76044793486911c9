#pragma once

// ULP(x), the unit in the last place of x in its own format: the spacing of the format just
// above |x|. For |x| at or above the smallest normal number 2^Emin it is 2^(E + 1 - P), E the
// representation exponent and P the precision; for a zero or a subnormal number it is the
// smallest positive subnormal number 2^(Emin - P + 1). The sign of x plays no part. For every
// finite x the result is exact, positive and never zero; at a power of two it is the spacing
// above the value (ULP(1) = 2^(1 - P), the epsilon). Pure functions.

#include "numeric/float_traits.hpp"
#include "numeric/format_word.hpp"

namespace binora {

// ULP of the finite number stored in `word` by `format`: the weight of its significand's last
// bit, in Real (the format's own type, or a double for a narrow format, which holds it
// exactly).
template <typename Real> Real ulp_of_word(const FormatTraits& format, Word128 word) {
    return FloatTraits<Real>::ldexp(1, significand_of(format, word).exponent2);
}

} // namespace binora
