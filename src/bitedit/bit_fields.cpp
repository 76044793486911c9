#include "bitedit/bit_fields.hpp"

#include "dialog/dialog_operations.hpp"

namespace binora {

std::vector<BitField> bit_fields_of(const FormatTraits& format) {
    std::vector<BitField> fields{{format.sign_edit, 1},
                                 {format.exponent_edit, format.exponent_bits}};
    for (int i = 0; i < format.significand_edit_count(); ++i) {
        const auto part = static_cast<std::size_t>(i);
        fields.push_back({format.significand_edits[part], format.significand_edit_bits[part]});
    }
    return fields;
}

std::optional<BitField> bit_field_of_width(int kind, int width) {
    const FormatTraits* format = find_format(kind);
    if (format == nullptr) return std::nullopt;
    for (const BitField& field : bit_fields_of(*format))
        if (field.bits == width) return field;
    return std::nullopt;
}

std::string read_bit_field(DIALOG_RECORD& dialog, const BitField& field) {
    const auto width = static_cast<std::size_t>(field.bits);
    std::string text(width, ' ');
    DIALOG_GET_TEXT(dialog, field.edit, text, width);
    return text;
}

} // namespace binora
