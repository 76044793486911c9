#pragma once

// The delegate that paints a row table's cells. A cell of one line of plain text that fits is
// painted as the style paints it, its text laid out once as a GlyphLine where the style makes
// four text layouts (three to place the text, one to draw it): a table rewritten at each
// keystroke repaints most of its cells. Any other cell (empty, elided, with an icon, a check
// box or the focus, wrapped, or right to left) is left to the style whole.

#include "dialog/qt/glyph_line.hpp"

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QStyledItemDelegate>

namespace binora {

class PlainTextCells final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    // The line of `text` in `font`, laid out at its first use and kept for the repaints after.
    const GlyphLine& line(const QFont& font, const QString& text) const;

    mutable QFont font_; // the font the lines are laid out in
    mutable QRawFont raw_;
    mutable QHash<QString, GlyphLine> lines_;
};

} // namespace binora
