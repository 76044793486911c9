#pragma once

// The storage formats Binora shows, one row of numbers each: the window's three, whose data
// kind is the storage width in bytes (4 binary32, 8 binary64, 16 binary128), and the narrow
// formats binora-cli shows beside them. A row says everything the program needs of its format:
// the fields, what the all-ones exponent stands for, how its numbers are written and named.
// What a storage word of a row holds is read in numeric/format_word.hpp; the controls that
// show a format in the window are the bit-editing layer's (bitedit/format_controls.hpp).

#include <array>
#include <cstddef>

namespace binora {

// What the all-ones exponent field stands for.
enum class TopExponent {
    infinity_and_nan, // IEEE 754: an infinity (significand all 0) or a NaN (any other)
    finite_but_nan,   // finite numbers, but for the all-ones significand: the only NaN
};

// A decimal exponent form with scale factor 1 (numeric/number_format.hpp writes it).
struct NumberForm {
    int width;            // w: the text is right-justified in this many characters
    int digits;           // d: digits after the decimal point
    char exponent_letter; // 'E' or 'D'
    int exponent_digits;  // minimum number of exponent digits
    bool plus_sign;       // "SP": a plus sign before values that are not negative
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
    TopExponent top;
    // The form of X, ULP and the neighbours ("(1pE)", "(1pD)"; a narrow format writes as many
    // significant digits as it takes for every value shown to read back as itself), and of
    // the significand ("(1pE14.7)", ...).
    NumberForm value_form;
    NumberForm significand_form;
    const char* normal_name; // a normal number's class: "Normalized Number: " and this
    const char* epsilon;     // the parameter list's definition of epsilon
    // The caption of X- in binary has a comma after "X" where the others have a semicolon.
    bool comma_below;
    const char* cli_word; // binora-cli's name of the format after --kind: "32", "bf16", ...
};

// clang-format off
inline constexpr std::array<FormatTraits, 3> FORMATS{{
    {4,  "binary32",  32,  8,  23,  127,   -126,   127,   24,  13, TopExponent::infinity_and_nan,
     {15, 7, 'E', 2, false},  {14, 7, 'E', 2, false},  "Real(4)",  "Epsilon = ULP(1.0).",  false, "32"},
    {8,  "binary64",  64,  11, 52,  1023,  -1022,  1023,  53,  22, TopExponent::infinity_and_nan,
     {25, 16, 'D', 2, false}, {22, 15, 'E', 2, false}, "Real(8)",  "Epsilon = ULP(1.D0).", true,  "64"},
    {16, "binary128", 128, 15, 112, 16383, -16382, 16383, 113, 40, TopExponent::infinity_and_nan,
     {42, 33, 'D', 3, false}, {41, 33, 'E', 2, false}, "Real(16)", "Epsilon = ULP(1.Q0).", false, "128"},
}};
// clang-format on

// binora-cli's narrow formats: binary16, bfloat16 and the 8-bit formats E5M2 and E4M3 of the
// OCP 8-bit floating-point standard (E4M3: no infinities, the only NaNs S.1111.111,
// largest finite number 448). A double holds every value of each exactly.
// clang-format off
inline constexpr std::array<FormatTraits, 4> NARROW_FORMATS{{
    {0, "binary16", 16, 5, 10, 15,  -14,  15,  11, 0, TopExponent::infinity_and_nan,
     {0, 4, 'E', 2, false}, {0, 4, 'E', 2, false}, "binary16", "Epsilon = ULP(1.0).", false, "16"},
    {0, "bfloat16", 16, 8, 7,  127, -126, 127, 8,  0, TopExponent::infinity_and_nan,
     {0, 3, 'E', 2, false}, {0, 3, 'E', 2, false}, "bfloat16", "Epsilon = ULP(1.0).", false, "bf16"},
    {0, "E5M2",     8,  5, 2,  15,  -14,  15,  3,  0, TopExponent::infinity_and_nan,
     {0, 1, 'E', 2, false}, {0, 1, 'E', 2, false}, "E5M2",     "Epsilon = ULP(1.0).", false, "e5m2"},
    {0, "E4M3",     8,  4, 3,  7,   -6,   8,   4,  0, TopExponent::finite_but_nan,
     {0, 2, 'E', 2, false}, {0, 2, 'E', 2, false}, "E4M3",     "Epsilon = ULP(1.0).", false, "e4m3"},
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

// The position of one of the window's formats in FORMATS.
inline std::size_t index_of(const FormatTraits& format) {
    return static_cast<std::size_t>(&format - FORMATS.data());
}

} // namespace binora
