#include "cli/value_driver.hpp"

#include "bitedit/format_controls.hpp"
#include "cli/current_value.hpp"
#include "cli/shown_text.hpp"
#include "cli/storage_word_input.hpp"
#include "dialog/user_input.hpp"
#include "model/comun.hpp"
#include "model/fixed_text.hpp"
#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"
#include "resources/resource.hpp"

#include <string>

namespace binora::cli {

namespace {

constexpr std::size_t SHORTEST_READ_TEXT = 3; // the value edit reads nothing shorter

// The shown text without leading blanks either.
void read_shown_trimmed(DIALOG_RECORD& dialog, int id, std::string& text) {
    read_shown_text(dialog, id, text);
    text.erase(0, text.size() - trim_left(text).size());
}

} // namespace

ValueDriver::ValueDriver(HeadlessProgram& program, int kind) : program_(program), kind_(kind) {}

void ValueDriver::read(std::string_view input, ReadOut& out) {
    const FormatTraits& format = format_of(kind_);
    DIALOG_RECORD& dialog = program_.main_dialog();
    for (std::string& column : out.columns)
        column.clear();
    out[COL_INPUT].assign(input);
    out[COL_KIND] = std::to_string(format.storage_bits);

    // X as after start-up: a text that holds no number (",5") keeps the X the window
    // already has, and in a batch that must not be the previous value's.
    COMUN.X4 = 0.0F;
    COMUN.X8 = 0.0;
    COMUN.X16 = 0;
    // The kind radio zeroes the kind's bit edits and clears every read-out.
    const FormatControls& controls = controls_of(kind_);
    user_click(dialog, controls.kind_radio);

    out.valid = is_storage_word_text(input) ? write_storage_word(input) : type_value(input);
    out[COL_STATUS].assign(out.valid ? "ok" : "invalid");
    if (!out.valid) return;

    user_focus(dialog, controls.sign().edit);
    collect_fields(out);
    collect_parameters(out);
}

bool ValueDriver::type_value(std::string_view input) {
    // The value edit ignores texts under 3 characters without trailing blanks; a user types
    // leading blanks in front of a short value.
    std::string& text = typed_;
    text.assign(trim_right(input));
    if (trim_blanks(text).empty()) {
        program_.report("empty value");
        return false;
    }
    if (text.size() < SHORTEST_READ_TEXT) text.insert(0, SHORTEST_READ_TEXT - text.size(), ' ');
    const std::size_t boxes_before = program_.message_count();
    user_replace_text(program_.main_dialog(), IDC_VALUE_X, text);
    return program_.message_count() == boxes_before;
}

bool ValueDriver::write_storage_word(std::string_view input) {
    const auto word = parse_storage_word(input, kind_);
    if (!word) {
        program_.report(storage_word_error(input, kind_));
        return false;
    }
    const FormatTraits& format = format_of(kind_);
    DIALOG_RECORD& dialog = program_.main_dialog();
    const std::string bits_text = bit_string(*word, format.storage_bits);
    const std::string_view bits = bits_text;
    const std::size_t boxes_before = program_.message_count();
    // Field by field, each validated and rebuilt as a user's edit.
    std::size_t at = 0;
    for (const BitField& field : controls_of(kind_).fields()) {
        const auto width = static_cast<std::size_t>(field.bits);
        user_replace_text(dialog, field.edit, bits.substr(at, width));
        at += width;
    }
    return program_.message_count() == boxes_before;
}

void ValueDriver::collect_fields(ReadOut& out) {
    const FormatTraits& format = format_of(kind_);
    const FormatControls& controls = controls_of(kind_);
    DIALOG_RECORD& dialog = program_.main_dialog();
    read_shown_text(dialog, controls.sign().edit, out[COL_SIGN]);
    read_shown_text(dialog, controls.exponent().edit, out[COL_EXPONENT]);
    for (const BitField& part : controls.significand()) {
        read_shown_text(dialog, part.edit, part_);
        out[COL_SIGNIFICAND] += part_;
    }
    out[COL_HEX] = hex_string(storage_word_of_x(kind_), format.storage_bits);
    read_shown_text(dialog, IDC_DATATYPE, out[COL_CLASS]);
    read_shown_trimmed(dialog, IDC_VALUE_X, out[COL_VALUE]);
    if (COMUN.IS_FINITE) write_exact_value_of_x(kind_, out[COL_EXACT]);
}

void ValueDriver::collect_parameters(ReadOut& out) {
    DIALOG_RECORD& dialog = program_.main_dialog();
    // The list is enabled for finite X only; rows it does not offer stay empty.
    if (!user_select_row(dialog, IDC_PARAM_LIST, 1)) return;
    read_shown_trimmed(dialog, IDC_NEAREST, out[COL_E]);
    read_shown_text(dialog, IDC_NEAREST_LABEL, out[COL_E_LABEL]);
    const auto row = [&](int number, Column column) {
        if (user_select_row(dialog, IDC_PARAM_LIST, number))
            read_shown_trimmed(dialog, IDC_NEAREST, out[column]);
    };
    row(2, COL_SIG);
    row(3, COL_ULP);
    row(4, COL_NEXT_UP);
    row(5, COL_NEXT_DOWN);
    // The Binary check box is usable while a neighbour row is selected; it is unchecked
    // again before the last row so that the next value starts in decimal.
    if (user_click(dialog, IDC_BINARY_XPM)) {
        row(4, COL_NEXT_UP_BITS);
        row(5, COL_NEXT_DOWN_BITS);
        user_click(dialog, IDC_BINARY_XPM);
    }
    row(6, COL_EPSILON);
}

} // namespace binora::cli
