#pragma once

// The neighbours of x in its own format: NEAR4, NEAR8, NEAR16 return the next representable
// number above x (IEEE 754 nextUp, the next value toward plus infinity), NEAR_4, NEAR_8,
// NEAR_16 the next one below (nextDown, toward minus infinity). Both zeros step to the
// smallest subnormal number of the direction's sign; the largest finite number steps up to
// plus infinity and its negative down to minus infinity; the smallest subnormal numbers step
// toward zero to a zero (+0 from above, -0 from below). An infinity steps away from itself to
// the largest finite number and stays where it is in its own direction; a NaN is returned
// unchanged. Pure functions.

namespace binora {

// nextUp and nextDown of x for float, double or __float128.
template <typename Real> Real next_up(Real x);
template <typename Real> Real next_down(Real x);

// The names the routines use, one per kind: NEARk is nextUp, NEAR_k nextDown.
float NEAR4(float x);
double NEAR8(double x);
__float128 NEAR16(__float128 x);

float NEAR_4(float x);
double NEAR_8(double x);
__float128 NEAR_16(__float128 x);

} // namespace binora
