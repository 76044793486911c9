#include "engine/sub_fraction.hpp"

#include "bitedit/format_controls.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "numeric/current_x.hpp"
#include "numeric/number_format.hpp"
#include "numeric/storage_word.hpp"
#include "resources/resource.hpp"

#include <string>

namespace binora {

namespace {

constexpr std::size_t READ_OUT_LENGTH = 42;
constexpr std::size_t LABEL_LENGTH = 40;

// The trailing significand field, read from the edit(s) of the kind as one integer (for
// binary128 the 48-bit part, then the 64-bit part).
Word128 significand_field(DIALOG_RECORD& dialog, const FormatControls& controls) {
    Word128 field = 0;
    static std::string char_t; // reused: no allocation per read-out
    for (const BitField& part : controls.significand()) {
        char_t.clear();
        DIALOG_GET_TEXT(dialog, part.edit, char_t, static_cast<std::size_t>(part.bits));
        field = (field << part.bits) | word_from_bit_string(char_t);
    }
    return field;
}

} // namespace

void SUB_FRACTION(DIALOG_RECORD& dialog) {
    const FormatControls* controls = find_controls(COMUN.KIND_REAL);
    if (controls == nullptr) return;
    const Word128 field = significand_field(dialog, *controls);
    const bool hidden = COMUN.IS_FINITE && !COMUN.IS_SUBNORMAL && !COMUN.IS_ZERO;
    NumberText number;
    std::string_view text;
    with_current_x([&](const auto&, auto traits) {
        using T = decltype(traits);
        const auto value =
            significand_value<typename T::Real>(field, T::format.significand_bits, hidden);
        text = format_number(value, significand_form(T::kind), number);
    });
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, cut_to(trim_left(text), READ_OUT_LENGTH));

    static const TwoLanguageText static_text = {pad_to("     Semnificand", LABEL_LENGTH),
                                                pad_to("     Significand", LABEL_LENGTH)};
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, trim_right(in_language(static_text, COMUN.LANG)));
}

} // namespace binora
