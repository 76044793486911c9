#pragma once

// The three storage formats Binora displays and edits, as one table of their numbers. A data
// kind is the storage width in bytes: 4 (binary32), 8 (binary64) or 16 (binary128). The
// controls that show a format are the bit-editing layer's (bitedit/format_controls.hpp).

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
    int value_text_length; // text length of the value edit while the kind is selected
};

// clang-format off
inline constexpr std::array<FormatTraits, 3> FORMATS{{
    {4,  "binary32",  32,  8,  23,  127,   -126,   127,   24,  13},
    {8,  "binary64",  64,  11, 52,  1023,  -1022,  1023,  53,  22},
    {16, "binary128", 128, 15, 112, 16383, -16382, 16383, 113, 40},
}};
// clang-format on

// The traits of kind 4, 8 or 16; nullptr for any other number.
constexpr const FormatTraits* find_format(int kind) {
    for (const auto& f : FORMATS)
        if (f.kind == kind) return &f;
    return nullptr;
}

// The traits of a kind that is known to be valid (4, 8 or 16); a caller that breaks this
// contract (kinds come from the radios) ends the program.
const FormatTraits& format_of(int kind);

// All three formats, binary32 first.
constexpr const std::array<FormatTraits, 3>& all_formats() {
    return FORMATS;
}

} // namespace binora
