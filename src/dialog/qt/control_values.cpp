#include "dialog/qt/control_values.hpp"

#include "dialog/qt/control_widgets.hpp"
#include "dialog/qt/cp1252_codec.hpp"
#include "dialog/qt/number_line_view.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace binora {

namespace {

void push_label(QLabel& label, const ControlRecord& control) {
    if (!label.pixmap().isNull()) return; // an image label has no caption to show
    label.setText(with_plain_line_breaks(from_cp1252(control.text)));
}

void push_button_caption(QAbstractButton& button, const ControlRecord& control) {
    const QString caption = from_cp1252(control.text);
    if (button.icon().isNull())
        button.setText(caption);
    else
        button.setToolTip(caption); // the image stands for the caption
}

// An exclusive group refuses to uncheck its checked button; a push that unchecks one lifts
// the exclusivity for that moment (the record keeps one radio of the group selected).
void push_checked(QAbstractButton& button, bool checked, QButtonGroup* group) {
    if (button.isChecked() == checked) return;
    if (!checked && group != nullptr && group->exclusive()) {
        group->setExclusive(false);
        button.setChecked(false);
        group->setExclusive(true);
        return;
    }
    button.setChecked(checked);
}

void push_edit(QLineEdit& edit, const ControlRecord& control) {
    const QString text = from_cp1252(control.text);
    if (edit.text() != text) edit.setText(text);
    edit.setCursorPosition(control.caret); // one text character per byte: positions agree
    const QString description = from_cp1252(control.description);
    if (edit.accessibleDescription() != description) edit.setAccessibleDescription(description);
}

void push_list(QListWidget& list, const ControlRecord& control) {
    bool same = list.count() == static_cast<int>(control.items.size());
    for (int row = 0; same && row < list.count(); ++row)
        same = list.item(row)->text() == from_cp1252(control.items[static_cast<std::size_t>(row)]);
    if (!same) {
        list.clear();
        for (const auto& item : control.items)
            list.addItem(from_cp1252(item));
    }
    if (control.selection >= 1 && control.selection <= list.count()) {
        list.setCurrentRow(control.selection - 1);
    } else {
        list.clearSelection();
        list.setCurrentRow(-1);
    }
}

void push_combo(QComboBox& combo, const ControlRecord& control) {
    bool same = combo.count() == static_cast<int>(control.items.size());
    for (int row = 0; same && row < combo.count(); ++row)
        same = combo.itemText(row) == from_cp1252(control.items[static_cast<std::size_t>(row)]);
    if (!same) {
        combo.clear();
        for (const auto& item : control.items)
            combo.addItem(from_cp1252(item));
    }
    const int index =
        control.selection >= 1 && control.selection <= combo.count() ? control.selection - 1 : -1;
    if (combo.currentIndex() != index) combo.setCurrentIndex(index);
}

QStringList cells(const std::string& row) {
    return from_cp1252(row).split(QLatin1Char('\t'));
}

void push_table(QTableWidget& table, const ControlRecord& control) {
    const QStringList headings = cells(control.text);
    if (table.columnCount() != headings.size())
        table.setColumnCount(static_cast<int>(headings.size()));
    for (int column = 0; column < headings.size(); ++column) {
        QTableWidgetItem* heading = table.horizontalHeaderItem(column);
        if (heading == nullptr)
            table.setHorizontalHeaderItem(column, heading = new QTableWidgetItem);
        if (heading->text() != headings[column]) heading->setText(headings[column]);
    }
    const auto rows = static_cast<int>(control.items.size());
    if (table.rowCount() != rows) table.setRowCount(rows);
    bool changed = false;
    for (int row = 0; row < rows; ++row) {
        const QStringList texts = cells(control.items[static_cast<std::size_t>(row)]);
        for (int column = 0; column < table.columnCount(); ++column) {
            const QString text = texts.value(column);
            QTableWidgetItem* cell = table.item(row, column);
            if (cell == nullptr) table.setItem(row, column, cell = new QTableWidgetItem);
            if (cell->text() == text) continue;
            cell->setText(text);
            changed = true;
        }
    }
    if (changed)
        if (auto* fitted = dynamic_cast<RowTable*>(&table)) fitted->fit_columns();
    if (control.selection >= 1 && control.selection <= rows) {
        if (table.currentRow() != control.selection - 1 || table.selectedItems().isEmpty())
            table.selectRow(control.selection - 1);
    } else {
        table.clearSelection();
    }
}

void push_number_line(NumberLineView& view, const ControlRecord& control) {
    std::vector<NumberLineView::Mark> marks;
    marks.reserve(control.marks.size());
    for (const LineMark& mark : control.marks)
        marks.push_back({mark.kind, mark.position, from_cp1252(mark.tag), from_cp1252(mark.label)});
    view.set_content(from_cp1252(control.text), std::move(marks));
}

// The number of characters (code points) before UTF-16 position `position` of `text`.
int characters_before(const QString& text, int position) {
    int characters = 0;
    for (int i = 0; i < position && i < text.size(); ++i)
        if (!text[i].isLowSurrogate()) ++characters;
    return characters;
}

void read_edit(const QLineEdit& edit, ControlRecord& control) {
    const QString text = edit.text();
    control.text = to_cp1252(text);
    const int end = edit.hasSelectedText() ? edit.selectionEnd() : edit.cursorPosition();
    control.caret = characters_before(text, end);
}

int selected_row(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? 0 : list.row(selected.front()) + 1;
}

} // namespace

void push_to_widget(QWidget& widget, const ControlRecord& control, QButtonGroup* group) {
    switch (control.kind) {
    case ControlKind::Static:
        if (auto* label = qobject_cast<QLabel*>(&widget)) push_label(*label, control);
        break;
    case ControlKind::GroupBox:
        if (auto* box = qobject_cast<QGroupBox*>(&widget)) box->setTitle(from_cp1252(control.text));
        break;
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
            push_button_caption(*button, control);
            if (control.kind != ControlKind::PushButton)
                push_checked(*button, control.state, group);
        }
        break;
    case ControlKind::Edit:
        if (auto* edit = qobject_cast<QLineEdit*>(&widget)) push_edit(*edit, control);
        break;
    case ControlKind::ListBox:
        if (auto* list = qobject_cast<QListWidget*>(&widget)) push_list(*list, control);
        break;
    case ControlKind::ComboBox:
        if (auto* combo = qobject_cast<QComboBox*>(&widget)) push_combo(*combo, control);
        break;
    case ControlKind::Table:
        if (auto* table = qobject_cast<QTableWidget*>(&widget)) push_table(*table, control);
        break;
    case ControlKind::NumberLine:
        if (auto* view = dynamic_cast<NumberLineView*>(&widget)) push_number_line(*view, control);
        break;
    }
    widget.setEnabled(control.enabled);
    if (widget.isHidden() == control.visible) widget.setVisible(control.visible);
}

QString shown_caption(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->pixmap().isNull() ? label->text() : QString();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->icon().isNull() ? button->text() : QString();
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) return box->title();
    return {};
}

void read_from_widget(const QWidget& widget, ControlRecord& control) {
    switch (control.kind) {
    case ControlKind::Edit:
        if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) read_edit(*edit, control);
        break;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
            control.state = button->isChecked();
        break;
    case ControlKind::ListBox:
        if (const auto* list = qobject_cast<const QListWidget*>(&widget))
            control.selection = selected_row(*list);
        break;
    case ControlKind::ComboBox:
        if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
            control.selection = combo->currentIndex() + 1;
        break;
    case ControlKind::Table:
        if (const auto* table = qobject_cast<const QTableWidget*>(&widget)) {
            const QList<QTableWidgetItem*> selected = table->selectedItems();
            control.selection = selected.isEmpty() ? 0 : selected.front()->row() + 1;
        }
        break;
    case ControlKind::NumberLine:
    case ControlKind::Static:
    case ControlKind::GroupBox:
    case ControlKind::PushButton:
        break;
    }
}

} // namespace binora
