// A row table's cells as the user sees them: painted by the table's own delegate, pixel for
// pixel as the style paints them, whatever the row's state.

#include "dialog/qt/control_widgets.hpp"

#include <QImage>
#include <QStyledItemDelegate>
#include <QTableWidgetItem>
#include <gtest/gtest.h>

#include <memory>

namespace binora::testing {

namespace {

// A table of three columns and rows: short texts, a text too long for its column (elided),
// an empty cell; row `selected` selected and, when `focused`, the table holding the focus.
QImage painted(bool style_delegate, int selected, bool focused) {
    RowTable table(3, nullptr);
    std::unique_ptr<QStyledItemDelegate> plain;
    if (style_delegate) {
        plain = std::make_unique<QStyledItemDelegate>();
        table.setItemDelegate(plain.get());
    }
    table.resize(300, 120);
    table.setRowCount(3);
    const char* texts[3][3] = {{"rne", "3FD3333333333334", "inexact"},
                               {"rna", "", "none"},
                               {"rtz", "3FD3333333333333", "+3.0000000000000004D-01 and more"}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            table.setItem(row, column,
                          new QTableWidgetItem(QString::fromLatin1(texts[row][column])));
    table.fit_columns();
    table.setColumnWidth(2, 60); // the last text no longer fits
    if (selected >= 0) table.selectRow(selected);
    if (focused) table.setFocus();
    return table.grab().toImage();
}

TEST(RowTableTest, CellsLookAsTheStylePaintsThem) {
    struct Case {
        int selected;
        bool focused;
    };
    for (const Case c : {Case{-1, false}, Case{0, false}, Case{1, true}, Case{2, true}})
        EXPECT_TRUE(painted(false, c.selected, c.focused) == painted(true, c.selected, c.focused))
            << "row " << c.selected << (c.focused ? " focused" : "");
}

} // namespace

} // namespace binora::testing
