#pragma once

// The storage formats Binora shows, as tables of their numbers: the window's three, whose
// data kind is the storage width in bytes (4 binary32, 8 binary64, 16 binary128), and the
// narrow formats binora-cli shows beside them. The controls that show a format in the window
// are the bit-editing layer's (bitedit/format_controls.hpp).

#include <array>

namespace binora {

// What the all-ones exponent field stands for.
enum class TopExponent {
    infinity_and_nan, // IEEE 754: an infinity (significand all 0) or a NaN (any other)
    finite_but_nan,   // finite numbers, but for the all-ones significand: the only NaN
};

struct FormatTraits {
    int kind;              // 4, 8 or 16; 0 for a narrow format, which no C++ type holds
    const char* name;      // "binary32", ...
    int storage_bits;      // 32, 64, 128
    int exponent_bits;     // 8, 11, 15
    int significand_bits;  // 23, 52, 112
    int bias;              // 127, 1023, 16383
    int emin;              // 1 - bias
    int emax;              // bias (for finite_but_nan the all-ones field, bias + 1)
    int precision;         // significand bits including the hidden bit
    int value_text_length; // text length of the value edit while the kind is selected
    TopExponent top = TopExponent::infinity_and_nan;
    // Significant digits of a narrow format's decimal forms, as many as it takes for every
    // value shown to read back as itself; 0 for the window's formats, whose forms are
    // number_format.hpp's kind forms.
    int decimal_digits = 0;
};

// clang-format off
inline constexpr std::array<FormatTraits, 3> FORMATS{{
    {4,  "binary32",  32,  8,  23,  127,   -126,   127,   24,  13},
    {8,  "binary64",  64,  11, 52,  1023,  -1022,  1023,  53,  22},
    {16, "binary128", 128, 15, 112, 16383, -16382, 16383, 113, 40},
}};
// clang-format on

// binora-cli's narrow formats: binary16, bfloat16 and the 8-bit formats E5M2 and E4M3 of the
// OCP 8-bit floating-point standard (E4M3: no infinities, the only NaNs S.1111.111,
// largest finite number 448). A double holds every value of each exactly.
// clang-format off
inline constexpr std::array<FormatTraits, 4> NARROW_FORMATS{{
    {0, "binary16", 16, 5, 10, 15,  -14,  15,  11, 0, TopExponent::infinity_and_nan, 5},
    {0, "bfloat16", 16, 8, 7,  127, -126, 127, 8,  0, TopExponent::infinity_and_nan, 4},
    {0, "E5M2",     8,  5, 2,  15,  -14,  15,  3,  0, TopExponent::infinity_and_nan, 2},
    {0, "E4M3",     8,  4, 3,  7,   -6,   8,   4,  0, TopExponent::finite_but_nan,   3},
}};
// clang-format on

// Whether the format is one of the window's three, held by float, double or __float128.
constexpr bool has_native_type(const FormatTraits& format) {
    return format.kind != 0;
}

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
