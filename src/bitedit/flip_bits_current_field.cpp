#include "bitedit/flip_bits_current_field.hpp"

#include "bitedit/bit_fields.hpp"
#include "bitedit/flip_bits.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"

namespace binora {

void GETANDFLIPBITS_CURRENTFIELD(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    const auto field = bit_field_of_width(COMUN.KIND_REAL, COMUN.FIELD_WIDTH);
    if (!field) return;
    std::string flipped;
    FLIP_BITS(field->bits, read_bit_field(dialog, *field), flipped);
    DIALOG_SET_TEXT(dialog, field->edit, flipped);
}

} // namespace binora
