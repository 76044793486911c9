#include "testing/shown_text.hpp"

#include "dialog/dialog_operations.hpp"
#include "model/fixed_text.hpp"

namespace binora {

std::string shown_text(DIALOG_RECORD& dialog, int id) {
    std::string text;
    const ControlRecord* control = find_control(dialog, id);
    if (control == nullptr) return text;
    DIALOG_GET_TEXT(dialog, id, text, control->text.size());
    text.resize(trim_right(text).size());
    return text;
}

} // namespace binora
