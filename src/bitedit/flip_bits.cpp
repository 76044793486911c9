#include "bitedit/flip_bits.hpp"

#include "bitedit/bit_fields.hpp"
#include "current/current_x.hpp"
#include "dialog/dialog_operations.hpp"

#include <algorithm>

namespace binora {

void FLIP_BITS(std::int32_t n, std::string_view bit_char, std::string& f_bit) {
    f_bit.assign(static_cast<std::size_t>(std::max(n, 0)), ' ');
    for (std::size_t i = 0; i < f_bit.size() && i < bit_char.size(); ++i) {
        if (bit_char[i] == '0') f_bit[i] = '1';
        if (bit_char[i] == '1') f_bit[i] = '0';
    }
}

void GETEDITANDFLIPBITS(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    for (const BitField& field : controls_of(current_format()).fields()) {
        std::string flipped;
        FLIP_BITS(field.bits, read_bit_field(dialog, field), flipped);
        DIALOG_SET_TEXT(dialog, field.edit, flipped);
    }
}

} // namespace binora
