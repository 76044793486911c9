#include "engine/sub_fraction.hpp"

#include "dialog/dialog_operations.hpp"
#include "engine/number_format.hpp"
#include "engine/storage_word.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "shell/resources/resource.hpp"

#include <quadmath.h>

#include <cmath>
#include <string>

namespace binora {

namespace {

constexpr std::size_t READ_OUT_LENGTH = 42;
constexpr std::size_t LABEL_LENGTH = 40;

// The trailing significand field, read from the edit(s) of the kind as one integer (for
// binary128 the 48-bit part, then the 64-bit part).
Word128 significand_field(DIALOG_RECORD& dialog, const FormatTraits& f) {
    Word128 field = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(f.significand_edit_count()); ++i) {
        std::string char_t;
        const int bits = f.significand_edit_bits[i];
        DIALOG_GET_TEXT(dialog, f.significand_edits[i], char_t, static_cast<std::size_t>(bits));
        field = (field << bits) | word_from_bit_string(char_t);
    }
    return field;
}

float scaled(float x, int exponent) {
    return std::ldexp(x, exponent);
}
double scaled(double x, int exponent) {
    return std::ldexp(x, exponent);
}
__float128 scaled(__float128 x, int exponent) {
    return scalbnq(x, exponent);
}

// field / 2^bits, plus 1 with the hidden bit, in the precision of the kind; exact, as the
// field has fewer bits than the precision.
template <typename Real> Real significand_value(Word128 field, int bits, bool hidden) {
    Real value = scaled(static_cast<Real>(field), -bits);
    if (hidden) value += 1;
    return value;
}

} // namespace

void SUB_FRACTION(DIALOG_RECORD& dialog) {
    const FormatTraits* f = find_format(COMUN.KIND_REAL);
    if (f == nullptr) return;
    const Word128 field = significand_field(dialog, *f);
    const bool hidden = COMUN.IS_FINITE && !COMUN.IS_SUBNORMAL && !COMUN.IS_ZERO;
    const int bits = f->significand_bits;
    const NumberForm form = significand_form(f->kind);
    std::string text;
    switch (f->kind) {
    case 4:
        text = format_number(significand_value<float>(field, bits, hidden), form);
        break;
    case 8:
        text = format_number(significand_value<double>(field, bits, hidden), form);
        break;
    default:
        text = format_number(significand_value<__float128>(field, bits, hidden), form);
        break;
    }
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, cut_to(trim_left(text), READ_OUT_LENGTH));

    static const TwoLanguageText static_text = {pad_to("     Semnificand", LABEL_LENGTH),
                                                pad_to("     Significand", LABEL_LENGTH)};
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, trim_right(in_language(static_text, COMUN.LANG)));
}

} // namespace binora
