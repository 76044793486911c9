#include "bitedit/set_edits_infinity_nan.hpp"

#include "bitedit/bit_fields.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"

namespace binora {

void SETEDITSFORINFINITY_NAN(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    const FormatControls* controls = find_controls(COMUN.KIND_REAL);
    if (controls == nullptr) return;
    const bool infinity = COMUN.IS_INFINITY;
    // An infinity has an all-"0" significand; the NaN shown for a typed NaN is all "1".
    const char significand_fill = infinity ? '0' : '1';
    for (const BitField& field : controls->fields()) {
        if (field.edit == controls->sign().edit) {
            DIALOG_SET_TEXT(dialog, field.edit, infinity ? COMUN.INF_SIGN : COMUN.NAN_SIGN);
        } else {
            const char fill = field.edit == controls->exponent().edit ? '1' : significand_fill;
            DIALOG_SET_TEXT(dialog, field.edit, repeat(fill, static_cast<std::size_t>(field.bits)));
        }
    }
}

} // namespace binora
