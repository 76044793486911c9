#pragma once

// The font a dialog's captions are drawn with. Templates are laid out in dialog units for a
// narrow dialog font; the desktop's fonts are wider in places (digits, blanks, punctuation),
// so a caption that fills its rectangle in the template's units may not fit when drawn. The
// window keeps the template geometry (dialog units of the dialog font) and, where needed,
// draws the captions a little smaller.

#include "dialog/dialog_template.hpp"

#include <QFont>
#include <QRect>
#include <QString>

#include <vector>

class QFontMetrics;
class QStyle;

namespace binora {

// The smallest caption size tried, as a fraction of the dialog font's size, and the step
// from one size tried to the next smaller.
constexpr double SMALLEST_CAPTION_SCALE = 0.75;
constexpr double SIZE_STEP_POINTS = 0.25;

// A caption as the window shows it: the control's kind and template style, the text (line
// breaks as "\n") and the control's rectangle in pixels.
struct ShownCaption {
    ControlKind kind = ControlKind::Static;
    unsigned style = 0;
    QString text;
    QRect rect;
};

// Whether the caption fits its rectangle drawn in `font`. Labels wrap their captions at
// blanks unless they have the no-wrap style; buttons, check boxes and radio buttons keep them
// on one line beside the style's indicator or inside its bevel; edits and list boxes have no
// caption.
bool caption_fits(const ShownCaption& caption, const QFont& font, const QStyle& style);

// Whether a label that wraps has to break one of the lines its text was written in, laid out
// as Qt lays out the label in the font of `metrics`.
bool breaks_written_line(const QFontMetrics& metrics, const ShownCaption& caption);

// The largest size from the dialog font's down to SMALLEST_CAPTION_SCALE of it, in steps of
// SIZE_STEP_POINTS, at which every caption fits and no label has to break a line its text
// was written in; else the largest at which every caption fits; else the one at which the
// fewest do not (the larger of equals).
QFont caption_font(const std::vector<ShownCaption>& captions, const QFont& dialog_font,
                   const QStyle& style);

} // namespace binora
