// The value edit of the windowless main dialog, any kind, with arbitrary bytes as the text:
// replaced at once, pasted, or typed key by key. Then the sign edit is entered and every
// parameter row selected, in decimal and in binary. Checked: the bit edits always hold
// exactly their field's width of "0" and "1"; after entering a bit edit X is the pattern of
// the edits and the list is enabled exactly for finite X; no read-out is longer than the
// window gives it.
//
// Input: byte 0 chooses the kind (mod 3), the typing (/3 mod 3) and the language (bit 7);
// the rest is the text.

#include "bitedit/bit_fields.hpp"
#include "current/current_x.hpp"
#include "dialog/dialog_operations.hpp"
#include "fuzz_check.hpp"
#include "model/format_traits.hpp"
#include "null_stream.hpp"
#include "numeric/storage_word.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "testing/shown_text.hpp"
#include "testing/user_input.hpp"
#include "testing/windowless_program.hpp"
#include "testing/words.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using binora::fuzz::check;

constexpr std::size_t LONGEST_DECIMAL_READ_OUT = 42;
constexpr std::size_t LONGEST_BINARY_READ_OUT = 37;

// The bit edits of the format joined, after checking that each holds its width in bits.
std::string checked_bits(binora::DIALOG_RECORD& dialog, const binora::FormatTraits& format) {
    std::string bits;
    for (const auto& field : binora::controls_of(format).fields()) {
        const std::string text = binora::shown_text(dialog, field.edit);
        check(text.size() == static_cast<std::size_t>(field.bits), "a bit edit holds its width");
        check(text.find_first_not_of("01") == std::string::npos, "a bit edit holds 0 and 1");
        bits += text;
    }
    return bits;
}

std::size_t nearest_length(binora::DIALOG_RECORD& dialog) {
    return binora::shown_text(dialog, binora::IDC_NEAREST).size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int kinds[] = {4, 8, 16};
    const binora::FormatTraits& format = *binora::find_format(kinds[data[0] % 3]);
    const int typing = (data[0] / 3) % 3;
    const binora::Language lang =
        (data[0] & 0x80) != 0 ? binora::Language::romanian : binora::Language::english;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    binora::fuzz::NullStream messages;
    binora::WindowlessProgram program(lang, messages);
    check(program.started(), "the program starts");
    auto& dialog = program.main_dialog();
    binora::user_click(dialog, binora::controls_of(format).kind_radio);
    switch (typing) {
    case 0:
        binora::user_replace_text(dialog, binora::IDC_VALUE_X, text);
        break;
    case 1:
        binora::user_paste(dialog, binora::IDC_VALUE_X, text);
        break;
    default:
        binora::user_type(dialog, binora::IDC_VALUE_X, text);
        break;
    }
    checked_bits(dialog, format);

    check(binora::user_focus(dialog, binora::controls_of(format).sign().edit),
          "the sign edit can be entered");
    const std::string bits = checked_bits(dialog, format);
    check(binora::bit_string(binora::word_of_x(format), format.storage_bits) == bits,
          "X is the pattern of the bit edits");
    const std::string exponent = bits.substr(1, static_cast<std::size_t>(format.exponent_bits));
    bool list_enabled = false;
    binora::DIALOG_GET_FLAG(dialog, binora::IDC_PARAM_LIST, list_enabled, binora::PROP_ENABLED);
    check(list_enabled == (exponent.find('0') != std::string::npos),
          "the parameter list is enabled exactly for finite X");
    if (!list_enabled) return 0;

    for (int row = 1; row <= 6; ++row) {
        check(binora::user_select_row(dialog, binora::IDC_PARAM_LIST, row), "a row is selected");
        check(nearest_length(dialog) <= LONGEST_DECIMAL_READ_OUT, "a read-out fits its edit");
    }
    binora::user_select_row(dialog, binora::IDC_PARAM_LIST, 4);
    check(binora::user_click(dialog, binora::IDC_BINARY_XPM), "the Binary box is usable at X+");
    for (int row : {4, 5}) {
        binora::user_select_row(dialog, binora::IDC_PARAM_LIST, row);
        check(nearest_length(dialog) <= LONGEST_BINARY_READ_OUT, "a binary neighbour fits");
    }
    return 0;
}
