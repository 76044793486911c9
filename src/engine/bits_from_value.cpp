#include "engine/bits_from_value.hpp"

#include "bitedit/format_controls.hpp"
#include "current/current_x.hpp"
#include "current/window_read_out.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/message_box.hpp"
#include "readout/typed_value.hpp"
#include "state/comun.hpp"

namespace binora {

void BITSFROMVALUE(DIALOG_RECORD& dialog) {
    const FormatTraits& format = current_format();
    const TypedWord typed = read_typed_value(format, COMUN.VALUE_CHAR);
    if (typed.status == TypedStatus::invalid) {
        message_box(INVALID_VALUE_TEXT, ERROR_CAPTION, MessageIcon::Exclamation);
        return;
    }
    if (typed.status == TypedStatus::unread) return;
    // A text that holds no number keeps X; its bits are shown again.
    const bool read = typed.status == TypedStatus::ok;
    if (read && !typed.spelled) set_x(format, typed.word);
    const ValueReadOut& read_out =
        read_out_for_window(format, read ? typed.word : word_of_x(format), PART_FIELDS);
    const FormatControls& controls = controls_of(format);
    DIALOG_SET_TEXT(dialog, controls.sign().edit, read_out.sign);
    DIALOG_SET_TEXT(dialog, controls.exponent().edit, read_out.exponent);
    std::size_t at = 0;
    for (const BitField& part : controls.significand()) {
        const auto width = static_cast<std::size_t>(part.bits);
        DIALOG_SET_TEXT(dialog, part.edit, read_out.significand.substr(at, width));
        at += width;
    }
}

} // namespace binora
