#pragma once

// The lessons of the arithmetic window: classic cases that fill in its inputs, each with a
// one-line explanation in both languages. Row 1 of the lesson list is "no lesson"; lesson i
// is row i + 1.

#include "arith/operation.hpp"
#include "dialog/dialog_record.hpp"
#include "model/format_traits.hpp"
#include "model/language.hpp"

#include <array>
#include <span>

namespace binora {

struct Lesson {
    TwoLanguageText title;       // its row in the lesson list
    TwoLanguageText explanation; // shown under the list while it is chosen
    const FormatTraits* format;
    const FormatTraits* source; // convert: the operands' format; else nullptr
    Operation operation;
    std::array<const char*, 3> operands; // A, B, C as typed ("" for none)
};

std::span<const Lesson> lessons();

// The lesson chosen in the lesson list, or nullptr for the first row (no lesson).
const Lesson* chosen_lesson(DIALOG_RECORD& dialog);

// Fills in the inputs of the chosen lesson (format, operation, source format, operands,
// rounding to nearest with ties to even) and shows its explanation; the first row shows how
// to start.
void APPLY_LESSON(DIALOG_RECORD& dialog);

} // namespace binora
