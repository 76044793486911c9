#pragma once

// MPFR numbers whose significands live in the caller's memory (MPFR's custom interface), made
// from storage words and read back as truncated reals: at most 128 bits of precision, two
// 64-bit limbs, and no allocation.

#include "arith/rounding.hpp"
#include "model/format_traits.hpp"
#include "numeric/format_word.hpp"
#include "numeric/storage_word.hpp"

#include <mpfr.h>

namespace binora {

// One number of at most 128 bits of precision. Not copied: MPFR points into `limbs`.
class MpfrSlot {
  public:
    // A number of `precision` bits (2 to 128): a zero, or for `unset` nothing yet, until
    // set_word makes it one.
    explicit MpfrSlot(long precision, bool unset = false);
    MpfrSlot(const MpfrSlot&) = delete;
    MpfrSlot& operator=(const MpfrSlot&) = delete;

    mpfr_ptr get() { return value_; }
    mpfr_srcptr get() const { return value_; }

    // Makes the number the value of `word`, a word of `format` (whose masks are `layout`) that
    // is not a NaN. The precision must hold the format's.
    void set_word(const FormatTraits& format, const WordLayout& layout, Word128 word);

    // The number, nonzero and finite, truncated to its precision (which must be
    // `format.precision + 2`) as rounding.hpp takes it; `beyond` is whether the exact value it
    // was rounded from (toward zero) had more bits: MPFR's ternary value is not 0.
    TruncatedReal truncated(const FormatTraits& format, int ternary) const;

  private:
    mpfr_t value_;
    mp_limb_t limbs_[2] = {0, 0};
    long precision_;
};

} // namespace binora
