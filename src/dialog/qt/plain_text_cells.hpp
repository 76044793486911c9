#pragma once

// The delegate that paints a row table's cells. A cell of one line of plain text that fits is
// painted as the style paints it, in one text layout where the style makes four (three to
// place the text, one to draw it): a table rewritten at each keystroke repaints most of its
// cells. Any other cell (empty, elided, with an icon, a check box or the focus, wrapped, or
// right to left) is left to the style whole.

#include <QStyledItemDelegate>

namespace binora {

class PlainTextCells final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace binora
