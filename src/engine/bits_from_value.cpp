#include "engine/bits_from_value.hpp"

#include "bitedit/format_controls.hpp"
#include "current/current_x.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/message_box.hpp"
#include "model/comun.hpp"
#include "readout/typed_value.hpp"

#include <string_view>

namespace binora {

namespace {

// Sets the sign, exponent and significand edits of the kind from its storage bits.
void show_fields(DIALOG_RECORD& dialog, const FormatControls& controls, std::string_view bits) {
    std::size_t at = 0;
    for (const BitField& field : controls.fields()) {
        const auto width = static_cast<std::size_t>(field.bits);
        DIALOG_SET_TEXT(dialog, field.edit, bits.substr(at, width));
        at += width;
    }
}

} // namespace

void BITSFROMVALUE(DIALOG_RECORD& dialog) {
    with_current_x([&dialog](auto& x, auto traits) {
        using T = decltype(traits);
        const TypedWord read = read_decimal_word(T::format, COMUN.VALUE_CHAR);
        if (read.status == TypedStatus::invalid) {
            message_box(INVALID_VALUE_TEXT, ERROR_CAPTION, MessageIcon::Exclamation);
            return;
        }
        // A text that holds no number keeps X; its bits are shown again.
        if (read.status == TypedStatus::ok) x = T::value(static_cast<typename T::Word>(read.word));
        char bits[128];
        write_bit_string(T::word(x), T::format.storage_bits, bits);
        show_fields(dialog, controls_of(T::kind),
                    std::string_view(bits, static_cast<std::size_t>(T::format.storage_bits)));
    });
}

} // namespace binora
