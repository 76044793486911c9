#include "engine/sub_fraction.hpp"

#include "bitedit/format_controls.hpp"
#include "current/class_state.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "model/format_traits.hpp"
#include "readout/parameter_rows.hpp"
#include "resources/resource.hpp"

#include <string>

namespace binora {

namespace {

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
    const FormatTraits* format = find_format(COMUN.KIND_REAL);
    if (format == nullptr) return;
    const Word128 field = significand_field(dialog, controls_of(format->kind));
    NumberText room;
    const RowText row = significand_row(*format, field, current_class_flags(), COMUN.LANG, room);
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, row.text);
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, row.caption);
}

} // namespace binora
