#include "bitedit/format_controls.hpp"

namespace binora {

const FormatControls* controls_of_radio(int id) {
    for (const auto& c : FORMAT_CONTROLS)
        if (c.kind_radio == id) return &c;
    return nullptr;
}

bool is_bit_edit(int id) {
    for (const auto& c : FORMAT_CONTROLS)
        for (const BitField& field : c.fields())
            if (field.edit == id) return true;
    return false;
}

std::optional<BitField> bit_field_of_width(const FormatControls& controls, int width) {
    for (const BitField& field : controls.fields())
        if (field.bits == width) return field;
    return std::nullopt;
}

} // namespace binora
