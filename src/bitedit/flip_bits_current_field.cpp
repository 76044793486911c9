#include "bitedit/flip_bits_current_field.hpp"

#include "bitedit/bit_fields.hpp"
#include "bitedit/flip_bits.hpp"
#include "current/current_x.hpp"
#include "dialog/dialog_operations.hpp"
#include "state/comun.hpp"

namespace binora {

void GETANDFLIPBITS_CURRENTFIELD(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    const auto field = bit_field_of_width(controls_of(current_format()), COMUN.FIELD_WIDTH);
    if (!field) return;
    std::string flipped;
    FLIP_BITS(field->bits, read_bit_field(dialog, *field), flipped);
    DIALOG_SET_TEXT(dialog, field->edit, flipped);
}

} // namespace binora
