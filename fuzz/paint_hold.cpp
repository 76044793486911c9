#include "paint_hold.hpp"

#include <QApplication>
#include <QEvent>

#include <algorithm>

namespace binora::fuzz {

PaintHold::PaintHold() {
    QCoreApplication::instance()->installEventFilter(this);
}

PaintHold::~PaintHold() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void PaintHold::hold() {
    holding_ = true;
}

void PaintHold::release() {
    holding_ = false;
    for (const QPointer<QWidget>& window : shown_) {
        if (!window) continue;
        window->setUpdatesEnabled(true);
        if (window->isVisible()) window->repaint();
    }
    shown_.clear();
    // Qt posts one update request per window and marks nothing more until it is handled:
    // handled now, it paints everything marked since the hold.
    for (const QPointer<QWidget>& window : requested_) {
        if (!window || !window->isVisible()) continue;
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(window, &request);
    }
    requested_.clear();
}

bool PaintHold::eventFilter(QObject* watched, QEvent* event) {
    if (!holding_ || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::UpdateRequest:
        if (std::find(requested_.begin(), requested_.end(), widget) == requested_.end())
            requested_.emplace_back(widget);
        return true;
    case QEvent::Show:
        // Painted whole at the release when still open: a window shown is painted when it
        // is exposed, not through update requests.
        if (widget->isWindow()) {
            widget->setUpdatesEnabled(false);
            shown_.emplace_back(widget);
        }
        return false;
    default:
        return false;
    }
}

} // namespace binora::fuzz
