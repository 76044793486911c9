#include "engine/bits_from_value.hpp"

#include "dialog/dialog_operations.hpp"
#include "dialog/message_box.hpp"
#include "engine/decimal_reader.hpp"
#include "engine/storage_word.hpp"
#include "model/comun.hpp"
#include "model/format_traits.hpp"

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
void show_fields(DIALOG_RECORD& dialog, const FormatTraits& f, const std::string& bits) {
    DIALOG_SET_TEXT(dialog, f.sign_edit, bits.substr(0, 1));
    DIALOG_SET_TEXT(dialog, f.exponent_edit,
                    bits.substr(1, static_cast<std::size_t>(f.exponent_bits)));
    auto at = static_cast<std::size_t>(1 + f.exponent_bits);
    for (std::size_t i = 0; i < static_cast<std::size_t>(f.significand_edit_count()); ++i) {
        const auto width = static_cast<std::size_t>(f.significand_edit_bits[i]);
        DIALOG_SET_TEXT(dialog, f.significand_edits[i], bits.substr(at, width));
        at += width;
    }
}

} // namespace

void BITSFROMVALUE(DIALOG_RECORD& dialog) {
    const FormatTraits* f = find_format(COMUN.KIND_REAL);
    if (f == nullptr) return;
    Word128 word = 0;
    switch (f->kind) {
    case 4:
        if (!take_value(read_binary32(COMUN.VALUE_CHAR), COMUN.X4)) return;
        word = word_of(COMUN.X4);
        break;
    case 8:
        if (!take_value(read_binary64(COMUN.VALUE_CHAR), COMUN.X8)) return;
        word = word_of(COMUN.X8);
        break;
    default:
        if (!take_value(read_binary128(COMUN.VALUE_CHAR), COMUN.X16)) return;
        word = word_of(COMUN.X16);
        break;
    }
    show_fields(dialog, *f, bit_string(word, f->storage_bits));
}

} // namespace binora
