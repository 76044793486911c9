#include "arith/integer_arithmetic.hpp"

#include <bit>
#include <cstdint>

namespace binora {

namespace {

using Wide = unsigned __int128;

int bit_length(Wide bits) {
    const auto high = static_cast<std::uint64_t>(bits >> 64);
    return high != 0 ? 128 - std::countl_zero(high)
                     : 64 - std::countl_zero(static_cast<std::uint64_t>(bits));
}

// A finite word's number: sign, significand (below 2^63) and the exponent of its last bit.
struct Number {
    bool negative;
    std::uint64_t significand;
    int exponent2;
};

// The words of these formats fit in 64 bits, where every step is one instruction.
Number number_of(const FormatTraits& format, const WordLayout& layout, Word128 word) {
    const auto bits = static_cast<std::uint64_t>(word);
    const auto fraction = bits & static_cast<std::uint64_t>(layout.fraction);
    const auto biased = static_cast<int>((bits & static_cast<std::uint64_t>(layout.exponent)) >>
                                         layout.fraction_bits);
    const bool negative = (bits & static_cast<std::uint64_t>(layout.sign)) != 0;
    if (biased == 0) return {negative, fraction, format.emin - format.significand_bits};
    return {negative, fraction | (std::uint64_t{1} << layout.fraction_bits),
            biased - format.bias - format.significand_bits};
}

// The top `width` bits of `bits` (nonzero), whose last bit weighs 2^last_exponent.
TruncatedReal leading_bits(bool negative, Wide bits, long last_exponent, int width, bool beyond) {
    const int length = bit_length(bits);
    TruncatedReal x;
    x.negative = negative;
    x.exponent = last_exponent + length - 1;
    if (length > width) {
        const int drop = length - width;
        x.beyond = beyond || (bits & ((Wide{1} << drop) - 1)) != 0;
        x.bits = bits >> drop;
    } else {
        x.beyond = beyond;
        x.bits = bits << (width - length);
    }
    return x;
}

// The top bit of an aligned significand: below it room for the other operand's bits, above
// it room for the carry of a sum.
constexpr int TOP = 125;

} // namespace

bool truncated_by_integers(Operation operation, const FormatTraits& format,
                           const WordLayout& layout, Word128 a_word, Word128 b_word,
                           TruncatedReal& x) {
    const int width = format.precision + 2;
    Number a = number_of(format, layout, a_word);
    Number b = number_of(format, layout, b_word);
    if (operation == Operation::mul) {
        const Wide product = Wide{a.significand} * b.significand;
        x = leading_bits(a.negative != b.negative, product, a.exponent2 + b.exponent2, width,
                         false);
        return true;
    }
    if (operation == Operation::sub) b.negative = !b.negative;
    if (a.significand == 0) std::swap(a, b);
    if (b.significand == 0) { // x + 0 is x
        x = leading_bits(a.negative, a.significand, a.exponent2, width, false);
        return true;
    }
    // Both significands with their top bit at TOP; the smaller number shifted right by the
    // difference of their exponents, the bits shifted out remembered.
    int a_top = 63 - std::countl_zero(a.significand); // the top bit's place
    int b_top = 63 - std::countl_zero(b.significand);
    if (a.exponent2 + a_top < b.exponent2 + b_top ||
        (a.exponent2 + a_top == b.exponent2 + b_top &&
         (a.significand << (63 - a_top)) < (b.significand << (63 - b_top)))) {
        std::swap(a, b);
        std::swap(a_top, b_top);
    }
    const Wide big = Wide{a.significand << (63 - a_top)} << (TOP - 63);
    Wide small = Wide{b.significand << (63 - b_top)} << (TOP - 63);
    const int shift = (a.exponent2 + a_top) - (b.exponent2 + b_top);
    bool beyond = false;
    if (shift >= TOP + 1) {
        beyond = true;
        small = 0;
    } else if (shift > 0) {
        beyond = (small & ((Wide{1} << shift) - 1)) != 0;
        small >>= shift;
    }
    // A difference less the bits shifted out (0 < e < 1 of the last place) truncates to one
    // less, with bits beyond it still.
    const Wide sum = a.negative == b.negative ? big + small : big - small - (beyond ? 1 : 0);
    if (sum == 0 && !beyond) return false;
    x = leading_bits(a.negative, sum, static_cast<long>(a.exponent2 + a_top) - TOP, width, beyond);
    return true;
}

} // namespace binora
