#include "widget_checks.hpp"

#include "dialog/qt/control_values.hpp"
#include "dialog/qt/control_widgets.hpp"
#include "dialog/qt/cp1252_codec.hpp"
#include "dialog/qt/dialog_widget.hpp"
#include "dialog/qt/number_line_view.hpp"
#include "dialog/qt/qt_dialog_window.hpp"
#include "fuzz_check.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTableWidget>

#include <cstddef>
#include <cstdio>

namespace binora::fuzz {

namespace {

void check_caption(const QWidget& widget, const ControlRecord& control) {
    const QString caption = from_cp1252(control.text);
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->pixmap().isNull())
            check(label->text() == with_plain_line_breaks(caption), "a label shows its caption");
    } else if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        check(box->title() == caption, "a group box shows its caption");
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        // A button that shows an image names its caption in the tool tip.
        check((button->icon().isNull() ? button->text() : button->toolTip()) == caption,
              "a button shows its caption");
        if (control.kind != ControlKind::PushButton)
            check(button->isChecked() == control.state,
                  "a check box or radio button is checked exactly when its record is");
    } else {
        check(false, "a caption is shown by a label, group box or button");
    }
}

void check_edit(const QLineEdit& edit, const ControlRecord& control) {
    const QString text = edit.text();
    check(to_cp1252(text) == control.text, "an edit shows exactly its record's text");
    check(control.caret >= 0 && static_cast<std::size_t>(control.caret) <= control.text.size(),
          "an edit's recorded caret lies within its text");
    check(edit.cursorPosition() >= 0 && edit.cursorPosition() <= text.size(),
          "an edit's caret lies within its text");
    if (edit.hasSelectedText())
        check(edit.selectionStart() >= 0 && edit.selectionEnd() <= text.size(),
              "an edit's selection lies within its text");
}

void check_list(const QListWidget& list, const ControlRecord& control) {
    check(list.count() == static_cast<int>(control.items.size()),
          "a list shows as many rows as its record holds");
    for (int row = 0; row < list.count(); ++row)
        check(list.item(row)->text() == from_cp1252(control.items[static_cast<std::size_t>(row)]),
              "a list row shows its record's text");
    const QList<QListWidgetItem*> selected = list.selectedItems();
    check(selected.size() <= 1, "at most one row of a list is selected");
    const int row = selected.isEmpty() ? 0 : list.row(selected.front()) + 1;
    check(row == control.selection, "a list selects exactly its record's row");
}

void check_combo(const QComboBox& combo, const ControlRecord& control) {
    check(combo.count() == static_cast<int>(control.items.size()),
          "a drop-down list holds as many items as its record");
    for (int row = 0; row < combo.count(); ++row)
        check(combo.itemText(row) == from_cp1252(control.items[static_cast<std::size_t>(row)]),
              "a drop-down item shows its record's text");
    check(combo.currentIndex() + 1 == control.selection,
          "a drop-down list shows exactly its record's item");
}

void check_table(const QTableWidget& table, const ControlRecord& control) {
    const QStringList headings = from_cp1252(control.text).split(QLatin1Char('\t'));
    check(table.columnCount() == headings.size(), "a table has a column per heading");
    for (int column = 0; column < table.columnCount(); ++column)
        check(table.horizontalHeaderItem(column)->text() == headings[column],
              "a table's heading shows its record's");
    check(table.rowCount() == static_cast<int>(control.items.size()),
          "a table shows as many rows as its record holds");
    for (int row = 0; row < table.rowCount(); ++row) {
        const QStringList cells =
            from_cp1252(control.items[static_cast<std::size_t>(row)]).split(QLatin1Char('\t'));
        for (int column = 0; column < table.columnCount(); ++column)
            check(table.item(row, column)->text() == cells.value(column),
                  "a table's cell shows its record's text");
    }
    const QList<QTableWidgetItem*> selected = table.selectedItems();
    check(selected.isEmpty() == (control.selection == 0) &&
              (selected.isEmpty() || selected.front()->row() + 1 == control.selection),
          "a table selects exactly its record's row");
}

void check_number_line(const NumberLineView& line, const ControlRecord& control) {
    check(line.caption() == from_cp1252(control.text), "a number line shows its record's caption");
    check(line.marks().size() == control.marks.size(), "a number line draws its record's marks");
    for (std::size_t i = 0; i < control.marks.size(); ++i) {
        const auto& shown = line.marks()[i];
        const LineMark& mark = control.marks[i];
        check(shown.kind == mark.kind && shown.position == mark.position &&
                  shown.tag == from_cp1252(mark.tag) && shown.label == from_cp1252(mark.label),
              "a number line's mark is its record's");
    }
    for (const auto& placed : line.placed_texts())
        check(line.rect().contains(placed.rect), "every text of a number line lies inside it");
}

} // namespace

DialogWidget* window_of(const DIALOG_RECORD& record) {
    const auto* window = dynamic_cast<const QtDialogWindow*>(record.window.get());
    return window != nullptr ? window->widget() : nullptr;
}

QWidget* control_widget_of(DIALOG_RECORD& record, int id) {
    const DialogWidget* dialog = window_of(record);
    const ControlRecord* control = find_control(record, id);
    if (dialog == nullptr || control == nullptr) return nullptr;
    return dialog->control_widget(static_cast<int>(control - record.controls.data()));
}

void check_widgets_show_record(const DIALOG_RECORD& record) {
    const DialogWidget* dialog = window_of(record);
    if (dialog == nullptr) return;
    check(dialog->isVisible(), "a dialog that has its window shows it");
    check(!record.busy && !record.dirty, "no write is pending once the routines have returned");
    for (std::size_t i = 0; i < record.controls.size(); ++i) {
        const ControlRecord& control = record.controls[i];
        check(!control.dirty, "no control has a pending write once the routines have returned");
        const QWidget* widget = dialog->control_widget(static_cast<int>(i));
        check(widget != nullptr, "every control has its widget");
        check(!widget->testAttribute(Qt::WA_Disabled) == control.enabled,
              "a widget is enabled exactly when its record is");
        check(widget->isHidden() != control.visible,
              "a widget is shown exactly when its record is visible");
        switch (control.kind) {
        case ControlKind::Edit:
            check_edit(*qobject_cast<const QLineEdit*>(widget), control);
            break;
        case ControlKind::ListBox:
            check_list(*qobject_cast<const QListWidget*>(widget), control);
            break;
        case ControlKind::ComboBox:
            check_combo(*qobject_cast<const QComboBox*>(widget), control);
            break;
        case ControlKind::Table:
            check_table(*qobject_cast<const QTableWidget*>(widget), control);
            break;
        case ControlKind::NumberLine:
            check_number_line(*dynamic_cast<const NumberLineView*>(widget), control);
            break;
        case ControlKind::Static:
        case ControlKind::GroupBox:
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            check_caption(*widget, control);
            break;
        }
    }
}

void EditCarets::note(const DIALOG_RECORD& record) {
    focus_ = QApplication::focusWidget();
    edits_.clear();
    for (const ControlRecord& control : record.controls)
        edits_.emplace_back(control.text, control.caret);
}

void EditCarets::check_moved(const DIALOG_RECORD& record) const {
    const DialogWidget* dialog = window_of(record);
    if (dialog == nullptr || edits_.size() != record.controls.size()) return;
    for (std::size_t i = 0; i < record.controls.size(); ++i) {
        const ControlRecord& control = record.controls[i];
        if (control.kind != ControlKind::Edit ||
            edits_[i] == std::pair(control.text, control.caret))
            continue;
        const QWidget* widget = dialog->control_widget(static_cast<int>(i));
        if (widget == nullptr || (widget == focus_) != widget->hasFocus()) continue;
        ControlRecord shown = control; // the caret as the layer reads it from the widget
        read_from_widget(*widget, shown);
        if (shown.caret != control.caret)
            std::fprintf(stderr, "edit %d \"%s\": caret %d in the record, %d in the widget\n",
                         control.id, control.text.c_str(), control.caret, shown.caret);
        check(shown.caret == control.caret,
              "an edit the program read or wrote shows its caret where its record has it");
    }
}

int open_message_boxes() {
    int open = 0;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<const QMessageBox*>(window) != nullptr && window->isVisible()) ++open;
    return open;
}

void check_no_modal_open() {
    check(QApplication::activeModalWidget() == nullptr, "no modal window is left open");
    check(open_message_boxes() == 0, "no message box is left open");
}

void check_focus(const QWidget* expected) {
    const QWidget* active = QApplication::activeWindow();
    check(active == expected, "the window the user works in is the active one");
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) return;
    check(focus->window() == active, "the focus widget belongs to the active dialog");
    check(focus->isEnabled() && focus->isVisible(), "the focus is on an enabled, visible widget");
}

} // namespace binora::fuzz
