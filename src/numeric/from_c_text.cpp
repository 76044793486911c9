#include "numeric/from_c_text.hpp"

#include "model/format_traits.hpp"
#include "numeric/classic_locale.hpp"

// mpfr.h declares its binary128 functions with C's name _Float128, which g++ 12 and clang
// do not know in C++; __float128 is the same type there.
#if !defined(__STDCPP_FLOAT128_T__)
#define _Float128 __float128
#endif
#define MPFR_WANT_FLOAT128
#include <mpfr.h>
#undef _Float128

#include <charconv>
#include <cstdlib>
#include <string>
#include <system_error>

namespace binora {

namespace {

// from_chars where it reads the whole text into a value; otherwise (out of range) the C
// library's `c_read`, which gives the infinity or the zero.
template <typename Real, typename CRead> Real read_c_text(std::string_view c_text, CRead c_read) {
    Real value = 0;
    const char* const end = c_text.data() + c_text.size();
    const auto result = std::from_chars(c_text.data(), end, value);
    if (result.ec == std::errc() && result.ptr == end) return value;
    const ClassicLocaleScope classic;
    return c_read(std::string(c_text).c_str(), nullptr);
}

constexpr const FormatTraits& BINARY128 = FORMATS[2];

// MPFR writes a number as 0.1b...b * 2^exponent: the largest finite binary128 number has the
// exponent Emax + 1, the smallest subnormal 2^(Emin - P + 1) the exponent Emin - P + 2.
constexpr mpfr_exp_t MPFR_EMAX = BINARY128.emax + 1;
constexpr mpfr_exp_t MPFR_EMIN = BINARY128.emin - BINARY128.precision + 2;

// Puts MPFR's exponent range (a setting of the calling thread) to binary128's and restores
// the previous range when it ends.
class Binary128ExponentRange {
  public:
    Binary128ExponentRange() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
        mpfr_set_emin(MPFR_EMIN);
        mpfr_set_emax(MPFR_EMAX);
    }
    ~Binary128ExponentRange() {
        mpfr_set_emin(emin_);
        mpfr_set_emax(emax_);
    }
    Binary128ExponentRange(const Binary128ExponentRange&) = delete;
    Binary128ExponentRange& operator=(const Binary128ExponentRange&) = delete;

  private:
    mpfr_exp_t emin_;
    mpfr_exp_t emax_;
};

// The text with its exponent brought within ±(length + 5000), which changes no result: the
// value lies within 10^±length of 10^exponent, so beyond that bound it is above 10^4933
// (an overflow) or below 10^-4966 (under half the smallest subnormal, a zero) either way.
// MPFR itself misreads some exponents far beyond what a long holds, giving an infinity for
// a number that should be a zero.
std::string with_bounded_exponent(std::string_view c_text) {
    const std::size_t e = c_text.find_first_of("eE");
    if (e == std::string_view::npos) return std::string(c_text);
    std::size_t first = e + 1;
    const bool negative = first < c_text.size() && c_text[first] == '-';
    if (first < c_text.size() && (c_text[first] == '-' || c_text[first] == '+')) ++first;
    const std::string_view digits = c_text.substr(first);
    const long long bound = static_cast<long long>(c_text.size()) + 5000;
    long long exponent = 0;
    for (const char digit : digits) {
        exponent = exponent * 10 + (digit - '0');
        if (exponent > bound) {
            std::string bounded(c_text.substr(0, e + 1));
            return bounded.append(negative ? "-" : "").append(std::to_string(bound));
        }
    }
    return std::string(c_text);
}

} // namespace

float binary32_from_c_text(std::string_view c_text) {
    return read_c_text<float>(c_text, std::strtof);
}

double binary64_from_c_text(std::string_view c_text) {
    return read_c_text<double>(c_text, std::strtod);
}

__float128 binary128_from_c_text(std::string_view c_text) {
    const std::string text = with_bounded_exponent(c_text);
    const ClassicLocaleScope classic; // MPFR takes the decimal point from the locale
    const Binary128ExponentRange range;
    MPFR_DECL_INIT(x, BINARY128.precision); // on the stack: no allocation per read
    mpfr_subnormalize(x, mpfr_strtofr(x, text.c_str(), nullptr, 10, MPFR_RNDN), MPFR_RNDN);
    return mpfr_get_float128(x, MPFR_RNDN);
}

} // namespace binora
