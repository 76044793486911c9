#pragma once

// The three storage formats Binora displays and edits, as one traits table. A data kind is
// the storage width in bytes: 4 (binary32), 8 (binary64) or 16 (binary128).

#include <array>

namespace binora {

struct FormatTraits {
    int kind;              // 4, 8 or 16
    const char* name;      // "binary32", ...
    int storage_bits;      // 32, 64, 128
    int exponent_bits;     // 8, 11, 15
    int significand_bits;  // 23, 52, 112
    int bias;              // 127, 1023, 16383
    int emin;              // 1 - bias
    int emax;              // bias
    int precision;         // significand bits including the hidden bit
    int value_text_length; // text length of IDC_VALUE_X while the kind is selected
    int kind_radio;        // IDC_KIND32, ...
    int sign_edit;         // IDC_S32, ...
    int exponent_edit;     // IDC_E32, ...
    // Significand edits, most significant part first. Binary128 shows its 112 bits in a
    // 48-bit and a 64-bit edit; the other kinds use one edit (second entry 0).
    std::array<int, 2> significand_edits;
    std::array<int, 2> significand_edit_bits;

    int significand_edit_count() const { return significand_edits[1] == 0 ? 1 : 2; }
};

// The traits of kind 4, 8 or 16; nullptr for any other number.
const FormatTraits* find_format(int kind);

// The traits of a kind that is known to be valid (4, 8 or 16).
const FormatTraits& format_of(int kind);

// All three formats, binary32 first.
const std::array<FormatTraits, 3>& all_formats();

} // namespace binora
