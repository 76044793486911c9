#include "dialog/qt/plain_text_cells.hpp"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>
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
    QTextOption one_line;
    one_line.setWrapMode(QTextOption::ManualWrap);
    one_line.setTextDirection(cell.direction);
    one_line.setAlignment(QStyle::visualAlignment(cell.direction, cell.displayAlignment));
    QTextLayout layout(text, cell.font);
    layout.setTextOption(one_line);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(room.width());
    layout.endLayout();
    if (line.naturalTextWidth() > room.width()) { // the style elides it
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget); // background, selection
    const QRect placed =
        QStyle::alignedRect(cell.direction, cell.displayAlignment & Qt::AlignVertical_Mask,
                            QSize(room.width(), qCeil(line.height())), room);
    painter->save();
    painter->setClipRect(cell.rect);
    painter->setPen(text_colour(cell));
    layout.draw(painter, QPointF(room.left(), placed.top()));
    painter->restore();
}

} // namespace binora
