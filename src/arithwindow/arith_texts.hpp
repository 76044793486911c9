#pragma once

// The arithmetic window's texts in both interface languages (element 0 Romanian, element 1
// English), in the code page of the program's texts: captions of its controls, the items of
// its operation list, the words beside an operand, the headings of the table of directions,
// and the words of the number line.

#include "arith/operation.hpp"
#include "model/language.hpp"

#include <array>
#include <span>

namespace binora {

// A caption: the control it belongs to (IDD_ARITH for the window's own), and its texts.
// Mnemonics are marked with '&'.
struct ArithCaption {
    int id;
    TwoLanguageText text;
};
std::span<const ArithCaption> arith_captions();

// The operation list, in the order of Operation.
extern const std::array<TwoLanguageText, 8> OPERATION_ITEMS;

// The first row of the lesson list, which fills in nothing.
extern const TwoLanguageText NO_LESSON;
// The words under the lesson list while no lesson is chosen.
extern const TwoLanguageText LESSON_HINT;

// Beside an operand: it cannot be read yet; a storage word lacks digits ("%d": how many it
// takes); what reading it raised ("%s": the flags).
extern const TwoLanguageText OPERAND_UNREADABLE;
extern const TwoLanguageText OPERAND_BAD_WORD;
extern const TwoLanguageText OPERAND_ROUNDED;

// The table's column headings, separated by tabs.
extern const TwoLanguageText TABLE_HEADINGS;

// The number line: its captions ("%s" the direction's name, "%s" the result's value where
// one stands), the tags at its marks and the legend's words before each text.
struct LineWords {
    TwoLanguageText waiting;       // operands missing
    TwoLanguageText unreadable;    // an operand cannot be read
    TwoLanguageText representable; // nothing to round
    TwoLanguageText rounded_down;  // "%s": the direction
    TwoLanguageText rounded_up;    // "%s": the direction
    TwoLanguageText overflowed;    // "%s": the direction, "%s": the result
    TwoLanguageText nan;           // the result is a NaN, no number exists
    TwoLanguageText infinity;      // the exact result is an infinity
    TwoLanguageText lower_tag, middle_tag, upper_tag, number_tag, exact_tag, rounded_tag;
    TwoLanguageText lower_label, middle_label, upper_label, beyond_label, number_label,
        neighbour_below_label, neighbour_above_label, exact_label, rounded_label;
};
extern const LineWords LINE_WORDS;

} // namespace binora
