#pragma once

// Where a new window appears relative to the window it belongs with. Pure geometry on screen
// rectangles: every rectangle is a window's frame (title bar and borders included) in global
// pixels, and `work` is the available area of the screen (the desktop less its panels).

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace binora {

// The top-left corner for a window of `size` beside `owner`: to its right when the work area
// has room there, else to its left, top edges level; else wherever on the work area it covers
// the least of the owner (on a tie: the first of right, left, below, above, and the work
// area's edges). The window never leaves the work area unless it is larger than it, when its
// top-left corner stays inside.
QPoint beside(const QRect& owner, const QSize& size, const QRect& work);

// The top-left corner for a window of `size` centred on `owner`, moved back onto the work area
// where it would stick out (its top-left corner stays inside when it is larger).
QPoint centred_on(const QRect& owner, const QSize& size, const QRect& work);

// The frame size of a window whose contents are `client` pixels, assuming the window manager
// frames it as it frames `framed` (a window already shown).
QSize frame_size(const QWidget& framed, const QSize& client);

// The available area of the screen that shows most of `window`'s frame.
QRect work_area_of(const QWidget& window);

} // namespace binora
