#pragma once

#include "dialog/dialog_record.hpp"
#include "numeric/float_traits.hpp"

namespace binora {

// The significand sig of a trailing significand field of `bits` bits: field / 2^bits, plus 1
// with the hidden bit, in the precision of the kind; exact, as the field has fewer bits than
// the precision.
template <typename Real> Real significand_value(Word128 field, int bits, bool hidden) {
    Real value = FloatTraits<Real>::ldexp(static_cast<Real>(field), -bits);
    if (hidden) value += 1;
    return value;
}

// Shows in IDC_NEAREST the significand of the bits now in the significand edit(s) of the
// current kind, written with significand_form (number_format.hpp) and left-justified:
// 1.b1b2... for a normal number, 0.b1b2... for a subnormal number, 0 for a zero (by COMUN's
// class flags; significand_value). IDC_NEAREST_LABEL gets "     Significand" in the language LANG.
void SUB_FRACTION(DIALOG_RECORD& dialog);

} // namespace binora
