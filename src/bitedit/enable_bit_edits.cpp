#include "bitedit/enable_bit_edits.hpp"

#include "bitedit/bit_fields.hpp"
#include "dialog/dialog_operations.hpp"
#include "state/comun.hpp"

namespace binora {

void ENABLEBITEDITS(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    for (const FormatControls& controls : FORMAT_CONTROLS)
        for (const BitField& field : controls.fields())
            DIALOG_SET_FLAG(dialog, field.edit, COMUN.KIND_REAL == controls.kind, PROP_ENABLED);
}

} // namespace binora
