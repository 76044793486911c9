#include "paint_hold.hpp"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace binora::fuzz {

PaintHold::PaintHold() {
    QCoreApplication::instance()->installEventFilter(this);
}

PaintHold::~PaintHold() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void PaintHold::hold() {
    holding_ = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        window->setUpdatesEnabled(false);
}

void PaintHold::release() {
    holding_ = false;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->setUpdatesEnabled(true);
        if (window->isVisible()) window->repaint();
    }
}

bool PaintHold::eventFilter(QObject* watched, QEvent* event) {
    if (holding_ && event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow()) widget->setUpdatesEnabled(false);
    }
    return false;
}

} // namespace binora::fuzz
