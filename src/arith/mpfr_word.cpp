#include "arith/mpfr_word.hpp"

#include "numeric/format_word.hpp"

#include <bit>
#include <cstdint>

namespace binora {

static_assert(GMP_NUMB_BITS == 64, "two 64-bit limbs hold 128 bits");

namespace {

// The number of limbs a precision takes.
int limb_count(long precision) {
    return precision > 64 ? 2 : 1;
}

int bit_length(Word128 bits) {
    const auto high = static_cast<std::uint64_t>(bits >> 64);
    return high != 0 ? 128 - std::countl_zero(high)
                     : 64 - std::countl_zero(static_cast<std::uint64_t>(bits));
}

} // namespace

MpfrSlot::MpfrSlot(long precision, bool unset) : precision_(precision) {
    mpfr_custom_init(limbs_, precision);
    if (!unset) mpfr_custom_init_set(value_, MPFR_ZERO_KIND, 0, precision, limbs_);
}

void MpfrSlot::set_word(const FormatTraits& format, const WordLayout& layout, Word128 word) {
    const int sign = sign_of(layout, word) ? -1 : 1;
    if (is_infinity_word(layout, word)) {
        mpfr_custom_init_set(value_, sign * MPFR_INF_KIND, 0, precision_, limbs_);
        return;
    }
    const WordSignificand number = significand_of(format, layout, word);
    if (number.significand == 0) {
        mpfr_custom_init_set(value_, sign * MPFR_ZERO_KIND, 0, precision_, limbs_);
        return;
    }
    // MPFR reads 0.b1b2... * 2^exponent, b1 the top bit of the top limb.
    const int length = bit_length(number.significand);
    const Word128 aligned = number.significand << (128 - length);
    if (limb_count(precision_) == 1) {
        limbs_[0] = static_cast<mp_limb_t>(aligned >> 64);
    } else {
        limbs_[0] = static_cast<mp_limb_t>(aligned);
        limbs_[1] = static_cast<mp_limb_t>(aligned >> 64);
    }
    mpfr_custom_init_set(value_, sign * MPFR_REGULAR_KIND, number.exponent2 + length, precision_,
                         limbs_);
}

TruncatedReal MpfrSlot::truncated(const FormatTraits& format, int ternary) const {
    TruncatedReal x;
    x.negative = mpfr_signbit(value_) != 0;
    x.beyond = ternary != 0;
    Word128 top = limbs_[limb_count(precision_) - 1];
    top <<= 64;
    if (limb_count(precision_) == 2) top |= limbs_[0];
    const long width = format.precision + 2;
    x.bits = top >> (128 - width);
    x.exponent = mpfr_custom_get_exp(value_) - 1;
    return x;
}

} // namespace binora
