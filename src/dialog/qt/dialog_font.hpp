#pragma once

// The font a dialog is drawn with on this desktop. Templates name their fonts by the layer's
// own family names ("MS Sans Serif" 8 for the standard dialog font, "Times New Roman" 11 for
// a serif one, ...); those are mapped to fonts that exist here, and sized relative to the
// desktop's font so that a user who chose larger text gets larger dialogs.

#include "dialog/dialog_template.hpp"

#include <QFont>

namespace binora {

// The point size the templates are laid out around: the templates' standard dialog font size.
// A template font of this size is drawn at the desktop font's size.
constexpr double TEMPLATE_STANDARD_POINTS = 8.0;

// The dialog font of `dialog` given the desktop font `desktop`: "MS Sans Serif" and
// "Microsoft Sans Serif" become the desktop's own (sans-serif) family, "Times New Roman" a
// serif family, other names are asked for as named with a sans-serif fallback; the size is
// the template's size scaled by desktop size / TEMPLATE_STANDARD_POINTS.
QFont dialog_font(const DialogTemplate& dialog, const QFont& desktop);

} // namespace binora
