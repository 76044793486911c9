#pragma once

// Reading decimal text into binary128 with MPFR, correctly rounded by construction: the text
// is rounded once to 113 bits in binary128's exponent range, and a result below the smallest
// normal number is rounded again to the subnormal precision with MPFR's record of the first
// rounding, so that the two roundings make one.

namespace binora {

// The decimal number `c_text` (C syntax: an optional "-", digits with an optional point, an
// optional exponent part with the letter "e"; checked beforehand) rounded to nearest, ties
// to even, into binary128. Magnitudes that round above the largest finite number give an
// infinity of their sign, those below half the smallest subnormal a zero of their sign.
__float128 binary128_from_c_text(const char* c_text);

} // namespace binora
