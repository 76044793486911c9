#include "dialog/qt/flat_edit_style.hpp"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace binora {

FlatEditStyle::FlatEditStyle() : QProxyStyle(QApplication::style()->name()) {}

void FlatEditStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    // Where a logical pixel is several device pixels the edge is one device pixel thin and
    // leaves part of the style's frame in sight: the style draws the panel as it would.
    if (element != PE_PanelLineEdit ||
        !qFuzzyCompare(painter->device()->devicePixelRatioF(), 1.0)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    constexpr int EDGE = 2; // the edit's own sunken edge
    painter->fillRect(option->rect.adjusted(EDGE, EDGE, -EDGE, -EDGE),
                      option->palette.brush(QPalette::Base));
}

QStyle* flat_edit_style() {
    static QPointer<FlatEditStyle> style;
    if (style.isNull()) {
        style = new FlatEditStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace binora
