#include "engine/ulp.hpp"

#include "model/format_traits.hpp"

#include <quadmath.h>

#include <cmath>

namespace binora {

namespace {

// The operations ULP needs in the precision of one kind. Powers of two are formed with the
// exact scaling functions, so even the subnormal ones are exact.
template <typename Real> struct UlpKind;

template <> struct UlpKind<float> {
    static constexpr int kind = 4;
    static bool finite(float x) { return std::isfinite(x); }
    static float magnitude(float x) { return std::fabs(x); }
    static int frexp_exponent(float x) {
        int e = 0;
        std::frexp(x, &e);
        return e;
    }
    static float power_of_two(float exponent) {
        return std::ldexp(1.0F, static_cast<int>(exponent));
    }
};

template <> struct UlpKind<double> {
    static constexpr int kind = 8;
    static bool finite(double x) { return std::isfinite(x); }
    static double magnitude(double x) { return std::fabs(x); }
    static int frexp_exponent(double x) {
        int e = 0;
        std::frexp(x, &e);
        return e;
    }
    static double power_of_two(double exponent) {
        return std::ldexp(1.0, static_cast<int>(exponent));
    }
};

template <> struct UlpKind<__float128> {
    static constexpr int kind = 16;
    static bool finite(__float128 x) { return finiteq(x) != 0; }
    static __float128 magnitude(__float128 x) { return fabsq(x); }
    static int frexp_exponent(__float128 x) {
        int e = 0;
        frexpq(x, &e);
        return e;
    }
    static __float128 power_of_two(__float128 exponent) {
        return scalbnq(1, static_cast<int>(exponent));
    }
};

template <typename Real> Real ulp(Real x) {
    using K = UlpKind<Real>;
    if (!K::finite(x)) return K::magnitude(x); // +infinity, or the NaN itself
    const FormatTraits& format = format_of(K::kind);
    // Precision and Emin as floating constants of the kind; their differences with the small
    // integers below are exact.
    const auto p = static_cast<Real>(format.precision);
    const auto emin = static_cast<Real>(format.emin);
    const Real tiny = K::power_of_two(emin);
    if (K::magnitude(x) >= tiny) {
        const auto e = static_cast<Real>(K::frexp_exponent(x));
        return K::power_of_two(e - p);
    }
    return K::power_of_two(emin - p + 1);
}

} // namespace

float ULP4(float x) {
    return ulp(x);
}

double ULP8(double x) {
    return ulp(x);
}

__float128 ULP16(__float128 x) {
    return ulp(x);
}

} // namespace binora
