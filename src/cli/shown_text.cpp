#include "cli/shown_text.hpp"

#include "dialog/dialog_operations.hpp"
#include "model/fixed_text.hpp"

namespace binora::cli {

std::string shown_text(DIALOG_RECORD& dialog, int id) {
    const ControlRecord* control = find_control(dialog, id);
    if (control == nullptr) return {};
    std::string text;
    DIALOG_GET_TEXT(dialog, id, text, control->text.size());
    return std::string(trim_right(text));
}

} // namespace binora::cli
