// The bit edits of the windowless main dialog, any kind, with arbitrary text: a sequence of
// edits (replace, paste at the caret, type key by key, move the caret and enter the edit),
// each validated and rebuilt as a user's edit; then every parameter row is selected, in
// decimal and in binary. Checked after every step: each bit edit of the kind holds only "0",
// "1" and blanks and never more characters than its field has bits; X is the pattern read
// from the edits with blanks skipped.
//
// Input: byte 0 chooses the kind (mod 3) and the language (bit 7); then commands of three
// parts: a byte choosing the edit (mod the kind's edit count) and the action (/4 mod 4), a
// length byte n (for "move the caret": the caret), then n bytes of text.

#include "bitedit/bit_fields.hpp"
#include "current/current_x.hpp"
#include "fuzz_check.hpp"
#include "model/format_traits.hpp"
#include "null_stream.hpp"
#include "numeric/storage_word.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"
#include "testing/shown_text.hpp"
#include "testing/user_input.hpp"
#include "testing/windowless_program.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using binora::fuzz::check;

constexpr std::size_t LONGEST_READ_OUT = 64;

void check_edits(binora::DIALOG_RECORD& dialog, const binora::FormatTraits& format) {
    std::string joined;
    for (const auto& field : binora::controls_of(format).fields()) {
        const std::string text = binora::shown_text(dialog, field.edit);
        check(text.size() <= static_cast<std::size_t>(field.bits), "no bit in excess stays");
        check(text.find_first_not_of("01 ") == std::string::npos, "only 0, 1 and blank stay");
        joined += binora::read_bit_field(dialog, field);
    }
    check(binora::word_of_x(format) == binora::word_from_bit_string(joined),
          "X is the pattern of the bit edits");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int kinds[] = {4, 8, 16};
    const binora::FormatTraits& format = *binora::find_format(kinds[data[0] % 3]);
    const binora::Language lang =
        (data[0] & 0x80) != 0 ? binora::Language::romanian : binora::Language::english;
    const auto fields = binora::controls_of(format).fields();

    binora::fuzz::NullStream messages;
    binora::WindowlessProgram program(lang, messages);
    check(program.started(), "the program starts");
    auto& dialog = program.main_dialog();
    binora::user_click(dialog, binora::controls_of(format).kind_radio);

    std::size_t at = 1;
    while (at + 2 <= size) {
        const int edit = fields[data[at] % fields.size()].edit;
        const int action = (data[at] / 4) % 4;
        const std::size_t length = data[at + 1];
        at += 2;
        const std::string_view text(reinterpret_cast<const char*>(data + at),
                                    std::min(length, size - at));
        at += text.size();
        switch (action) {
        case 0:
            binora::user_replace_text(dialog, edit, text);
            break;
        case 1:
            binora::user_paste(dialog, edit, text);
            break;
        case 2:
            binora::user_type(dialog, edit, text);
            break;
        default:
            binora::user_set_caret(dialog, edit, static_cast<int>(length));
            binora::user_focus(dialog, edit);
            break;
        }
        check_edits(dialog, format);
    }

    binora::user_focus(dialog, binora::controls_of(format).sign().edit);
    check_edits(dialog, format);
    for (int row = 1; row <= 6; ++row) {
        if (!binora::user_select_row(dialog, binora::IDC_PARAM_LIST, row)) return 0;
        check(binora::shown_text(dialog, binora::IDC_NEAREST).size() <= LONGEST_READ_OUT,
              "a read-out fits its edit");
    }
    binora::user_select_row(dialog, binora::IDC_PARAM_LIST, 4);
    binora::user_click(dialog, binora::IDC_BINARY_XPM);
    for (int row : {4, 5}) {
        binora::user_select_row(dialog, binora::IDC_PARAM_LIST, row);
        check(binora::shown_text(dialog, binora::IDC_NEAREST).size() <= LONGEST_READ_OUT,
              "a binary neighbour fits its edit");
    }
    return 0;
}
