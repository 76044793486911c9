#include "engine/sub_list.hpp"

#include "bitedit/bit_fields.hpp"
#include "current/current_x.hpp"
#include "current/window_read_out.hpp"
#include "dialog/dialog_operations.hpp"
#include "readout/parameter_rows.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"

#include <span>

namespace binora {

namespace {

// The field that stands in the edit(s) `parts` (binary128's significand: the 48-bit part,
// then the 64-bit part), read as one unsigned integer with blanks ignored.
Word128 standing_field(DIALOG_RECORD& dialog, std::span<const BitField> parts) {
    Word128 field = 0;
    for (const BitField& part : parts)
        field = (field << part.bits) | word_from_bit_string(read_bit_field(dialog, part));
    return field;
}

// Asks the core for one row of X and shows it. Rows 1 and 2 read the fields that stand in
// the edits, with the class X had at its last rebuild.
void show_row(DIALOG_RECORD& dialog, ReadOutPart part, RowText ValueReadOut::*row) {
    const FormatTraits& format = current_format();
    const FormatControls& controls = controls_of(format);
    StandingFields standing;
    standing.exponent = standing_field(dialog, {&controls.exponent(), 1});
    standing.significand = standing_field(dialog, controls.significand());
    standing.flags = shared_class_flags();
    const ValueReadOut& read_out = read_out_for_window(format, word_of_x(format), part, &standing);
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, (read_out.*row).text);
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, (read_out.*row).caption);
}

} // namespace

void SUB_EXPONENT(DIALOG_RECORD& dialog) {
    show_row(dialog, PART_EXPONENT_ROW, &ValueReadOut::exponent_row);
}

void SUB_FRACTION(DIALOG_RECORD& dialog) {
    show_row(dialog, PART_SIGNIFICAND_ROW, &ValueReadOut::significand_row);
}

void SUB_ULP(DIALOG_RECORD& dialog) {
    show_row(dialog, PART_ULP_ROW, &ValueReadOut::ulp_row);
}

void SUB_NEAR(DIALOG_RECORD& dialog) {
    DIALOG_SET_TEXT(dialog, IDC_CURSOR_POS, "");
    bool binary = false;
    DIALOG_GET_FLAG(dialog, IDC_BINARY_XPM, binary, PROP_STATE);
    if (COMUN.LIST_INDEX == static_cast<int>(ParameterRow::next_up))
        show_row(dialog, binary ? PART_NEXT_UP_BITS : PART_NEXT_UP,
                 binary ? &ValueReadOut::next_up_bits : &ValueReadOut::next_up);
    else
        show_row(dialog, binary ? PART_NEXT_DOWN_BITS : PART_NEXT_DOWN,
                 binary ? &ValueReadOut::next_down_bits : &ValueReadOut::next_down);
}

void SUB_LIST(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    // The check box choosing the neighbours' layout is usable only while X+ or X- is shown.
    DIALOG_SET_FLAG(dialog, IDC_BINARY_XPM, false, PROP_ENABLED);
    int selected = 0;
    DIALOG_GET_INT(dialog, IDC_PARAM_LIST, selected, 1);
    COMUN.LIST_INDEX = selected;
    const auto row = parameter_row(COMUN.LIST_INDEX);
    if (!row) return; // no selection: the read-out keeps what it shows
    switch (*row) {
    case ParameterRow::exponent:
        SUB_EXPONENT(dialog);
        break;
    case ParameterRow::significand:
        SUB_FRACTION(dialog);
        break;
    case ParameterRow::ulp:
        SUB_ULP(dialog);
        break;
    case ParameterRow::next_up:
    case ParameterRow::next_down:
        DIALOG_SET_FLAG(dialog, IDC_BINARY_XPM, true, PROP_ENABLED);
        SUB_NEAR(dialog);
        break;
    case ParameterRow::epsilon:
        show_row(dialog, PART_EPSILON_ROW, &ValueReadOut::epsilon_row);
        break;
    }
}

} // namespace binora
