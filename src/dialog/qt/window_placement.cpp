#include "dialog/qt/window_placement.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>

namespace binora {

namespace {

// `window` moved by as little as needed to lie inside `work`; one larger than the work area
// keeps its top-left corner inside.
QRect kept_in(QRect window, const QRect& work) {
    if (!work.isValid()) return window;
    window.moveLeft(
        std::max(work.left(), std::min(window.left(), work.right() + 1 - window.width())));
    window.moveTop(
        std::max(work.top(), std::min(window.top(), work.bottom() + 1 - window.height())));
    return window;
}

long long covered_area(const QRect& window, const QRect& owner) {
    const QRect overlap = window.intersected(owner);
    return overlap.isEmpty() ? 0 : static_cast<long long>(overlap.width()) * overlap.height();
}

} // namespace

QPoint beside(const QRect& owner, const QSize& size, const QRect& work) {
    const int far_left = work.left();
    const int far_right = work.right() + 1 - size.width();
    const int far_top = work.top();
    const int far_bottom = work.bottom() + 1 - size.height();
    // In order of preference. The covered area, as a function of either coordinate, is least
    // at one end of its range, so the work area's corners hold the least of all.
    const std::array<QPoint, 8> candidates{{
        {owner.right() + 1, owner.top()},
        {owner.left() - size.width(), owner.top()},
        {owner.left(), owner.bottom() + 1},
        {owner.left(), owner.top() - size.height()},
        {far_right, far_top},
        {far_left, far_top},
        {far_right, far_bottom},
        {far_left, far_bottom},
    }};
    QRect best;
    long long least = -1;
    for (const QPoint& corner : candidates) {
        const QRect window = kept_in(QRect(corner, size), work);
        const long long area = covered_area(window, owner);
        if (least < 0 || area < least) {
            best = window;
            least = area;
        }
    }
    return best.topLeft();
}

QPoint centred_on(const QRect& owner, const QSize& size, const QRect& work) {
    QRect window(QPoint(), size);
    window.moveCenter(owner.center());
    return kept_in(window, work).topLeft();
}

QSize frame_size(const QWidget& framed, const QSize& client) {
    return client + (framed.frameGeometry().size() - framed.geometry().size());
}

QRect work_area_of(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QScreen* shows_most = nullptr;
    long long most = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const long long area = covered_area(screen->geometry(), frame);
        if (area > most) {
            shows_most = screen;
            most = area;
        }
    }
    if (shows_most == nullptr) shows_most = window.screen();
    return shows_most != nullptr ? shows_most->availableGeometry() : QRect();
}

} // namespace binora
