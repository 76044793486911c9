#pragma once

// Moving a control record's values into its widget and back. Texts cross the border through
// the Windows-1252 codec; carets count characters.

#include "dialog/dialog_record.hpp"

#include <QString>

class QButtonGroup;
class QWidget;

namespace binora {

// Shows the record's values in the widget made for it: caption or text, enabled state,
// visibility, checked state, caret (an empty selection there), an edit's description as its
// accessible description, list items and selection.
// `group` is the exclusive button group of a radio button (nullptr otherwise).
void push_to_widget(QWidget& widget, const ControlRecord& control, QButtonGroup* group);

// Copies what the user can change in the widget into the record: an edit's text and caret
// (the end of the selection), a check box's or radio button's state, a list box's selection.
void read_from_widget(const QWidget& widget, ControlRecord& control);

// The caption the widget shows now: a label's or button's text, a group box's title; empty
// for an image in its place and for edits and list boxes.
QString shown_caption(const QWidget& widget);

} // namespace binora
