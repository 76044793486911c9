#pragma once

// Whether a control's caption fits inside its widget with the widget's font and style.

#include <string>

class QWidget;

namespace binora::testing {

// Empty when the caption of a label, button, check box, radio button or group box has all
// the room it needs; otherwise a description of what does not fit.
std::string caption_overflow(const QWidget& widget);

} // namespace binora::testing
