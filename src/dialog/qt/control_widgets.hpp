#pragma once

// The Qt widgets that realise the control kinds of a dialog template: static text and image
// labels, group boxes, push buttons, check boxes, radio buttons, edits and list boxes.

#include "dialog/dialog_template.hpp"

#include <QCheckBox>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QString>
#include <QTableWidget>

#include <vector>

class QAbstractButton;
class QIcon;
class QRect;
class QWidget;

namespace binora {

// A single-line edit. A number-only edit refuses key presses that would type anything but
// the digits 0-9 (with a beep); text pasted from the clipboard is not filtered. A static edge
// adds a one-pixel sunken border inside the edit's frame. A flat edit has that border in place
// of the style's frame and paints every pixel of itself, so that a change of its text repaints
// it alone: a window that rewrites many read-outs at each keystroke stays quick.
class EditBox final : public QLineEdit {
  public:
    EditBox(unsigned style, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool digits_only_;
    bool static_edge_;
    bool flat_;
};

// A single-selection list box whose user can move the selection but not clear it: the
// layer's list boxes always keep one row selected once one is (Ctrl+click on the selected
// row keeps it selected).
class ListBox final : public QListWidget {
  public:
    explicit ListBox(QWidget* parent);

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
};

// An indicator: a check box the program sets and the user cannot change (neither a click
// nor Space toggles it). It takes the focus, so that the keyboard reaches it and a screen
// reader announces its state.
class IndicatorBox final : public QCheckBox {
  public:
    IndicatorBox(const QString& caption, QWidget* parent);

  protected:
    bool hitButton(const QPoint& position) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

// A table of rows that the user reads and selects but does not edit: one row selected at a
// time, the whole row, no row numbers. Rows are one line of the table's font high; columns
// are as wide as their texts (fit_columns), measured once for each change of them.
class RowTable final : public QTableWidget {
  public:
    RowTable(int columns, QWidget* parent);

    // Each column as wide as its widest text, the heading's included.
    void fit_columns();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void fit_rows();
    // The width of `text` in the table's font, remembered: most cells keep their text when
    // the table is rewritten, and measuring a text shapes it.
    int text_width(const QFontMetrics& metrics, const QString& text);

    QHash<QString, int> text_widths_;
    std::vector<int> fitted_widths_; // the width last asked for each column
};

// A new widget for the template item, child of `parent`, placed at `geometry` (pixels), with
// the item's caption, image and style; values and signals are the caller's.
QWidget* create_control_widget(const ControlTemplate& item, const QRect& geometry, QWidget* parent);

// The text with each line break written as "\r\n", "\n\r" or "\n" turned into one "\n"; a
// lone "\r" is dropped.
QString with_plain_line_breaks(const QString& text);

// The text as shown with mnemonics: each '&' that marks the next character dropped, "&&"
// as one '&'.
QString without_mnemonic(const QString& text);

// Shows `icon` on a push button instead of its caption, scaled to fit inside the button
// (never enlarged past its natural size); the caption becomes the tool tip.
void show_button_image(QAbstractButton& button, const QIcon& icon);

} // namespace binora
