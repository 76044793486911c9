#pragma once

// The bit edits of a data kind as (control id, field width) pairs, in the order sign,
// exponent, significand (binary128: the 48-bit part, then the 64-bit part). The bulk
// operations and the rebuild of X walk this list instead of naming edits per kind.

#include "dialog/dialog_record.hpp"
#include "model/format_traits.hpp"

#include <optional>
#include <string>
#include <vector>

namespace binora {

struct BitField {
    int edit; // control id of the bit edit
    int bits; // its field width
};

// The bit edits of `format`, most significant field first.
std::vector<BitField> bit_fields_of(const FormatTraits& format);

// The bit edit of kind `kind` whose field is `width` bits wide (within a kind all widths
// differ); none when the kind is unknown or has no field of that width.
std::optional<BitField> bit_field_of_width(int kind, int width);

// The text of the field's edit as a fixed-length text of exactly `field.bits` characters:
// blank-padded when the edit holds fewer, cut when it holds more (all blanks if the edit
// cannot be read).
std::string read_bit_field(DIALOG_RECORD& dialog, const BitField& field);

} // namespace binora
