// Event dispatch and keyboard commands.

#include "dialog/dialog_constants.hpp"
#include "dialog/dialog_events.hpp"
#include "dialog/dialog_internal.hpp"
#include "dialog/dialog_operations.hpp"

#include <algorithm>

namespace binora {

namespace detail {

void raise_event(DIALOG_RECORD& dialog, int id, int event) {
    if (dialog.busy || id == 0) return;
    ControlRecord* control = find_control(dialog, id);
    if (control == nullptr || !kind_raises(control->kind, event)) return;
    const auto slot = std::find_if(control->routines.begin(), control->routines.end(),
                                   [event](const auto& s) { return s.first == event; });
    if (slot == control->routines.end()) return;
    run_routine(dialog, slot->second, id, event);
}

} // namespace detail

void dispatch_event(DIALOG_RECORD& dialog, int id, int event) {
    if (!dialog.window) return; // a window being torn down reports nothing
    detail::raise_event(dialog, id, event);
}

void dialog_command(DIALOG_RECORD& dialog, int id) {
    const ControlRecord* control = find_control(dialog, id);
    if (control != nullptr) {
        if (control->enabled) detail::raise_event(dialog, id, EVENT_CLICKED);
        return;
    }
    if (id == IDCANCEL) {
        dialog.return_value = IDCANCEL;
        detail::close_dialog(dialog);
    }
}

int enter_command_id(const DIALOG_RECORD& dialog) {
    for (const auto& control : dialog.controls)
        if (control.kind == ControlKind::PushButton && control.source != nullptr &&
            (control.source->style & STYLE_DEFAULT_BUTTON) != 0)
            return control.id;
    return IDOK;
}

bool DIALOG_IS_DIALOG_MESSAGE(const DialogMessage& message) {
    DIALOG_RECORD* dialog = active_modeless_dialog();
    if (dialog == nullptr || !dialog->window) return false;
    switch (message.key) {
    case DialogMessage::Key::Escape:
        dialog_command(*dialog, IDCANCEL);
        return true;
    case DialogMessage::Key::Enter: {
        const ControlRecord* focused = find_control(*dialog, message.focus_id);
        const bool on_button = focused != nullptr && focused->kind == ControlKind::PushButton;
        dialog_command(*dialog, on_button ? focused->id : enter_command_id(*dialog));
        return true;
    }
    case DialogMessage::Key::Other:
        return false;
    }
    return false;
}

} // namespace binora
