#include "bitedit/check_bitedits.hpp"

#include "bitedit/bit_fields.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/message_box.hpp"
#include "resources/resource.hpp"

#include <algorithm>
#include <array>
#include <string_view>

namespace binora {

namespace {

constexpr std::string_view INVALID_INPUT_TEXT =
    "Invalid input for bit !\n(It is being replaced by \"1\")";
constexpr std::string_view EXCESS_TEXT = "1 Bit in Excess !\n(The last bit is being removed)";

// Edits whose validation also covers the first character beyond the field: a wrong surplus
// character there raises the invalid-input message before the excess message. The other
// edits validate exactly their field, so a wrong surplus character is only cut.
constexpr std::array<int, 4> edits_validating_beyond_field{IDC_E32, IDC_F32, IDC_F64, IDC_F128_48};

void show_invalid_input() {
    message_box(INVALID_INPUT_TEXT, "Error", MessageIcon::Exclamation);
}

void show_excess() {
    message_box(EXCESS_TEXT, "Error", MessageIcon::Error);
}

// A sign edit: read into a 2-character buffer, only the first character validated; the
// corrected sign is on the screen before the excess message appears.
void check_sign_edit(DIALOG_RECORD& dialog, int id) {
    int length = 0;
    DIALOG_GET_INT(dialog, id, length, PROP_TEXT_LENGTH);
    std::string buffer;
    DIALOG_GET_TEXT(dialog, id, buffer, 2);
    std::string sign = buffer.substr(0, 1);
    bool error = false;
    CHECK_BITEDIT(1, sign, error);
    if (error) {
        DIALOG_SET_TEXT(dialog, id, sign);
        DIALOG_FLUSH(dialog);
        show_invalid_input();
    }
    if (length > 1) {
        DIALOG_GET_TEXT(dialog, id, buffer, 2);
        DIALOG_SET_TEXT(dialog, id, buffer.substr(0, 1));
        DIALOG_FLUSH(dialog);
        show_excess();
    }
}

// An exponent or significand edit of `field.bits` bits: read into a buffer one character
// longer than the field; the excess message appears first and the text is cut after it.
void check_field_edit(DIALOG_RECORD& dialog, const BitField& field) {
    const auto width = static_cast<std::size_t>(field.bits);
    const std::size_t buffer_length = width + 1;
    const bool beyond =
        std::find(edits_validating_beyond_field.begin(), edits_validating_beyond_field.end(),
                  field.edit) != edits_validating_beyond_field.end();
    int length = 0;
    DIALOG_GET_INT(dialog, field.edit, length, PROP_TEXT_LENGTH);
    std::string buffer;
    DIALOG_GET_TEXT(dialog, field.edit, buffer, buffer_length);
    bool error = false;
    CHECK_BITEDIT(static_cast<std::int32_t>(beyond ? buffer_length : width), buffer, error);
    if (error) {
        DIALOG_SET_TEXT(dialog, field.edit, buffer.substr(0, width));
        DIALOG_FLUSH(dialog);
        show_invalid_input();
    }
    if (length > field.bits) {
        show_excess();
        DIALOG_GET_TEXT(dialog, field.edit, buffer, buffer_length);
        DIALOG_SET_TEXT(dialog, field.edit, buffer.substr(0, width));
    }
}

void check_bit_edit_of_format(DIALOG_RECORD& dialog, int id, const FormatTraits& format) {
    for (const BitField& field : controls_of(format).fields()) {
        if (field.edit != id) continue;
        if (field.bits == 1)
            check_sign_edit(dialog, id);
        else
            check_field_edit(dialog, field);
        return;
    }
}

} // namespace

void CHECK_BITEDIT(std::int32_t n, std::string& bit_char, bool& error) {
    error = false;
    const auto count = std::min(static_cast<std::size_t>(std::max(n, 0)), bit_char.size());
    for (std::size_t i = 0; i < count; ++i) {
        const char c = bit_char[i];
        if (c == ' ' || c == '0' || c == '1') continue;
        bit_char[i] = '1';
        error = true;
    }
}

void CHECK_BITEDITS_4(DIALOG_RECORD& dialog, int id, int /*event*/) {
    check_bit_edit_of_format(dialog, id, FORMATS[0]);
}

void CHECK_BITEDITS_8(DIALOG_RECORD& dialog, int id, int /*event*/) {
    check_bit_edit_of_format(dialog, id, FORMATS[1]);
}

void CHECK_BITEDITS_16(DIALOG_RECORD& dialog, int id, int /*event*/) {
    check_bit_edit_of_format(dialog, id, FORMATS[2]);
}

} // namespace binora
