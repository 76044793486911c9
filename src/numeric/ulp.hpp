#pragma once

// ULP(x), the unit in the last place of x in its own format: the spacing of the format just
// above |x|. For |x| at or above the smallest normal number 2^Emin it is 2^(e - P), where e is
// the exponent frexp reports (x = m * 2^e, 0.5 <= |m| < 1) and P the precision; for a zero or
// a subnormal number it is the smallest positive subnormal number 2^(Emin - P + 1). The sign
// of x plays no part. For every finite x the result is exact, positive and never zero; at a
// power of two it is the spacing above the value (ULP(1) = 2^(1 - P), the epsilon). An
// infinity gives +infinity and a NaN gives a NaN. Pure functions.

namespace binora {

// ULP of x for float, double or __float128.
template <typename Real> Real ulp(Real x);

} // namespace binora
