#pragma once

// What Binora knows of each C++ floating type, one specialisation per format: float holds
// binary32, double binary64 and __float128 binary128. Generic code takes the type (or a
// traits value) and finds here the storage word, the format's numbers and the exact
// operations of the type's own library (C's <cmath> or libquadmath). Every operation is
// exact except `from_c_text`, which rounds once, to nearest with ties to even.

#include "model/format_traits.hpp"
#include "numeric/from_c_text.hpp"
#include "numeric/storage_word.hpp"

#include <quadmath.h>

#include <cmath>
#include <cstdint>
#include <string_view>

namespace binora {

template <typename Real> struct FloatTraits;

template <> struct FloatTraits<float> {
    using Real = float;
    using Word = std::uint32_t;
    static constexpr const FormatTraits& format = FORMATS[0];

    static Word word(float x) { return word_of(x); }
    static float value(Word w) { return binary32_from_word(w); }
    static bool is_finite(float x) { return std::isfinite(x); }
    static bool is_infinite(float x) { return std::isinf(x); }
    static float magnitude(float x) { return std::fabs(x); }
    // The exponent e of x = m * 2^e with 0.5 <= |m| < 1 (0 for a zero).
    static int frexp_exponent(float x) {
        int e = 0;
        std::frexp(x, &e);
        return e;
    }
    static float ldexp(float x, int e) { return std::ldexp(x, e); }
    static float next_after(float x, float toward) { return std::nextafter(x, toward); }
    // A number in the C library's syntax (checked beforehand), read directly into binary32.
    static float from_c_text(std::string_view text) { return binary32_from_c_text(text); }
};

template <> struct FloatTraits<double> {
    using Real = double;
    using Word = std::uint64_t;
    static constexpr const FormatTraits& format = FORMATS[1];

    static Word word(double x) { return word_of(x); }
    static double value(Word w) { return binary64_from_word(w); }
    static bool is_finite(double x) { return std::isfinite(x); }
    static bool is_infinite(double x) { return std::isinf(x); }
    static double magnitude(double x) { return std::fabs(x); }
    static int frexp_exponent(double x) {
        int e = 0;
        std::frexp(x, &e);
        return e;
    }
    static double ldexp(double x, int e) { return std::ldexp(x, e); }
    static double next_after(double x, double toward) { return std::nextafter(x, toward); }
    static double from_c_text(std::string_view text) { return binary64_from_c_text(text); }
};

template <> struct FloatTraits<__float128> {
    using Real = __float128;
    using Word = Word128;
    static constexpr const FormatTraits& format = FORMATS[2];

    static Word word(__float128 x) { return word_of(x); }
    static __float128 value(Word w) { return binary128_from_word(w); }
    static bool is_finite(__float128 x) { return finiteq(x) != 0; }
    static bool is_infinite(__float128 x) { return isinfq(x) != 0; }
    static __float128 magnitude(__float128 x) { return fabsq(x); }
    static int frexp_exponent(__float128 x) {
        int e = 0;
        frexpq(x, &e);
        return e;
    }
    static __float128 ldexp(__float128 x, int e) { return scalbnq(x, e); }
    static __float128 next_after(__float128 x, __float128 toward) { return nextafterq(x, toward); }
    static __float128 from_c_text(std::string_view text) { return binary128_from_c_text(text); }
};

} // namespace binora
