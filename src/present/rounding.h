// Rounding to the nearest whole number, halves away from zero (as lround does).
#pragma once

namespace present {

// The nearest whole number to a finite value within the range of long, a half
// going away from zero: 2.5 gives 3, -2.5 gives -3, 0.49999999999999994
// gives 0. The pie's geometry rounds with it; the C library's lround, which
// Debian's MinGW runtime builds with Pentium Pro instructions, does the same.
long roundHalfAwayFromZero(double value);

}  // namespace present
