#pragma once

#include "dialog/dialog_record.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace binora {

// f_bit becomes n characters: "0" for "1", "1" for "0", a blank for anything else.
void FLIP_BITS(std::int32_t n, std::string_view bit_char, std::string& f_bit);

// Complements every bit edit of the current kind (a short field stays short).
void GETEDITANDFLIPBITS(DIALOG_RECORD& dialog, int id, int event);

} // namespace binora
