#include "bitedit/enable_bit_edits.hpp"

#include "bitedit/bit_fields.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"

namespace binora {

void ENABLEBITEDITS(DIALOG_RECORD& dialog, int /*id*/, int /*event*/) {
    for (const FormatTraits& format : all_formats())
        for (const BitField& field : bit_fields_of(format))
            DIALOG_SET_FLAG(dialog, field.edit, COMUN.KIND_REAL == format.kind, PROP_ENABLED);
}

} // namespace binora
