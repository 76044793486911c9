#include "numeric/next_up_down.hpp"

#include "numeric/float_traits.hpp"
#include "numeric/format_word.hpp"

namespace binora {

namespace {

// Every format with a C++ type has infinities, so there is always a next word.
template <typename Real> Real next_toward(Real x, bool upward) {
    using T = FloatTraits<Real>;
    const Word128 next = *next_word(T::format, T::word(x), upward);
    return T::value(static_cast<typename T::Word>(next));
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
