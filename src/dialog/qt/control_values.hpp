#pragma once

// Moving a control record's values into its widget and back. Texts cross the border through
// the Windows-1252 codec; carets count characters.

#include "dialog/dialog_record.hpp"

class QButtonGroup;
class QWidget;

namespace binora {

// Shows the record's values in the widget made for it: caption or text, enabled state,
// visibility, checked state, caret (an empty selection there), list items and selection.
// `group` is the exclusive button group of a radio button (nullptr otherwise).
void push_to_widget(QWidget& widget, const ControlRecord& control, QButtonGroup* group);

// Copies what the user can change in the widget into the record: an edit's text and caret
// (the end of the selection), a check box's or radio button's state, a list box's selection.
void read_from_widget(const QWidget& widget, ControlRecord& control);

} // namespace binora
