#pragma once

// An operand of an operation as a text, read into a format in a rounding direction: what
// binora-cli reads as a value (a decimal number in the value edit's syntax, an infinity or NaN
// spelling, "0x" and a storage word) and C99 hexadecimal floating constants. Reading a number
// rounds it once, in the given direction, with the flags IEEE 754's conversion from a
// character sequence raises (inexact, underflow, overflow; rounding.hpp).

#include "arith/operation.hpp"
#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

#include <string_view>

namespace binora {

enum class OperandStatus {
    ok,               // `word` holds the operand, `flags` what reading it raised
    invalid_value,    // no number (the value edit's "Invalid Value")
    bad_storage_word, // "0x" and hexadecimal digits only, but not as many as the word has
};

struct OperandRead {
    OperandStatus status = OperandStatus::invalid_value;
    Word128 word = 0;
    unsigned flags = 0;
};

// Reads `text`, which holds the operand alone (no blank), into `format`:
// - "0x" or "0X" and hexadecimal digits only: the storage word, exactly storage-width / 4
//   digits; no flag;
// - a C99 hexadecimal floating constant: an optional sign, "0x" or "0X", hexadecimal digits
//   with an optional point (at least one digit), "p" or "P" and an optionally signed decimal
//   exponent ("0x1.8p-3", "-0x1p-1074"): rounded when it has more bits than the format;
// - an infinity or NaN spelling of the value edit (classify.hpp: typed_spelling): the
//   infinity of the sign (invalid in a format without infinities), or the NaN with every
//   significand bit set;
// - a decimal number of the value edit's syntax (decimal_reader.hpp), the whole text: rounded.
// A number that overflows gives what the direction and `saturate` say (rounding.hpp), with
// the overflow flag.
OperandRead read_operand(const FormatTraits& format, Rounding rounding, bool saturate,
                         std::string_view text);

} // namespace binora
