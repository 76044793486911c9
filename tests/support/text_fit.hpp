#pragma once

// Whether the text a widget shows is drawn whole inside it: the bounding rectangle that
// QFontMetrics gives for the text laid out as the widget lays it out (the label's own
// alignment and word wrap; one line beside a button's indicator or inside its bevel) must
// lie within the room the widget gives its text.

#include <string>
#include <vector>

class QWidget;

namespace binora::testing {

// Empty when the text of a label, push button, radio button, check box or group box fits
// (and for any other widget); otherwise what does not fit, and by how much.
std::string text_overflow(const QWidget& widget);

// text_overflow of every visible label, button and group box of `window`.
std::vector<std::string> overflowing_texts(const QWidget& window);

// Whether a word-wrapping label breaks one of the lines its text was written in: laid out
// with word wrap, its text is taller than with line breaks only.
bool wraps_a_written_line(const QWidget& label);

} // namespace binora::testing
