#pragma once

// Everything the arithmetic window shows for its inputs, asked of the cores and written into
// its controls: beside each operand the words on why it cannot be read yet (also the edit's
// description, for screen readers) or what reading it raised, under it its stored value and
// bits; the result's bits, word, value and exact value, the exact result, the error in ULPs,
// the guard, round and sticky bits and the flags; the table of the five directions, the
// chosen one marked; the number line. While an operand the operation takes is empty or
// cannot be read, the results are empty and wait. Only the operand edits the operation takes,
// and the source format for convert, are enabled.

#include "dialog/dialog_record.hpp"

namespace binora {

void SHOW_ARITHMETIC(DIALOG_RECORD& dialog);

} // namespace binora
