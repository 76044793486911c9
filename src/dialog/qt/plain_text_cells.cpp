#include "dialog/qt/plain_text_cells.hpp"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QtMath>

namespace binora {

namespace {

bool is_plain(const QStyleOptionViewItem& cell) {
    return !cell.text.isEmpty() && cell.icon.isNull() && cell.direction == Qt::LeftToRight &&
           (cell.state & QStyle::State_HasFocus) == 0 &&
           (cell.features &
            (QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::WrapText)) == 0;
}

QColor text_colour(const QStyleOptionViewItem& cell) {
    QPalette::ColorGroup group =
        (cell.state & QStyle::State_Enabled) != 0 ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && (cell.state & QStyle::State_Active) == 0)
        group = QPalette::Inactive;
    const bool selected = (cell.state & QStyle::State_Selected) != 0;
    return cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
}

} // namespace

const GlyphLine& PlainTextCells::line(const QFont& font, const QString& text) const {
    constexpr qsizetype MOST_KEPT = 512; // a few keystrokes' worth of every cell
    if (font != font_ || !raw_.isValid()) {
        lines_.clear();
        font_ = font;
        raw_ = QRawFont::fromFont(font);
    }
    if (const auto found = lines_.constFind(text); found != lines_.constEnd()) return *found;
    if (lines_.size() >= MOST_KEPT) lines_.clear();
    return *lines_.insert(text, GlyphLine(raw_, font, text));
}

void PlainTextCells::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    if (!is_plain(cell)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QWidget* widget = cell.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    const QString text = cell.text;
    cell.text.clear(); // the style places the text where the whole cell is, without measuring it
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget)
                           .adjusted(margin, 0, -margin, 0);
    const GlyphLine& text_line = line(cell.font, text);
    if (text_line.width() > room.width()) { // the style elides it
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget); // background, selection
    const QRect placed = QStyle::alignedRect(
        cell.direction, cell.displayAlignment,
        QSize(qCeil(text_line.width()), QFontMetrics(cell.font).height()), room);
    painter->save();
    painter->setClipRect(cell.rect);
    painter->setPen(text_colour(cell));
    text_line.draw(*painter, placed.topLeft());
    painter->restore();
}

} // namespace binora
