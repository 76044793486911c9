#include "bitedit/show_cursor_position.hpp"

#include "bitedit/ifield.hpp"
#include "dialog/dialog_operations.hpp"
#include "resources/resource.hpp"

#include <string>

namespace binora {

// Both read-outs are pushed at once: the routine runs inside the edit's change callback,
// whose writes would otherwise appear only after validation and its message boxes.
// The numbers are written in full (a caret after a long paste can need four digits or more).
void SHOWCURSORPOSITION_FIELD(DIALOG_RECORD& dialog, int id, int /*event*/) {
    DIALOG_SET_TEXT(dialog, IDC_CURSOR_POS, "");
    int caret = 0;
    DIALOG_GET_INT(dialog, id, caret, PROP_CARET);
    DIALOG_SET_TEXT(dialog, IDC_CURSOR_POS, std::to_string(caret));
    DIALOG_FLUSH(dialog);
    const int width = IFIELD(id);
    DIALOG_SET_TEXT(dialog, IDC_FIELD_WIDTH, std::to_string(width));
    DIALOG_FLUSH(dialog);
}

} // namespace binora
