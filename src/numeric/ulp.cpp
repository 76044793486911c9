#include "numeric/ulp.hpp"

#include "numeric/float_traits.hpp"

namespace binora {

namespace {

// 2^exponent, the exponent held in the kind's own type; formed with the exact scaling
// function, so even the subnormal powers are exact.
template <typename Real> Real power_of_two(Real exponent) {
    return FloatTraits<Real>::ldexp(1, static_cast<int>(exponent));
}

} // namespace

template <typename Real> Real ulp(Real x) {
    using T = FloatTraits<Real>;
    if (!T::is_finite(x)) return T::magnitude(x); // +infinity, or the NaN itself
    constexpr const FormatTraits& format = T::format;
    // Precision and Emin as floating constants of the kind; their differences with the small
    // integers below are exact.
    const auto p = static_cast<Real>(format.precision);
    const auto emin = static_cast<Real>(format.emin);
    const Real tiny = power_of_two(emin);
    if (T::magnitude(x) >= tiny) {
        const auto e = static_cast<Real>(T::frexp_exponent(x));
        return power_of_two(e - p);
    }
    return power_of_two(emin - p + 1);
}

template float ulp<float>(float);
template double ulp<double>(double);
template __float128 ulp<__float128>(__float128);

} // namespace binora
