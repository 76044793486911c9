// The neighbour and ULP functions against the C libraries' nextafter over many stored words:
// 10,000 random finite words per kind (fixed seed) and the boundary words of each kind.

#include "numeric/float_traits.hpp"
#include "test_words.hpp"
#include "testing/words.hpp"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace binora {
namespace {

constexpr int RANDOM_WORDS = 10000;

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

template <typename Real> std::vector<typename FloatTraits<Real>::Word> sweep_words() {
    using T = FloatTraits<Real>;
    using Word = typename T::Word;
    std::vector<Word> words = boundary_words<Word>(T::format);
    std::mt19937_64 generator(20240611);
    int found = 0;
    while (found < RANDOM_WORDS) {
        const Word w = random_word<Word>(generator);
        if (!T::is_finite(T::value(w))) continue;
        words.push_back(w);
        ++found;
    }
    return words;
}

template <typename Real> bool is_power_of_two(Real x) {
    using T = FloatTraits<Real>;
    return x == T::ldexp(1, T::frexp_exponent(x) - 1);
}

// Checks next_up, next_down and ulp against the C libraries' nextafter toward the infinities.
template <typename Real> void check_sweep() {
    using T = FloatTraits<Real>;
    const Real largest = T::value(largest_finite_word<typename T::Word>(T::format));
    const Real infinity = T::ldexp(largest, 1);
    const auto library_up = [infinity](Real x) { return T::next_after(x, infinity); };
    const auto library_down = [infinity](Real x) { return T::next_after(x, -infinity); };
    int failures = 0;
    for (const auto w : sweep_words<Real>()) {
        const Real x = T::value(w);
        const bool up_ok = T::word(next_up(x)) == T::word(library_up(x));
        const bool down_ok = T::word(next_down(x)) == T::word(library_down(x));
        const Real spacing = ulp(x);
        const bool ulp_sign_free = T::word(spacing) == T::word(ulp(-x));
        bool ulp_is_spacing = true;
        if (x > 0 && x < largest) ulp_is_spacing = library_up(x) - x == spacing;
        if (x > 0 && !is_power_of_two(x)) ulp_is_spacing &= x - library_down(x) == spacing;
        if (!(up_ok && down_ok && ulp_sign_free && ulp_is_spacing) && ++failures <= 10)
            ADD_FAILURE() << T::format.name << " word 0x" << hex_string(w, T::format.storage_bits)
                          << (up_ok ? "" : " next up") << (down_ok ? "" : " next down")
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
