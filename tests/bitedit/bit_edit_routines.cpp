#include "bit_edit_routines.hpp"

#include "bitedit/check_bitedits.hpp"
#include "bitedit/get_edits_retrieve_real.hpp"
#include "bitedit/show_cursor_position.hpp"
#include "dialog/dialog_operations.hpp"
#include "shell/resources/resource.hpp"

namespace binora::testing {

void bit_edit_changed(DIALOG_RECORD& dialog, int id, int event) {
    SHOWCURSORPOSITION_FIELD(dialog, id, event);
    // Each routine ignores the edits of the other kinds.
    CHECK_BITEDITS_4(dialog, id, event);
    CHECK_BITEDITS_8(dialog, id, event);
    CHECK_BITEDITS_16(dialog, id, event);
    GETEDITSANDRETRIEVEREAL(dialog, id, event);
}

void bit_edit_focused(DIALOG_RECORD& dialog, int id, int event) {
    SHOWCURSORPOSITION_FIELD(dialog, id, event);
    DIALOG_SET_TEXT(dialog, IDC_CURSOR_POS, "0");
    GETEDITSANDRETRIEVEREAL(dialog, id, event);
}

void route_bit_edits(DIALOG_RECORD& dialog) {
    for (int id : {IDC_S32, IDC_E32, IDC_F32, IDC_S64, IDC_E64, IDC_F64, IDC_S128, IDC_E128,
                   IDC_F128_48, IDC_F128_64}) {
        DIALOG_SET_CALLBACK(dialog, id, bit_edit_changed, EVENT_CHANGED);
        DIALOG_SET_CALLBACK(dialog, id, bit_edit_focused, EVENT_FOCUS_GAINED);
    }
}

} // namespace binora::testing
