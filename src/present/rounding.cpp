// Rounding to the nearest whole number, halves away from zero.
#include "present/rounding.h"

namespace present {

// Out of line on purpose: the argument arrives as a double in memory, so that
// a value the x87 unit still holds at a higher precision is rounded to double
// first, exactly as for a call to lround.
long roundHalfAwayFromZero(double value) {
    // The conversion truncates toward zero, and the difference between a
    // double and its truncation is exact, so the comparisons with one half
    // decide without any error of their own.
    long whole = static_cast<long>(value);
    double rest = value - static_cast<double>(whole);
    if (rest >= 0.5) return whole + 1;
    if (rest <= -0.5) return whole - 1;
    return whole;
}

}  // namespace present
