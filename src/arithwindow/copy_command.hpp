#pragma once

// "Copy as command": the binora-cli command line that computes what the window shows, put on
// the clipboard so that a teacher can paste the case into an exercise sheet.

#include "arithwindow/arith_inputs.hpp"
#include "dialog/dialog_record.hpp"

#include <string>

namespace binora {

// binora-cli --op OPERATION --kind KIND [--from KIND] --round DIRECTION OPERAND...: the
// operands the operation takes as typed (without blanks around them), each quoted for a POSIX
// shell where it holds anything but letters, digits and "+-._". Meant for operands that can
// be read: none of them begins with "--", which binora-cli would take for an option.
std::string command_line(const ArithInputs& inputs);

// The copy button's routine: the command line of the inputs on the clipboard.
void SUB_COPY(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
