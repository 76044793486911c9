#pragma once

// The fields of a storage word, read the way its format's description says, for every format
// of the table (model/format_traits.hpp): the window's three and the narrow ones alike. A word
// here is the low storage-width bits of a Word128; bits above them are ignored on reading and
// never set on writing. Every storage word of every row is read here and nowhere else:
// its fields, its class, the infinity and NaN words, and the step to the next word. Pure and
// constexpr. Each function takes the format, or its WordLayout, the masks worked out once, for
// code that reads many words of one format.

#include "model/format_traits.hpp"
#include "numeric/storage_word.hpp"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <type_traits>

namespace binora {

// The masks of a format's storage word (left uninitialised by default: word_layout fills
// every member).
struct WordLayout {
    Word128 storage;   // every bit of the storage width
    Word128 sign;      // the sign bit
    Word128 magnitude; // every bit of the storage width but the sign bit
    Word128 exponent;  // every bit of the exponent field, in place
    Word128 fraction;  // every bit of the trailing significand field
    Word128 quiet;     // the top bit of the trailing significand field
    int fraction_bits; // the width of the trailing significand field
    bool infinities;   // the all-ones exponent holds infinities and NaNs, not numbers
};

constexpr WordLayout word_layout(const FormatTraits& format) {
    WordLayout layout;
    layout.storage =
        format.storage_bits == 128 ? ~Word128{0} : (Word128{1} << format.storage_bits) - 1;
    layout.sign = Word128{1} << (format.storage_bits - 1);
    layout.fraction = (Word128{1} << format.significand_bits) - 1;
    layout.magnitude = layout.storage & ~layout.sign;
    layout.exponent = layout.magnitude & ~layout.fraction;
    layout.quiet = Word128{1} << (format.significand_bits - 1);
    layout.fraction_bits = format.significand_bits;
    layout.infinities = format.top == TopExponent::infinity_and_nan;
    return layout;
}

// The layouts of the table's rows, worked out when the program is compiled.
inline constexpr std::array<WordLayout, FORMATS.size()> FORMAT_LAYOUTS = [] {
    std::array<WordLayout, FORMATS.size()> layouts{};
    for (std::size_t i = 0; i < FORMATS.size(); ++i)
        layouts[i] = word_layout(FORMATS[i]);
    return layouts;
}();
inline constexpr std::array<WordLayout, NARROW_FORMATS.size()> NARROW_LAYOUTS = [] {
    std::array<WordLayout, NARROW_FORMATS.size()> layouts{};
    for (std::size_t i = 0; i < NARROW_FORMATS.size(); ++i)
        layouts[i] = word_layout(NARROW_FORMATS[i]);
    return layouts;
}();

// The layout of `format`: its row's, looked up, for a row of the table (every format a run
// reads words of); worked out into `scratch` for any other.
constexpr const WordLayout& layout_of(const FormatTraits& format, WordLayout& scratch) {
    if (!std::is_constant_evaluated()) {
        const std::less<const FormatTraits*> before;
        const auto row_of = [&](const auto& table) -> std::ptrdiff_t {
            if (before(&format, table.data()) || !before(&format, table.data() + table.size()))
                return -1;
            return &format - table.data();
        };
        if (const auto row = row_of(FORMATS); row >= 0)
            return FORMAT_LAYOUTS[static_cast<std::size_t>(row)];
        if (const auto row = row_of(NARROW_FORMATS); row >= 0)
            return NARROW_LAYOUTS[static_cast<std::size_t>(row)];
    }
    scratch = word_layout(format);
    return scratch;
}

// The same as a value.
constexpr WordLayout layout_of(const FormatTraits& format) {
    WordLayout scratch;
    return layout_of(format, scratch);
}

// Every bit of the storage width.
constexpr Word128 storage_mask(const FormatTraits& format) {
    WordLayout scratch;
    return layout_of(format, scratch).storage;
}

constexpr Word128 sign_mask(const FormatTraits& format) {
    WordLayout scratch;
    return layout_of(format, scratch).sign;
}

// The all-ones exponent field, as a number.
constexpr unsigned exponent_field_ones(const FormatTraits& format) {
    return (1U << format.exponent_bits) - 1;
}

// The all-ones trailing significand field, as a number.
constexpr Word128 fraction_ones(const FormatTraits& format) {
    WordLayout scratch;
    return layout_of(format, scratch).fraction;
}

constexpr bool sign_of(const WordLayout& layout, Word128 word) {
    return (word & layout.sign) != 0;
}
constexpr bool sign_of(const FormatTraits& format, Word128 word) {
    WordLayout scratch;
    return sign_of(layout_of(format, scratch), word);
}

// The biased exponent field.
constexpr unsigned exponent_field(const WordLayout& layout, Word128 word) {
    return static_cast<unsigned>((word & layout.exponent) >> layout.fraction_bits);
}
constexpr unsigned exponent_field(const FormatTraits& format, Word128 word) {
    WordLayout scratch;
    return exponent_field(layout_of(format, scratch), word);
}

// The trailing significand field.
constexpr Word128 fraction_field(const WordLayout& layout, Word128 word) {
    return word & layout.fraction;
}
constexpr Word128 fraction_field(const FormatTraits& format, Word128 word) {
    WordLayout scratch;
    return fraction_field(layout_of(format, scratch), word);
}

// The word without its sign bit (nor any bit above the storage width).
constexpr Word128 magnitude_of(const WordLayout& layout, Word128 word) {
    return word & layout.magnitude;
}
constexpr Word128 magnitude_of(const FormatTraits& format, Word128 word) {
    WordLayout scratch;
    return magnitude_of(layout_of(format, scratch), word);
}

constexpr bool is_nan_word(const WordLayout& layout, Word128 word) {
    if ((word & layout.exponent) != layout.exponent) return false;
    const Word128 fraction = word & layout.fraction;
    return layout.infinities ? fraction != 0 : fraction == layout.fraction;
}
constexpr bool is_nan_word(const FormatTraits& format, Word128 word) {
    WordLayout scratch;
    return is_nan_word(layout_of(format, scratch), word);
}

constexpr bool is_infinity_word(const WordLayout& layout, Word128 word) {
    return layout.infinities && (word & layout.exponent) == layout.exponent &&
           (word & layout.fraction) == 0;
}
constexpr bool is_infinity_word(const FormatTraits& format, Word128 word) {
    WordLayout scratch;
    return is_infinity_word(layout_of(format, scratch), word);
}

// Whether the word is a finite number other than zero.
constexpr bool is_finite_nonzero_word(const WordLayout& layout, Word128 word) {
    if (magnitude_of(layout, word) == 0) return false;
    if ((word & layout.exponent) != layout.exponent) return true;
    return !layout.infinities && (word & layout.fraction) != layout.fraction;
}

// The top bit of the trailing significand field: set in a quiet NaN, clear in a signalling
// one (E5M2 too; E4M3's only NaNs have it set, so they are quiet).
constexpr Word128 quiet_bit(const FormatTraits& format) {
    WordLayout scratch;
    return layout_of(format, scratch).quiet;
}

constexpr bool is_signalling_nan_word(const WordLayout& layout, Word128 word) {
    return is_nan_word(layout, word) && (word & layout.quiet) == 0;
}
constexpr bool is_signalling_nan_word(const FormatTraits& format, Word128 word) {
    WordLayout scratch;
    return is_signalling_nan_word(layout_of(format, scratch), word);
}

// The infinity of the sign: the all-ones exponent field and a zero significand. Meaningful
// only for a format that has infinities.
constexpr Word128 infinity_word(const WordLayout& layout, bool negative) {
    return (negative ? layout.sign : 0) | layout.exponent;
}
constexpr Word128 infinity_word(const FormatTraits& format, bool negative) {
    WordLayout scratch;
    return infinity_word(layout_of(format, scratch), negative);
}

// The default quiet NaN of the sign: only the top significand bit set (E4M3: its NaN, every
// significand bit set).
constexpr Word128 default_nan_word(const WordLayout& layout, bool negative) {
    return infinity_word(layout, negative) | (layout.infinities ? layout.quiet : layout.fraction);
}
constexpr Word128 default_nan_word(const FormatTraits& format, bool negative) {
    WordLayout scratch;
    return default_nan_word(layout_of(format, scratch), negative);
}

// The NaN a typed NaN spelling stands for: every significand bit set, with the sign.
constexpr Word128 typed_nan_word(const FormatTraits& format, bool negative) {
    return infinity_word(format, negative) | fraction_ones(format);
}

// The magnitude word of the largest finite number (7BFF in binary16, 7E in E4M3).
constexpr Word128 largest_finite_magnitude(const WordLayout& layout) {
    return layout.infinities ? layout.exponent - 1 : (layout.exponent | layout.fraction) - 1;
}
constexpr Word128 largest_finite_magnitude(const FormatTraits& format) {
    WordLayout scratch;
    return largest_finite_magnitude(layout_of(format, scratch));
}

// A finite nonzero word's number as significand * 2^exponent2, the significand an integer
// with the hidden bit added for a normal number (below 2^precision).
struct WordSignificand {
    Word128 significand = 0;
    int exponent2 = 0;
};
constexpr WordSignificand significand_of(const FormatTraits& format, const WordLayout& layout,
                                         Word128 word) {
    const unsigned biased = exponent_field(layout, word);
    const Word128 fraction = fraction_field(layout, word);
    if (biased == 0) return {fraction, format.emin - format.significand_bits};
    return {fraction | (layout.fraction + 1),
            static_cast<int>(biased) - format.bias - format.significand_bits};
}
constexpr WordSignificand significand_of(const FormatTraits& format, Word128 word) {
    return significand_of(format, layout_of(format), word);
}

// Checked where it is compiled: the layouts of binary16 and E4M3.
static_assert(largest_finite_magnitude(NARROW_FORMATS[0]) == 0x7BFF);
static_assert(largest_finite_magnitude(NARROW_FORMATS[3]) == 0x7E);
static_assert(default_nan_word(NARROW_FORMATS[0], true) == 0xFE00);
static_assert(default_nan_word(NARROW_FORMATS[3], false) == 0x7F);

// The class of a datum.
struct ClassFlags {
    bool is_zero = false;      // exponent all 0, significand all 0
    bool is_subnormal = false; // exponent all 0, significand not all 0
    bool is_infinity = false;  // an infinity (is_infinity_word)
    bool is_nan = false;       // a NaN (is_nan_word)
    bool is_finite = false;    // neither
    bool is_exp_max = false;   // the largest finite exponent or above: every exponent bit but
                               // the last is 1 (a format whose all-ones exponent is finite:
                               // that exponent)
    bool is_exp_min = false;   // every exponent bit but the last is 0
};

constexpr ClassFlags class_of_word(const FormatTraits& format, Word128 word) {
    WordLayout scratch;
    const WordLayout& layout = layout_of(format, scratch);
    const unsigned exponent = exponent_field(layout, word);
    const unsigned ones = exponent_field_ones(format);
    const Word128 fraction = fraction_field(layout, word);
    ClassFlags flags;
    flags.is_zero = exponent == 0 && fraction == 0;
    flags.is_subnormal = exponent == 0 && fraction != 0;
    flags.is_infinity = is_infinity_word(layout, word);
    flags.is_nan = is_nan_word(layout, word);
    flags.is_finite = !flags.is_infinity && !flags.is_nan;
    flags.is_exp_max = layout.infinities ? (exponent >> 1) == (ones >> 1) : exponent == ones;
    flags.is_exp_min = (exponent >> 1) == 0;
    return flags;
}

// The word of the next number after the word's toward plus infinity (`upward`) or minus
// infinity: the magnitudes of one sign are ordered like their words, from zero through the
// subnormal and normal numbers to the largest (and infinity), so one step is the word plus or
// minus one. Both zeros step to the smallest subnormal number of the direction's sign; an
// infinity stays where it is in its own direction; a NaN is returned unchanged. None beyond
// the largest finite number of a format without infinities.
constexpr std::optional<Word128> next_word(const FormatTraits& format, Word128 word, bool upward) {
    WordLayout scratch;
    const WordLayout& layout = layout_of(format, scratch);
    word &= layout.storage;
    if (is_nan_word(layout, word)) return word;
    if (magnitude_of(layout, word) == 0) return upward ? Word128{1} : layout.sign | 1;
    if (upward == sign_of(layout, word)) return word - 1; // toward zero
    if (is_infinity_word(layout, word)) return word;
    if (!layout.infinities && magnitude_of(layout, word) == largest_finite_magnitude(layout))
        return std::nullopt;
    return word + 1;
}

} // namespace binora
