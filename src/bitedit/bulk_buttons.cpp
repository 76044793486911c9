#include "bitedit/bulk_buttons.hpp"

#include "bitedit/bit_fields.hpp"
#include "bitedit/flip_bits.hpp"
#include "bitedit/flip_bits_current_field.hpp"
#include "current/current_x.hpp"
#include "dialog/dialog_operations.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"

#include <string>

namespace binora {

namespace {

// The first `field.bits` characters of `source` (STR_0 or STR_1) into the field's edit.
void fill_field(DIALOG_RECORD& dialog, const BitField& field, const std::string& source) {
    DIALOG_SET_TEXT(dialog, field.edit, source.substr(0, static_cast<std::size_t>(field.bits)));
}

// The scope radio is read at every click, so it needs no routine of its own.
void read_scope(DIALOG_RECORD& dialog) {
    DIALOG_GET_FLAG(dialog, IDC_ALL_FIELDS, COMUN.ALL_FIELDS, PROP_STATE);
}

// The bits no longer match X: its class, neighbours and the cursor position are emptied,
// and the parameter list, which works on X, waits for the next rebuild from the bit edits.
void reset_read_outs(DIALOG_RECORD& dialog) {
    for (int id : {IDC_NEAREST, IDC_NEAREST_LABEL, IDC_DATATYPE, IDC_CURSOR_POS})
        DIALOG_SET_TEXT(dialog, id, "");
    DIALOG_SET_FLAG(dialog, IDC_BINARY_XPM, false, PROP_STATE);
    DIALOG_SET_FLAG(dialog, IDC_PARAM_LIST, false, PROP_ENABLED);
}

} // namespace

void fill_bits_clicked(DIALOG_RECORD& dialog, int id) {
    if (id != IDC_ZEROS && id != IDC_ONES) return;
    const std::string& source = id == IDC_ONES ? COMUN.STR_1 : COMUN.STR_0;
    read_scope(dialog);
    const FormatControls& controls = controls_of(current_format());
    if (COMUN.ALL_FIELDS) {
        for (const BitField& field : controls.fields())
            fill_field(dialog, field, source);
    } else if (const auto field = bit_field_of_width(controls, COMUN.FIELD_WIDTH)) {
        fill_field(dialog, *field, source);
    }
    DIALOG_SET_TEXT(dialog, IDC_VALUE_X, "0");
    reset_read_outs(dialog);
}

void flip_bits_clicked(DIALOG_RECORD& dialog) {
    read_scope(dialog);
    if (COMUN.ALL_FIELDS)
        GETEDITANDFLIPBITS(dialog, IDC_FLIP, EVENT_CLICKED);
    else
        GETANDFLIPBITS_CURRENTFIELD(dialog, IDC_FLIP, EVENT_CLICKED);
    reset_read_outs(dialog);
}

} // namespace binora
