// The set and get operations on control properties.

#include "dialog/dialog_events.hpp"
#include "dialog/dialog_internal.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/dialog_window.hpp"

#include <algorithm>

namespace binora {

namespace {

constexpr std::size_t LIST_ITEM_LIMIT = 256;

bool has_caption(ControlKind kind) {
    return kind != ControlKind::Edit && kind != ControlKind::ListBox &&
           kind != ControlKind::ComboBox;
}

// Kinds that hold items and a selection.
bool has_items(ControlKind kind) {
    return kind == ControlKind::ListBox || kind == ControlKind::ComboBox ||
           kind == ControlKind::Table;
}

bool is_button_with_state(ControlKind kind) {
    return kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

std::string_view without_trailing_blanks(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

void clamp_caret(ControlRecord& control) {
    control.caret = std::clamp(control.caret, 0, static_cast<int>(control.text.size()));
}

// Runs `action` on every control a write to `control` changes: its whole group for a radio
// button, else the control alone.
template <class Action>
void for_each_affected(DIALOG_RECORD& dialog, ControlRecord& control, Action action) {
    if (control.kind != ControlKind::RadioButton) {
        action(control);
        return;
    }
    for (int i = control.group_first; i <= control.group_last; ++i) {
        auto& member = dialog.controls[static_cast<std::size_t>(i)];
        if (member.kind == ControlKind::RadioButton) action(member);
    }
}

// Runs `change` on the control as one write: current window values first, then the change;
// on success the changed controls are marked and, outside the dialog's own routine, pushed.
template <class Change> bool write(DIALOG_RECORD& dialog, ControlRecord* control, Change change) {
    if (control == nullptr) return false;
    for_each_affected(dialog, *control,
                      [&](ControlRecord& c) { detail::refresh_from_window(dialog, c); });
    if (!change(*control)) return false;
    for_each_affected(dialog, *control, [](ControlRecord& c) { c.dirty = true; });
    dialog.dirty = true;
    if (dialog.window && running_dialog() != &dialog) detail::push_controls(dialog, false);
    return true;
}

template <class Change> bool write(DIALOG_RECORD& dialog, int id, Change change) {
    return write(dialog, find_control(dialog, id), change);
}

template <class Read> bool read(DIALOG_RECORD& dialog, int id, Read read_value) {
    ControlRecord* control = find_control(dialog, id);
    if (control == nullptr) return false;
    detail::refresh_from_window(dialog, *control);
    return read_value(*control);
}

void select_radio(DIALOG_RECORD& dialog, ControlRecord& control, bool value) {
    for (int i = control.group_first; i <= control.group_last; ++i) {
        auto& member = dialog.controls[static_cast<std::size_t>(i)];
        if (member.kind == ControlKind::RadioButton) member.state = false;
    }
    if (value)
        control.state = true;
    else
        dialog.controls[static_cast<std::size_t>(control.group_first)].state = true;
}

} // namespace

bool DIALOG_SET_INT(DIALOG_RECORD& dialog, int id, int value, int property) {
    return write(dialog, id, [&](ControlRecord& c) {
        if (c.kind == ControlKind::Edit) {
            if (property == PROP_DEFAULT || property == PROP_TEXT_LENGTH) {
                if (value < 0) return false;
                c.text.resize(static_cast<std::size_t>(value), ' ');
                clamp_caret(c);
                return true;
            }
            if (property == PROP_CARET) {
                c.caret = value;
                clamp_caret(c);
                return true;
            }
            return false;
        }
        if (has_items(c.kind) && property == 1) {
            c.selection = value >= 1 && value <= static_cast<int>(c.items.size()) ? value : 0;
            return true;
        }
        return false;
    });
}

bool DIALOG_SET_FLAG(DIALOG_RECORD& dialog, int id, bool value, int property) {
    ControlRecord* found = find_control(dialog, id);
    if (found == nullptr) return false;
    if (property == PROP_DEFAULT)
        property = is_button_with_state(found->kind) ? PROP_STATE : PROP_ENABLED;
    return write(dialog, found, [&](ControlRecord& c) {
        if (property == PROP_ENABLED) {
            c.enabled = value;
            return true;
        }
        if (property != PROP_STATE || !is_button_with_state(c.kind)) return false;
        if (c.kind == ControlKind::RadioButton)
            select_radio(dialog, c, value);
        else
            c.state = value;
        return true;
    });
}

bool DIALOG_SET_TEXT(DIALOG_RECORD& dialog, int id, std::string_view text, int property) {
    ControlRecord* found = find_control(dialog, id);
    if (found == nullptr) return false;
    // The text is copied into the control's own string, which keeps its storage. With a
    // window, the read from the window rewrites that string first: a text that may lie in it
    // is copied aside before.
    std::string aside;
    if (dialog.window) text = aside.assign(text);
    const std::string_view value = without_trailing_blanks(text);
    if (property == PROP_DESCRIPTION) {
        if (found->kind != ControlKind::Edit) return false;
        if (found->description == value) return true; // a write would only push the edit again
        return write(dialog, found, [&](ControlRecord& c) {
            c.description.assign(value);
            return true;
        });
    }
    return write(dialog, found, [&](ControlRecord& c) {
        if (c.kind == ControlKind::Edit) {
            if (property != PROP_DEFAULT && property != PROP_STATE) return false;
            c.text.assign(value);
            clamp_caret(c);
            return true;
        }
        const bool caption = property == PROP_DEFAULT || property == PROP_CAPTION;
        if (has_items(c.kind) && !(caption && has_caption(c.kind))) {
            const std::string_view item = value.substr(0, LIST_ITEM_LIMIT);
            if (property == PROP_APPEND_ITEM) {
                c.items.emplace_back(item);
                return true;
            }
            if (property < 1 || property > static_cast<int>(c.items.size())) return false;
            c.items[static_cast<std::size_t>(property - 1)].assign(item);
            return true;
        }
        if (!caption) return false;
        c.text.assign(value);
        return true;
    });
}

bool DIALOG_GET_INT(DIALOG_RECORD& dialog, int id, int& value, int property) {
    return read(dialog, id, [&](const ControlRecord& c) {
        if (c.kind == ControlKind::Edit) {
            if (property == PROP_DEFAULT || property == PROP_TEXT_LENGTH) {
                value = static_cast<int>(c.text.size());
                return true;
            }
            if (property == PROP_CARET) {
                value = c.caret;
                return true;
            }
            return false;
        }
        if (has_items(c.kind)) {
            if (property == PROP_DEFAULT || property == PROP_ITEM_COUNT) {
                value = static_cast<int>(c.items.size());
                return true;
            }
            if (property >= 1) {
                value = property == 1 ? c.selection : 0;
                return true;
            }
        }
        return false;
    });
}

bool DIALOG_GET_FLAG(DIALOG_RECORD& dialog, int id, bool& value, int property) {
    return read(dialog, id, [&](const ControlRecord& c) {
        int p = property;
        if (p == PROP_DEFAULT) p = is_button_with_state(c.kind) ? PROP_STATE : PROP_ENABLED;
        if (p == PROP_ENABLED) {
            value = c.enabled;
            return true;
        }
        if (p == PROP_STATE && is_button_with_state(c.kind)) {
            value = c.state;
            return true;
        }
        return false;
    });
}

bool DIALOG_GET_TEXT(DIALOG_RECORD& dialog, int id, std::string& text, std::size_t length,
                     int property) {
    return read(dialog, id, [&](const ControlRecord& c) {
        const std::string* source = nullptr;
        if (c.kind == ControlKind::Edit) {
            if (property == PROP_DEFAULT || property == PROP_STATE) source = &c.text;
            if (property == PROP_DESCRIPTION) source = &c.description;
        } else if (has_items(c.kind) && property >= 1) {
            if (property <= static_cast<int>(c.items.size()))
                source = &c.items[static_cast<std::size_t>(property - 1)];
        } else if (has_caption(c.kind) && (property == PROP_DEFAULT || property == PROP_CAPTION)) {
            source = &c.text;
        }
        if (source == nullptr) return false;
        text.assign(*source, 0, length); // into the caller's storage
        text.resize(length, ' ');
        return true;
    });
}

bool DIALOG_SET_MARKS(DIALOG_RECORD& dialog, int id, const std::vector<LineMark>& marks) {
    return write(dialog, id, [&](ControlRecord& c) {
        if (c.kind != ControlKind::NumberLine) return false;
        c.marks = marks;
        return true;
    });
}

bool DIALOG_GET_MARKS(DIALOG_RECORD& dialog, int id, std::vector<LineMark>& marks) {
    return read(dialog, id, [&](const ControlRecord& c) {
        if (c.kind != ControlKind::NumberLine) return false;
        marks = c.marks;
        return true;
    });
}

} // namespace binora
