#include "dialog/dialog_record.hpp"

#include "dialog/dialog_constants.hpp"
#include "dialog/dialog_internal.hpp"
#include "dialog/dialog_window.hpp"

namespace binora {

DIALOG_RECORD::DIALOG_RECORD() = default;

DIALOG_RECORD::~DIALOG_RECORD() {
    window.reset();
    detail::forget_record(*this);
}

bool kind_raises(ControlKind kind, int event) {
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return event == EVENT_CLICKED;
    case ControlKind::Edit:
        return event == EVENT_CHANGED || event == EVENT_UPDATE || event == EVENT_FOCUS_GAINED ||
               event == EVENT_FOCUS_LOST;
    case ControlKind::ListBox:
        return event == EVENT_SELECTION_CHANGED || event == EVENT_DOUBLE_CLICK;
    case ControlKind::ComboBox:
    case ControlKind::Table:
        return event == EVENT_SELECTION_CHANGED;
    case ControlKind::Static:
    case ControlKind::GroupBox:
    case ControlKind::NumberLine:
        return false;
    }
    return false;
}

int default_event(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return EVENT_CLICKED;
    case ControlKind::Edit:
        return EVENT_CHANGED;
    case ControlKind::ListBox:
    case ControlKind::ComboBox:
    case ControlKind::Table:
        return EVENT_SELECTION_CHANGED;
    case ControlKind::Static:
    case ControlKind::GroupBox:
    case ControlKind::NumberLine:
        return 0;
    }
    return 0;
}

} // namespace binora
