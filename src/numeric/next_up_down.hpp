#pragma once

// The neighbours of x in its own format: next_up returns the next representable number above
// x (IEEE 754 nextUp, the next value toward plus infinity), next_down the next one below
// (nextDown, toward minus infinity). Both zeros step to the smallest subnormal number of the
// direction's sign; the largest finite number steps up to plus infinity and its negative down
// to minus infinity; the smallest subnormal numbers step toward zero to a zero (+0 from
// above, -0 from below). An infinity steps away from itself to
// the largest finite number and stays where it is in its own direction; a NaN is returned
// unchanged. Pure functions.

namespace binora {

// nextUp and nextDown of x for float, double or __float128.
template <typename Real> Real next_up(Real x);
template <typename Real> Real next_down(Real x);

} // namespace binora
