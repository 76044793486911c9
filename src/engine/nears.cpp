#include "engine/nears.hpp"

#include "engine/storage_word.hpp"
#include "model/format_traits.hpp"

#include <cstdint>

namespace binora {

namespace {

// A kind's storage word and the exact conversions between it and the value.
template <typename Real> struct NearKind;

template <> struct NearKind<float> {
    using Word = std::uint32_t;
    static constexpr int kind = 4;
    static Word word(float x) { return word_of(x); }
    static float value(Word w) { return binary32_from_word(w); }
};

template <> struct NearKind<double> {
    using Word = std::uint64_t;
    static constexpr int kind = 8;
    static Word word(double x) { return word_of(x); }
    static double value(Word w) { return binary64_from_word(w); }
};

template <> struct NearKind<__float128> {
    using Word = Word128;
    static constexpr int kind = 16;
    static Word word(__float128 x) { return word_of(x); }
    static __float128 value(Word w) { return binary128_from_word(w); }
};

// The next number after x toward +infinity (`upward`) or -infinity. Works on the storage
// word: the magnitudes of one sign are ordered like their words, from zero through the
// subnormal and normal numbers to infinity, so one step is the word plus or minus one.
template <typename Real> Real next_toward(Real x, bool upward) {
    using K = NearKind<Real>;
    using Word = typename K::Word;
    const FormatTraits& format = format_of(K::kind);
    const Word sign = Word{1} << (format.storage_bits - 1);
    const Word infinity = ((Word{1} << format.exponent_bits) - 1) << format.significand_bits;

    const Word word = K::word(x);
    const Word magnitude = word & ~sign;
    if (magnitude > infinity) return x; // NaN
    if (magnitude == 0) return K::value(upward ? Word{1} : (sign | Word{1}));
    const bool away_from_zero = upward == ((word & sign) == 0);
    if (!away_from_zero) return K::value(word - 1);
    if (magnitude == infinity) return x;
    return K::value(word + 1);
}

template <typename Real> Real next_up(Real x) {
    return next_toward(x, true);
}

template <typename Real> Real next_down(Real x) {
    return next_toward(x, false);
}

} // namespace

float NEAR4(float x) {
    return next_up(x);
}

double NEAR8(double x) {
    return next_up(x);
}

__float128 NEAR16(__float128 x) {
    return next_up(x);
}

float NEAR_4(float x) {
    return next_down(x);
}

double NEAR_8(double x) {
    return next_down(x);
}

__float128 NEAR_16(__float128 x) {
    return next_down(x);
}

} // namespace binora
