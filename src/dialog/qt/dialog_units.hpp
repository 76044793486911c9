#pragma once

// Dialog units to pixels, computed from the dialog font: the
// horizontal base unit is the font's average character width, the vertical one its character
// height; a dialog unit is a quarter of the first or an eighth of the second.

#include "dialog/dialog_template.hpp"

#include <QFont>
#include <QRect>

namespace binora {

struct DialogBaseUnits {
    int x = 1; // average character width in pixels
    int y = 1; // character height in pixels
};

// The base units of `font`: average width = width of the 52 letters A-Z a-z / 26, rounded up
// and halved (in integers); height = ascent + descent.
DialogBaseUnits dialog_base_units(const QFont& font);

// The rectangle in pixels; each coordinate is rounded to the nearest pixel on its own.
QRect dialog_units_to_pixels(const DialogUnits& units, const DialogBaseUnits& base);

} // namespace binora
