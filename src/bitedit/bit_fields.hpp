#pragma once

// Reading a bit edit as the fixed-length text of its field.

#include "bitedit/format_controls.hpp"
#include "dialog/dialog_record.hpp"

#include <string>

namespace binora {

// The text of the field's edit as a fixed-length text of exactly `field.bits` characters:
// blank-padded when the edit holds fewer, cut when it holds more (all blanks if the edit
// cannot be read).
std::string read_bit_field(DIALOG_RECORD& dialog, const BitField& field);

} // namespace binora
