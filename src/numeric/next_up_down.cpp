#include "numeric/next_up_down.hpp"

#include "numeric/float_traits.hpp"

namespace binora {

namespace {

// The next number after x toward +infinity (`upward`) or -infinity. Works on the storage
// word: the magnitudes of one sign are ordered like their words, from zero through the
// subnormal and normal numbers to infinity, so one step is the word plus or minus one.
template <typename Real> Real next_toward(Real x, bool upward) {
    using T = FloatTraits<Real>;
    using Word = typename T::Word;
    constexpr const FormatTraits& format = T::format;
    const Word sign = Word{1} << (format.storage_bits - 1);
    const Word infinity = ((Word{1} << format.exponent_bits) - 1) << format.significand_bits;

    const Word word = T::word(x);
    const Word magnitude = word & ~sign;
    if (magnitude > infinity) return x; // NaN
    if (magnitude == 0) return T::value(upward ? Word{1} : (sign | Word{1}));
    const bool away_from_zero = upward == ((word & sign) == 0);
    if (!away_from_zero) return T::value(word - 1);
    if (magnitude == infinity) return x;
    return T::value(word + 1);
}

} // namespace

template <typename Real> Real next_up(Real x) {
    return next_toward(x, true);
}

template <typename Real> Real next_down(Real x) {
    return next_toward(x, false);
}

template float next_up<float>(float);
template double next_up<double>(double);
template __float128 next_up<__float128>(__float128);
template float next_down<float>(float);
template double next_down<double>(double);
template __float128 next_down<__float128>(__float128);

} // namespace binora
