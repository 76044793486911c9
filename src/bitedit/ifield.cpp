#include "bitedit/ifield.hpp"

#include "bitedit/format_controls.hpp"
#include "current/current_x.hpp"
#include "state/comun.hpp"

namespace binora {

namespace {

int field_width_of(int id) {
    for (const auto& controls : FORMAT_CONTROLS)
        if (id == controls.sign().edit) return 1;
    for (const BitField& field : controls_of(current_format()).fields())
        if (id == field.edit) return field.bits;
    return 0;
}

} // namespace

int IFIELD(int id) {
    COMUN.FIELD_WIDTH = field_width_of(id);
    return COMUN.FIELD_WIDTH;
}

} // namespace binora
