#pragma once

// Validation of typed bits: only "0", "1" and blanks survive in a bit edit, and a field never
// keeps more characters than it has bits. Each correction is pushed to the screen at once and
// announced with a message box ("Invalid input for bit !", "1 Bit in Excess !").

#include "dialog/dialog_record.hpp"

#include <cstdint>
#include <string>

namespace binora {

// Replaces every character of bit_char[0..n) other than blank, "0" or "1" by "1"; the flag
// tells whether anything was replaced.
void CHECK_BITEDIT(std::int32_t n, std::string& bit_char, bool& error);

// Validate the bit edit `id` if it belongs to binary32 / binary64 / binary128; any other id
// does nothing. The event kind is not looked at.
void CHECK_BITEDITS_4(DIALOG_RECORD& dialog, int id, int event);
void CHECK_BITEDITS_8(DIALOG_RECORD& dialog, int id, int event);
void CHECK_BITEDITS_16(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
