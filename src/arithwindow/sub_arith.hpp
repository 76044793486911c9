#pragma once

// The arithmetic window's hub: the routine of every input. An operand typed, a format,
// operation or direction chosen, a row of the table chosen (its direction becomes the chosen
// one), a lesson chosen (its inputs filled in) and a language chosen (the captions changed)
// all end in SHOW_ARITHMETIC: the results follow every keystroke. The focus stays where the
// user put it.

#include "dialog/dialog_record.hpp"

namespace binora {

void SUB_ARITH(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
