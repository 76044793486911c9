#include "controller/sub_represent.hpp"

#include "bitedit/bulk_buttons.hpp"
#include "bitedit/check_bitedits.hpp"
#include "bitedit/enable_bit_edits.hpp"
#include "bitedit/format_controls.hpp"
#include "bitedit/get_edits_retrieve_real.hpp"
#include "bitedit/show_cursor_position.hpp"
#include "controller/language_click.hpp"
#include "current/current_x.hpp"
#include "dialog/dialog_operations.hpp"
#include "engine/bits_from_value.hpp"
#include "engine/output_value.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"

#include <algorithm>
#include <cstddef>

namespace binora {

namespace {

void clear_neighbour_read_out(DIALOG_RECORD& dialog) {
    DIALOG_SET_TEXT(dialog, IDC_NEAREST, "");
    DIALOG_SET_TEXT(dialog, IDC_NEAREST_LABEL, "");
}

// A keystroke or paste in the value edit: the read-outs of the old value are stale; the text
// is read (the reader reads nothing shorter than three characters).
void value_changed(DIALOG_RECORD& dialog) {
    clear_neighbour_read_out(dialog);
    DIALOG_SET_TEXT(dialog, IDC_DATATYPE, "");
    DIALOG_SET_FLAG(dialog, IDC_BINARY_XPM, false, PROP_STATE);
    DIALOG_SET_FLAG(dialog, IDC_PARAM_LIST, false, PROP_ENABLED);
    // The whole text is read, at least VALUE_CHAR's 42 characters: cutting a longer text
    // (a pasted 50-digit decimal, say) would silently read a different number.
    int length = 0;
    DIALOG_GET_INT(dialog, IDC_VALUE_X, length, PROP_TEXT_LENGTH);
    DIALOG_GET_TEXT(dialog, IDC_VALUE_X, COMUN.VALUE_CHAR,
                    std::max(VALUE_CHAR_LENGTH, static_cast<std::size_t>(length)));
    BITSFROMVALUE(dialog);
}

// A kind radio: the kind's bit edits are enabled and zeroed, the value edit shows "0";
// X4, X8 and X16 and the class flags keep their values.
void kind_clicked(DIALOG_RECORD& dialog, const FormatControls& controls, int event) {
    COMUN.KIND_REAL = controls.kind;
    ENABLEBITEDITS(dialog, controls.kind_radio, event);
    for (const BitField& field : controls.fields()) {
        const bool sign = field.edit == controls.sign().edit;
        DIALOG_SET_TEXT(dialog, field.edit,
                        sign ? "0" : COMUN.STR_0.substr(0, static_cast<std::size_t>(field.bits)));
    }
    DIALOG_SET_INT(dialog, IDC_VALUE_X, current_format().value_text_length, PROP_TEXT_LENGTH);
    DIALOG_SET_TEXT(dialog, IDC_VALUE_X, "0");
    clear_neighbour_read_out(dialog);
    DIALOG_SET_FLAG(dialog, IDC_BINARY_XPM, false, PROP_STATE);
    DIALOG_SET_TEXT(dialog, IDC_DATATYPE, "");
    DIALOG_SET_TEXT(dialog, IDC_CURSOR_POS, "");
}

// A typed bit: cursor read-out, validation, then X rebuilt from the edits and shown.
void bit_edit_changed(DIALOG_RECORD& dialog, int id, int event) {
    clear_neighbour_read_out(dialog);
    SHOWCURSORPOSITION_FIELD(dialog, id, event);
    // The validation of each format, in the order of the format table.
    using Check = void (*)(DIALOG_RECORD&, int, int);
    constexpr Check checks[] = {CHECK_BITEDITS_4, CHECK_BITEDITS_8, CHECK_BITEDITS_16};
    checks[index_of(current_format())](dialog, id, event);
    GETEDITSANDRETRIEVEREAL(dialog, id, event);
    OUTPUTVALUE(dialog, id, event);
}

} // namespace

void SUB_REPRESENT(DIALOG_RECORD& dialog, int id, int event) {
    if (id == IDC_VALUE_X) {
        value_changed(dialog);
    } else if (const FormatControls* controls = controls_of_radio(id)) {
        kind_clicked(dialog, *controls, event);
    } else if (is_bit_edit(id)) {
        bit_edit_changed(dialog, id, event);
    } else if (id == IDC_ZEROS || id == IDC_ONES) {
        fill_bits_clicked(dialog, id);
    } else if (id == IDC_FLIP) {
        flip_bits_clicked(dialog);
    } else if (id == IDC_LANG_RO || id == IDC_LANG_EN) {
        switch_language(dialog, id);
    }
}

} // namespace binora
