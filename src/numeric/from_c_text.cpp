#include "numeric/from_c_text.hpp"

#include "model/format_traits.hpp"
#include "numeric/classic_locale.hpp"
#include "numeric/narrow_format.hpp"

// mpfr.h declares its binary128 functions with C's name _Float128, which g++ 12 and clang
// do not know in C++; __float128 is the same type there.
#if !defined(__STDCPP_FLOAT128_T__)
#define _Float128 __float128
#endif
#define MPFR_WANT_FLOAT128
#include <mpfr.h>
#undef _Float128

#include <charconv>
#include <cmath>
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

// Puts MPFR's exponent range (a setting of the calling thread) to a format's and restores the
// previous range when it ends. MPFR writes a number as 0.1b...b * 2^exponent: the largest
// finite numbers have the exponent Emax + 1, the smallest subnormal 2^(Emin - P + 1) the
// exponent Emin - P + 2.
class FormatExponentRange {
  public:
    explicit FormatExponentRange(const FormatTraits& format)
        : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
        mpfr_set_emin(format.emin - format.precision + 2);
        mpfr_set_emax(format.emax + 1);
    }
    ~FormatExponentRange() {
        mpfr_set_emin(emin_);
        mpfr_set_emax(emax_);
    }
    FormatExponentRange(const FormatExponentRange&) = delete;
    FormatExponentRange& operator=(const FormatExponentRange&) = delete;

  private:
    mpfr_exp_t emin_;
    mpfr_exp_t emax_;
};

// Reads the text into `x` at its precision, rounded to nearest with ties to even once: a
// result below the smallest normal number is rounded again to the subnormal precision with
// MPFR's record of the first rounding, so that the two roundings make one.
void read_in_format(mpfr_t x, const FormatTraits& format, std::string_view c_text) {
    const std::string text = with_bounded_exponent(c_text);
    const ClassicLocaleScope classic; // MPFR takes the decimal point from the locale
    const FormatExponentRange range(format);
    mpfr_subnormalize(x, mpfr_strtofr(x, text.c_str(), nullptr, 10, MPFR_RNDN), MPFR_RNDN);
}

} // namespace

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

float binary32_from_c_text(std::string_view c_text) {
    return read_c_text<float>(c_text, std::strtof);
}

double binary64_from_c_text(std::string_view c_text) {
    return read_c_text<double>(c_text, std::strtod);
}

__float128 binary128_from_c_text(std::string_view c_text) {
    MPFR_DECL_INIT(x, BINARY128.precision); // on the stack: no allocation per read
    read_in_format(x, BINARY128, c_text);
    return mpfr_get_float128(x, MPFR_RNDN);
}

double narrow_from_c_text(const FormatTraits& format, std::string_view c_text) {
    mpfr_t x;
    mpfr_init2(x, format.precision);
    read_in_format(x, format, c_text);
    double value = mpfr_get_d(x, MPFR_RNDN); // exact: a double holds every value
    mpfr_clear(x);
    if (std::fabs(value) > largest_finite(format)) value = std::copysign(HUGE_VAL, value);
    return value;
}

} // namespace binora
