#include "bitedit/ifield.hpp"

#include "bitedit/format_controls.hpp"
#include "model/comun.hpp"

namespace binora {

namespace {

int field_width_of(int id) {
    for (const auto& controls : FORMAT_CONTROLS)
        if (id == controls.sign().edit) return 1;
    const FormatControls* controls = find_controls(COMUN.KIND_REAL);
    if (controls == nullptr) return 0;
    for (const BitField& field : controls->fields())
        if (id == field.edit) return field.bits;
    return 0;
}

} // namespace

int IFIELD(int id) {
    COMUN.FIELD_WIDTH = field_width_of(id);
    return COMUN.FIELD_WIDTH;
}

} // namespace binora
