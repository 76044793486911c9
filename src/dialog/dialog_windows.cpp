// Windows of dialog records: pushing and reading values, creation, modal and modeless runs,
// closing and destruction, and the module state that tracks them.

#include "dialog/dialog_events.hpp"
#include "dialog/dialog_internal.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/dialog_window.hpp"

#include <algorithm>
#include <utility>

namespace binora {

namespace {

WindowSystem* installed_system = nullptr;
DIALOG_RECORD* running = nullptr;         // dialog whose routine is running
DIALOG_RECORD* active_modeless = nullptr; // modeless dialog whose window is active

// Modal runs in progress (innermost last) and records that have a window. Never destroyed:
// records that live for the whole run are destroyed at exit, in no fixed order with this
// file's objects, and forget themselves here.
std::vector<DIALOG_RECORD*>& modal_runs_list() {
    static auto* list = new std::vector<DIALOG_RECORD*>;
    return *list;
}
std::vector<DIALOG_RECORD*>& windowed_list() {
    static auto* list = new std::vector<DIALOG_RECORD*>;
    return *list;
}

void remove(std::vector<DIALOG_RECORD*>& list, DIALOG_RECORD* record) {
    list.erase(std::remove(list.begin(), list.end(), record), list.end());
}

DIALOG_RECORD* record_of_window(const DialogWindow* window) {
    for (DIALOG_RECORD* record : windowed_list())
        if (record->window.get() == window) return record;
    return nullptr;
}

// Creates the window and brings it up to date: caption, every control, EVENT_INIT.
bool create_window(DIALOG_RECORD& dialog, DIALOG_RECORD* owner, bool modal) {
    if (installed_system == nullptr || dialog.source == nullptr) return false;
    DialogWindow* parent = owner != nullptr ? owner->window.get() : nullptr;
    dialog.window = installed_system->create_window(dialog, parent, modal);
    if (!dialog.window) return false;
    dialog.modal = modal;
    dialog.owner = owner;
    windowed_list().push_back(&dialog);
    if (dialog.caption_set) dialog.window->set_caption(dialog.caption);
    detail::push_controls(dialog, true);
    detail::run_routine(dialog, dialog.dialog_routine, dialog.template_id, EVENT_INIT);
    return true;
}

} // namespace

WindowSystem* set_window_system(WindowSystem* system) {
    return std::exchange(installed_system, system);
}

WindowSystem* window_system() {
    return installed_system;
}

DIALOG_RECORD* running_dialog() {
    return running;
}

DIALOG_RECORD* active_modeless_dialog() {
    return active_modeless;
}

void dialog_activated(DIALOG_RECORD& dialog, bool active) {
    if (active && dialog.window && !dialog.modal)
        active_modeless = &dialog;
    else if (!active && active_modeless == &dialog)
        active_modeless = nullptr;
}

namespace detail {

void push_control(DIALOG_RECORD& dialog, ControlRecord& control) {
    if (dialog.window) {
        const bool was_busy = std::exchange(dialog.busy, true);
        dialog.window->push_control(control);
        dialog.busy = was_busy;
    }
    control.dirty = false;
}

void push_controls(DIALOG_RECORD& dialog, bool all) {
    for (auto& control : dialog.controls)
        if (all || control.dirty) push_control(dialog, control);
    dialog.dirty = false;
}

void refresh_from_window(DIALOG_RECORD& dialog, ControlRecord& control) {
    if (dialog.window && !control.dirty) dialog.window->read_control(control);
}

void read_back_all(DIALOG_RECORD& dialog) {
    for (auto& control : dialog.controls)
        refresh_from_window(dialog, control);
}

void run_routine(DIALOG_RECORD& dialog, const DialogRoutine& routine, int id, int event) {
    DIALOG_RECORD* previous = std::exchange(running, &dialog);
    if (routine) {
        const DialogRoutine copy = routine; // the routine may replace its own slot
        copy(dialog, id, event);
    }
    if (dialog.window && dialog.dirty) push_controls(dialog, false);
    running = previous;
}

void close_dialog(DIALOG_RECORD& dialog) {
    if (!dialog.window) return;
    read_back_all(dialog);
    if (dialog.modal)
        dialog.window->end_modal(); // DIALOG_RUN_MODAL destroys the window when the run ends
    else
        destroy_window(dialog);
}

void destroy_window(DIALOG_RECORD& dialog) {
    if (!dialog.window) return;
    const std::vector<DIALOG_RECORD*> owned = [&] {
        std::vector<DIALOG_RECORD*> list;
        for (DIALOG_RECORD* record : windowed_list())
            if (record->owner == &dialog) list.push_back(record);
        return list;
    }();
    for (DIALOG_RECORD* record : owned)
        destroy_window(*record);
    read_back_all(dialog);
    DIALOG_RECORD* previous = std::exchange(running, &dialog);
    if (dialog.dialog_routine) {
        const DialogRoutine copy = dialog.dialog_routine;
        copy(dialog, dialog.template_id, EVENT_DESTROY);
    }
    running = previous;
    dialog.window.reset();
    dialog.modal = false;
    dialog.owner = nullptr;
    remove(windowed_list(), &dialog);
    if (active_modeless == &dialog) active_modeless = nullptr;
}

void forget_record(DIALOG_RECORD& dialog) {
    remove(windowed_list(), &dialog);
    remove(modal_runs_list(), &dialog);
    if (running == &dialog) running = nullptr;
    if (active_modeless == &dialog) active_modeless = nullptr;
    for (DIALOG_RECORD* record : windowed_list())
        if (record->owner == &dialog) record->owner = nullptr;
}

} // namespace detail

void DIALOG_SET_TITLE(DIALOG_RECORD& dialog, std::string_view title) {
    const auto last = title.find_last_not_of(' ');
    dialog.caption =
        last == std::string_view::npos ? std::string{} : std::string(title.substr(0, last + 1));
    dialog.caption_set = true;
    if (dialog.window) dialog.window->set_caption(dialog.caption);
}

void DIALOG_FLUSH(DIALOG_RECORD& dialog, bool flush_all) {
    if (dialog.window) detail::push_controls(dialog, flush_all);
}

int DIALOG_RUN_MODAL(DIALOG_RECORD& dialog) {
    if (dialog.window) return -1; // already shown
    DIALOG_RECORD* owner = !modal_runs_list().empty() ? modal_runs_list().back() : running;
    if (owner != nullptr && !owner->window) owner = nullptr;
    if (!create_window(dialog, owner, true)) return -1;
    modal_runs_list().push_back(&dialog);
    if (dialog.window) dialog.window->run_modal();
    remove(modal_runs_list(), &dialog);
    detail::destroy_window(dialog);
    return dialog.return_value;
}

bool DIALOG_SHOW_MODELESS(DIALOG_RECORD& dialog, int show_command, DialogWindow* parent) {
    if (!dialog.window) {
        DIALOG_RECORD* owner = parent != nullptr ? record_of_window(parent) : running;
        if (owner != nullptr && !owner->window) owner = nullptr;
        if (!create_window(dialog, owner, false)) return false;
    }
    if (dialog.window) dialog.window->show(show_command);
    return true;
}

void DIALOG_EXIT(DIALOG_RECORD& dialog) {
    detail::close_dialog(dialog);
}

void dialog_resized(DIALOG_RECORD& dialog) {
    detail::run_routine(dialog, dialog.resize_routine, dialog.template_id, EVENT_RESIZE);
}

void dialog_set_window_icon(DIALOG_RECORD& dialog, int image_id) {
    if (dialog.window) dialog.window->set_window_icon(image_id);
}

void dialog_set_control_image(DIALOG_RECORD& dialog, int control_id, int image_id) {
    if (dialog.window) dialog.window->set_control_image(control_id, image_id);
}

int run_message_loop() {
    return installed_system ? installed_system->run_message_loop() : 0;
}

void post_quit_message(int exit_code) {
    if (installed_system) installed_system->post_quit(exit_code);
}

} // namespace binora
