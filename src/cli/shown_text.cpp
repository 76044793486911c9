#include "cli/shown_text.hpp"

#include "dialog/dialog_operations.hpp"
#include "model/fixed_text.hpp"

namespace binora::cli {

void read_shown_text(DIALOG_RECORD& dialog, int id, std::string& text) {
    const ControlRecord* control = find_control(dialog, id);
    if (control == nullptr) {
        text.clear();
        return;
    }
    DIALOG_GET_TEXT(dialog, id, text, control->text.size());
    text.resize(trim_right(text).size());
}

std::string shown_text(DIALOG_RECORD& dialog, int id) {
    std::string text;
    read_shown_text(dialog, id, text);
    return text;
}

} // namespace binora::cli
