#pragma once

// The font a dialog's captions are drawn with. Templates were laid out for their platform's
// fonts; ours are wider in places (digits, blanks, punctuation), so a caption that filled its
// rectangle there may not fit here. The window keeps the template geometry (dialog units of
// the dialog font) and, where needed, draws the captions a little smaller.

#include "dialog/dialog_template.hpp"
#include "dialog/qt/dialog_units.hpp"

#include <QFont>

class QStyle;

namespace binora {

// The smallest caption size tried, as a fraction of the dialog font's size.
constexpr double SMALLEST_CAPTION_SCALE = 0.75;

// The dialog font itself when every caption of the template fits its rectangle (laid out
// with `base`); otherwise the largest size down to SMALLEST_CAPTION_SCALE at which they all
// fit, or, if none does, the size at which the fewest do not. Labels wrap their captions at
// blanks unless they have the no-wrap style; buttons, check boxes and radio buttons keep
// them on one line beside the style's indicator or inside its bevel.
QFont caption_font(const DialogTemplate& dialog, const QFont& dialog_font,
                   const DialogBaseUnits& base, const QStyle& style);

} // namespace binora
