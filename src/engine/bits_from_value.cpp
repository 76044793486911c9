#include "engine/bits_from_value.hpp"

#include "bitedit/format_controls.hpp"
#include "dialog/dialog_operations.hpp"
#include "dialog/message_box.hpp"
#include "model/comun.hpp"
#include "numeric/current_x.hpp"
#include "numeric/decimal_reader.hpp"

#include <string>

namespace binora {

namespace {

// Stores a successful read in `x`. False after an unreadable or overflowing text, which
// has been reported; `x` is then unchanged.
template <typename Real> bool take_value(const ReadResult<Real>& read, Real& x) {
    switch (read.status) {
    case ReadStatus::ok:
        x = read.value;
        return true;
    case ReadStatus::no_number:
        return true;
    case ReadStatus::invalid:
    case ReadStatus::overflow:
        break;
    }
    message_box("Invalid Value", "Error", MessageIcon::Exclamation);
    return false;
}

// Sets the sign, exponent and significand edits of the kind from its storage bit string.
void show_fields(DIALOG_RECORD& dialog, const FormatControls& controls, const std::string& bits) {
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
        if (!take_value(read_decimal<typename T::Real>(COMUN.VALUE_CHAR), x)) return;
        show_fields(dialog, controls_of(T::kind), bit_string(T::word(x), T::format.storage_bits));
    });
}

} // namespace binora
