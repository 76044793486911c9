// The window's MPFR and GMP functions (deferred_numeric_libraries.cpp): neither library is
// loaded before its first use, and the results are the libraries' own. The exact value of the
// largest binary128 number takes GMP; reading a binary128 value takes MPFR.

#include "numeric/from_c_text.hpp"
#include "testing/words.hpp"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <quadmath.h>
#include <string>

namespace binora::testing {

namespace {

bool loaded(const char* soname) {
    void* library = dlopen(soname, RTLD_NOW | RTLD_NOLOAD);
    if (library != nullptr) dlclose(library);
    return library != nullptr;
}

unsigned __int128 word_of(__float128 value) {
    unsigned __int128 word = 0;
    std::memcpy(&word, &value, sizeof word);
    return word;
}

// The last 18 digits of (2^113 - 1) * 2^16271, the largest binary128 number.
std::string last_digits_of_largest() {
    constexpr unsigned long long modulus = 1000000000000000000ULL;
    unsigned __int128 rest = 1;
    for (int i = 0; i < 16271; ++i)
        rest = rest * 2 % modulus;
    const unsigned __int128 significand = (static_cast<unsigned __int128>(1) << 113) - 1;
    rest = rest * (significand % modulus) % modulus;
    std::string digits(18, '0');
    for (int i = 17; i >= 0; --i, rest /= 10)
        digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + static_cast<int>(rest % 10));
    return digits;
}

TEST(DeferredNumericLibraries, AreLoadedAtTheirFirstUseAndGiveTheLibrariesResults) {
    EXPECT_FALSE(loaded(BINORA_GMP_SONAME));
    EXPECT_FALSE(loaded(BINORA_MPFR_SONAME));

    const std::string largest = exact_decimal(FLT128_MAX);
    EXPECT_EQ(largest.size(), 4933U);
    EXPECT_EQ(largest.substr(0, 30), "118973149535723176508575932662");
    EXPECT_EQ(largest.substr(largest.size() - 18), last_digits_of_largest());
    EXPECT_TRUE(loaded(BINORA_GMP_SONAME));
    EXPECT_FALSE(loaded(BINORA_MPFR_SONAME));

    const unsigned __int128 tenth =
        (static_cast<unsigned __int128>(0x3FFB999999999999ULL) << 64) | 0x999999999999999AULL;
    EXPECT_TRUE(word_of(binary128_from_c_text("0.1")) == tenth);
    EXPECT_TRUE(word_of(binary128_from_c_text("1e-4966")) == 0); // below half the least subnormal
    EXPECT_TRUE(loaded(BINORA_MPFR_SONAME));
    // A narrow format is read at its own precision: 464 is halfway to 480, so E4M3 gives 448.
    EXPECT_EQ(narrow_from_c_text(NARROW_FORMATS[3], "464"), 448.0);
}

} // namespace

} // namespace binora::testing
