// Building and releasing dialog records, and attaching routines.

#include "dialog/dialog_constants.hpp"
#include "dialog/dialog_internal.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/dialog_window.hpp"

#include <algorithm>

namespace binora {

namespace {

// The routine every push button starts with: the dialog closes with the button's id.
void default_push_button_routine(DIALOG_RECORD& dialog, int id, int /*event*/) {
    dialog.return_value = id;
    detail::close_dialog(dialog);
}

std::vector<std::pair<int, DialogRoutine>> routine_slots(ControlKind kind) {
    std::vector<std::pair<int, DialogRoutine>> slots;
    for (int event : {EVENT_CLICKED, EVENT_CHANGED, EVENT_UPDATE, EVENT_FOCUS_GAINED,
                      EVENT_FOCUS_LOST, EVENT_SELECTION_CHANGED, EVENT_DOUBLE_CLICK})
        if (kind_raises(kind, event)) slots.emplace_back(event, DialogRoutine{});
    if (kind == ControlKind::PushButton) slots.front().second = default_push_button_routine;
    return slots;
}

// A radio button with the group style starts a group that runs up to the last radio
// button before the next item with the group style; the first radio of a group starts
// selected. A radio before any group start forms a group of its own.
void assign_radio_groups(std::vector<ControlRecord>& controls) {
    const auto count = static_cast<int>(controls.size());
    for (int i = 0; i < count; ++i) {
        auto& first = controls[static_cast<std::size_t>(i)];
        if (first.kind != ControlKind::RadioButton) continue;
        if (first.group_first >= 0) continue; // already inside a group
        int last = i;
        if ((first.source->style & STYLE_GROUP) != 0) {
            for (int j = i + 1; j < count; ++j) {
                const auto& item = controls[static_cast<std::size_t>(j)];
                if ((item.source->style & STYLE_GROUP) != 0) break;
                if (item.kind == ControlKind::RadioButton) last = j;
            }
        }
        for (int j = i; j <= last; ++j) {
            auto& member = controls[static_cast<std::size_t>(j)];
            if (member.kind != ControlKind::RadioButton) continue;
            member.group_first = i;
            member.group_last = last;
            member.state = j == i;
        }
    }
}

} // namespace

bool DIALOG_INIT(int template_id, DIALOG_RECORD& dialog) {
    const DialogTemplate* source = find_dialog_template(template_id);
    if (source == nullptr) return false;
    DIALOG_RELEASE(dialog);
    dialog.template_id = template_id;
    dialog.source = source;
    dialog.return_value = 1;

    dialog.index.build(source->controls);
    for (const auto& item : source->controls) {
        ControlRecord control;
        control.kind = item.kind;
        control.id = item.id;
        control.duplicate = dialog.index.find(item.id) == ControlIndex::NONE;
        control.enabled = (item.style & STYLE_DISABLED) == 0;
        control.visible = (item.style & STYLE_HIDDEN) == 0;
        control.text = item.caption;
        control.routines = routine_slots(item.kind);
        control.source = &item;
        dialog.controls.push_back(std::move(control));
    }
    assign_radio_groups(dialog.controls);
    return true;
}

void DIALOG_RELEASE(DIALOG_RECORD& dialog) {
    if (dialog.window) detail::destroy_window(dialog);
    dialog.template_id = 0;
    dialog.source = nullptr;
    dialog.return_value = 1;
    dialog.dialog_routine = nullptr;
    dialog.resize_routine = nullptr;
    dialog.caption.clear();
    dialog.caption_set = false;
    dialog.dirty = false;
    dialog.busy = false;
    dialog.controls.clear();
    dialog.index.clear();
}

bool DIALOG_SET_CALLBACK(DIALOG_RECORD& dialog, int id, DialogRoutine routine, int event) {
    if (dialog.source != nullptr && id == dialog.template_id) {
        if (event == EVENT_RESIZE) {
            dialog.resize_routine = std::move(routine);
            return true;
        }
        if (event != EVENT_INIT && event != EVENT_DESTROY) return false;
        dialog.dialog_routine = std::move(routine);
        return true;
    }
    ControlRecord* control = find_control(dialog, id);
    if (control == nullptr) return false;
    auto slot = std::find_if(control->routines.begin(), control->routines.end(),
                             [event](const auto& s) { return s.first == event; });
    if (slot == control->routines.end()) return false;
    slot->second = std::move(routine);
    return true;
}

bool DIALOG_SET_CALLBACK(DIALOG_RECORD& dialog, int id, DialogRoutine routine) {
    if (dialog.source != nullptr && id == dialog.template_id)
        return DIALOG_SET_CALLBACK(dialog, id, std::move(routine), EVENT_INIT);
    const ControlRecord* control = find_control(dialog, id);
    if (control == nullptr) return false;
    return DIALOG_SET_CALLBACK(dialog, id, std::move(routine), default_event(control->kind));
}

} // namespace binora
