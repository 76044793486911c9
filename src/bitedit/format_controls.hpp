#pragma once

// The controls that show each format: its kind radio and its bit edits, each with the width of
// the field it shows, in the order sign, exponent, significand (binary128 shows its 112
// significand bits in a 48-bit and a 64-bit edit). Bit editing, the engine and the controller
// walk this table instead of naming edits per kind.

#include "model/format_traits.hpp"
#include "resources/resource.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace binora {

struct BitField {
    int edit; // control id of the bit edit
    int bits; // width of the field it shows
};

struct FormatControls {
    int kind;                      // 4, 8 or 16, as in the format table
    int kind_radio;                // IDC_KIND32, ...
    std::array<BitField, 4> edits; // sign, exponent, significand part(s)
    std::size_t edit_count;        // 3; 4 for binary128

    // Every bit edit of the format, most significant field first.
    constexpr std::span<const BitField> fields() const { return {edits.data(), edit_count}; }
    constexpr const BitField& sign() const { return edits[0]; }
    constexpr const BitField& exponent() const { return edits[1]; }
    // The significand edit(s), most significant part first.
    constexpr std::span<const BitField> significand() const { return fields().subspan(2); }
};

// One row per format of the window, in the order of FORMATS.
// clang-format off
inline constexpr std::array<FormatControls, 3> FORMAT_CONTROLS{{
    {4,  IDC_KIND32,  {{{IDC_S32, 1},  {IDC_E32, 8},   {IDC_F32, 23},     {0, 0}}},            3},
    {8,  IDC_KIND64,  {{{IDC_S64, 1},  {IDC_E64, 11},  {IDC_F64, 52},     {0, 0}}},            3},
    {16, IDC_KIND128, {{{IDC_S128, 1}, {IDC_E128, 15}, {IDC_F128_48, 48}, {IDC_F128_64, 64}}}, 4},
}};
// clang-format on

// The controls of one of the window's formats.
inline const FormatControls& controls_of(const FormatTraits& format) {
    return FORMAT_CONTROLS[index_of(format)];
}

// The format whose kind radio is `id`; nullptr when `id` is no kind radio.
const FormatControls* controls_of_radio(int id);

// Whether `id` is a bit edit of any kind.
bool is_bit_edit(int id);

// The bit edit of the format whose field is `width` bits wide (within a format all widths
// differ); none when it has no field of that width.
std::optional<BitField> bit_field_of_width(const FormatControls& controls, int width);

} // namespace binora
