#include "testing/user_input.hpp"

#include "dialog/dialog_constants.hpp"
#include "dialog/dialog_events.hpp"
#include "dialog/dialog_internal.hpp"

#include <algorithm>
#include <cctype>

namespace binora {

namespace {

// The control if the user can act on it: present, of the kind, enabled, no window.
ControlRecord* usable(DIALOG_RECORD& dialog, int id, ControlKind kind) {
    if (dialog.window) return nullptr;
    ControlRecord* control = find_control(dialog, id);
    if (control == nullptr || control->kind != kind || !control->enabled) return nullptr;
    return control;
}

ControlRecord* typeable_edit(DIALOG_RECORD& dialog, int id) {
    ControlRecord* edit = usable(dialog, id, ControlKind::Edit);
    if (edit == nullptr || (edit->source->style & STYLE_READ_ONLY) != 0) return nullptr;
    return edit;
}

void insert_at_caret(ControlRecord& edit, std::string_view text) {
    edit.caret = std::clamp(edit.caret, 0, static_cast<int>(edit.text.size()));
    edit.text.insert(static_cast<std::size_t>(edit.caret), text);
    edit.caret += static_cast<int>(text.size());
}

} // namespace

bool user_type(DIALOG_RECORD& dialog, int id, std::string_view characters) {
    ControlRecord* edit = typeable_edit(dialog, id);
    if (edit == nullptr) return false;
    const bool digits_only = (edit->source->style & STYLE_NUMBER) != 0;
    for (char c : characters) {
        // A number-only edit refuses other keys; pasted text is not filtered.
        if (digits_only && std::isdigit(static_cast<unsigned char>(c)) == 0) continue;
        insert_at_caret(*edit, std::string_view(&c, 1));
        detail::raise_event(dialog, id, EVENT_CHANGED);
        edit = find_control(dialog, id); // a routine may have rebuilt the record
        if (edit == nullptr) return false;
    }
    return true;
}

bool user_paste(DIALOG_RECORD& dialog, int id, std::string_view text) {
    ControlRecord* edit = typeable_edit(dialog, id);
    if (edit == nullptr) return false;
    insert_at_caret(*edit, text);
    detail::raise_event(dialog, id, EVENT_CHANGED);
    return true;
}

bool user_replace_text(DIALOG_RECORD& dialog, int id, std::string_view text) {
    ControlRecord* edit = typeable_edit(dialog, id);
    if (edit == nullptr) return false;
    edit->text.assign(text);
    edit->caret = static_cast<int>(edit->text.size());
    detail::raise_event(dialog, id, EVENT_CHANGED);
    return true;
}

bool user_backspace(DIALOG_RECORD& dialog, int id) {
    ControlRecord* edit = typeable_edit(dialog, id);
    if (edit == nullptr) return false;
    edit->caret = std::clamp(edit->caret, 0, static_cast<int>(edit->text.size()));
    if (edit->caret == 0) return true;
    edit->text.erase(static_cast<std::size_t>(edit->caret - 1), 1);
    --edit->caret;
    detail::raise_event(dialog, id, EVENT_CHANGED);
    return true;
}

bool user_set_caret(DIALOG_RECORD& dialog, int id, int caret) {
    ControlRecord* edit = usable(dialog, id, ControlKind::Edit);
    if (edit == nullptr) return false;
    edit->caret = std::clamp(caret, 0, static_cast<int>(edit->text.size()));
    return true;
}

bool user_focus(DIALOG_RECORD& dialog, int id) {
    if (usable(dialog, id, ControlKind::Edit) == nullptr) return false;
    detail::raise_event(dialog, id, EVENT_FOCUS_GAINED);
    return true;
}

bool user_click(DIALOG_RECORD& dialog, int id) {
    if (dialog.window) return false;
    ControlRecord* control = find_control(dialog, id);
    if (control == nullptr || !control->enabled) return false;
    switch (control->kind) {
    case ControlKind::PushButton:
        break;
    case ControlKind::CheckBox:
        if ((control->source->style & STYLE_READ_ONLY) != 0) return false; // an indicator
        control->state = !control->state;
        break;
    case ControlKind::RadioButton:
        for (int i = control->group_first; i <= control->group_last; ++i) {
            auto& member = dialog.controls[static_cast<std::size_t>(i)];
            if (member.kind == ControlKind::RadioButton) member.state = false;
        }
        control->state = true;
        break;
    default:
        return false;
    }
    detail::raise_event(dialog, id, EVENT_CLICKED);
    return true;
}

bool user_select_row(DIALOG_RECORD& dialog, int id, int row) {
    ControlRecord* list = usable(dialog, id, ControlKind::ListBox);
    if (list == nullptr) list = usable(dialog, id, ControlKind::ComboBox);
    if (list == nullptr) list = usable(dialog, id, ControlKind::Table);
    if (list == nullptr || row < 1 || row > static_cast<int>(list->items.size())) return false;
    list->selection = row;
    detail::raise_event(dialog, id, EVENT_SELECTION_CHANGED);
    return true;
}

void user_escape(DIALOG_RECORD& dialog) {
    dialog_command(dialog, IDCANCEL);
}

void user_enter(DIALOG_RECORD& dialog) {
    dialog_command(dialog, enter_command_id(dialog));
}

} // namespace binora
