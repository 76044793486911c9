#include "bitedit/bit_fields.hpp"

#include "dialog/dialog_operations.hpp"

namespace binora {

std::string read_bit_field(DIALOG_RECORD& dialog, const BitField& field) {
    const auto width = static_cast<std::size_t>(field.bits);
    std::string text(width, ' ');
    DIALOG_GET_TEXT(dialog, field.edit, text, width);
    return text;
}

} // namespace binora
