// The neighbour and ULP functions against the C library's nextafter over many stored words:
// 10,000 random finite words per kind (fixed seed) and the boundary words of each kind.

#include "engine/nears.hpp"
#include "engine/ulp.hpp"
#include "model/format_traits.hpp"
#include "test_words.hpp"

#include <gtest/gtest.h>
#include <quadmath.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace binora {
namespace {

constexpr int RANDOM_WORDS = 10000;

// The operations under test and the library's references, per type.
template <typename Real> struct Sweep;

template <> struct Sweep<float> {
    using Word = std::uint32_t;
    static constexpr int kind = 4;
    static float value(Word w) { return binary32_from_word(w); }
    static float near_up(float x) { return NEAR4(x); }
    static float near_down(float x) { return NEAR_4(x); }
    static float ulp(float x) { return ULP4(x); }
    static float library_up(float x) { return std::nextafterf(x, INFINITY); }
    static float library_down(float x) { return std::nextafterf(x, -INFINITY); }
    static bool finite(float x) { return std::isfinite(x); }
};

template <> struct Sweep<double> {
    using Word = std::uint64_t;
    static constexpr int kind = 8;
    static double value(Word w) { return binary64_from_word(w); }
    static double near_up(double x) { return NEAR8(x); }
    static double near_down(double x) { return NEAR_8(x); }
    static double ulp(double x) { return ULP8(x); }
    static double library_up(double x) { return std::nextafter(x, HUGE_VAL); }
    static double library_down(double x) { return std::nextafter(x, -HUGE_VAL); }
    static bool finite(double x) { return std::isfinite(x); }
};

template <> struct Sweep<__float128> {
    using Word = Word128;
    static constexpr int kind = 16;
    static __float128 value(Word w) { return binary128_from_word(w); }
    static __float128 near_up(__float128 x) { return NEAR16(x); }
    static __float128 near_down(__float128 x) { return NEAR_16(x); }
    static __float128 ulp(__float128 x) { return ULP16(x); }
    static __float128 library_up(__float128 x) { return nextafterq(x, HUGE_VALQ); }
    static __float128 library_down(__float128 x) { return nextafterq(x, -HUGE_VALQ); }
    static bool finite(__float128 x) { return finiteq(x) != 0; }
};

template <typename Word> Word random_word(std::mt19937_64& generator) {
    if constexpr (sizeof(Word) == 16)
        return testing::word128(generator(), generator());
    else
        return static_cast<Word>(generator());
}

// The word of the largest finite number of the format.
template <typename Word> Word largest_finite_word(const FormatTraits& format) {
    return (((Word{1} << format.exponent_bits) - 1) << format.significand_bits) - 1;
}

// Words at every place where the spacing changes or the format ends, of both signs: the
// zeros, the ends of the subnormal range, and the first two and last two significands of
// every exponent up to the largest finite numbers.
template <typename Word> std::vector<Word> boundary_words(const FormatTraits& format) {
    const Word sign = Word{1} << (format.storage_bits - 1);
    const Word last_significand = (Word{1} << format.significand_bits) - 1;
    std::vector<Word> words = {0, 1, 2, last_significand - 1, last_significand};
    const Word past_largest = largest_finite_word<Word>(format) + 1;
    for (Word first = last_significand + 1; first < past_largest; first += last_significand + 1)
        words.insert(words.end(),
                     {first, first + 1, first + last_significand - 1, first + last_significand});
    const std::size_t positive = words.size();
    for (std::size_t i = 0; i < positive; ++i)
        words.push_back(words[i] | sign);
    return words;
}

template <typename Real> std::vector<typename Sweep<Real>::Word> sweep_words() {
    using Word = typename Sweep<Real>::Word;
    std::vector<Word> words = boundary_words<Word>(format_of(Sweep<Real>::kind));
    std::mt19937_64 generator(20240611);
    int found = 0;
    while (found < RANDOM_WORDS) {
        const Word w = random_word<Word>(generator);
        if (!Sweep<Real>::finite(Sweep<Real>::value(w))) continue;
        words.push_back(w);
        ++found;
    }
    return words;
}

template <typename Real> bool is_power_of_two(Real x) {
    int e = 0;
    if constexpr (sizeof(Real) == 16)
        return frexpq(x, &e) == static_cast<Real>(0.5);
    else
        return std::frexp(x, &e) == static_cast<Real>(0.5);
}

template <typename Real> void check_sweep() {
    using S = Sweep<Real>;
    const Real largest = S::value(largest_finite_word<typename S::Word>(format_of(S::kind)));
    int failures = 0;
    for (const auto w : sweep_words<Real>()) {
        const Real x = S::value(w);
        const bool up_ok = word_of(S::near_up(x)) == word_of(S::library_up(x));
        const bool down_ok = word_of(S::near_down(x)) == word_of(S::library_down(x));
        const Real ulp = S::ulp(x);
        const bool ulp_sign_free = word_of(ulp) == word_of(S::ulp(-x));
        bool ulp_is_spacing = true;
        if (x > 0 && x < largest) ulp_is_spacing = S::library_up(x) - x == ulp;
        if (x > 0 && !is_power_of_two(x)) ulp_is_spacing &= x - S::library_down(x) == ulp;
        if (!(up_ok && down_ok && ulp_sign_free && ulp_is_spacing) && ++failures <= 10)
            ADD_FAILURE() << "kind " << S::kind << " word 0x" << hex_string(w, 8 * S::kind)
                          << (up_ok ? "" : " NEAR") << (down_ok ? "" : " NEAR_")
                          << (ulp_sign_free ? "" : " ULP(-x)")
                          << (ulp_is_spacing ? "" : " ULP spacing");
    }
    EXPECT_EQ(failures, 0);
}

TEST(NeighbourSweep, Binary32) {
    check_sweep<float>();
}

TEST(NeighbourSweep, Binary64) {
    check_sweep<double>();
}

TEST(NeighbourSweep, Binary128) {
    check_sweep<__float128>();
}

} // namespace
} // namespace binora
