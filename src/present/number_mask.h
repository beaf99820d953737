// The four number masks: grouped figures with a unit, rounded the runtime's way.
#pragma once

#include <string>

namespace present {

enum class Mask {
    Megabytes,  // "#,##0.##\" MB\""
    Gigabytes,  // "#,##0.##\" GB\""
    Gigahertz,  // "#,###,##0.###\" GHz\""
    Megahertz,  // "#,###,##0.##\" MHz\""
};

// The user's decimal point and thousands separator ("." and "," on Japanese Windows).
struct Separators {
    char decimal = '.';
    char thousands = ',';
};

// Formats an extended-precision value with a mask: first to 18 significant
// digits (ties to even), then to the mask's decimals (ties away from zero),
// trailing zeros dropped, thousands grouped, the unit appended. A negative
// value that rounds to zero is written as zero, without a sign.
std::string formatMask(long double value, Mask mask, Separators separators = {});

}  // namespace present
