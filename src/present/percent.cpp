// The whole-percent share rule and its text.
#include "present/percent.h"

#include <cmath>

#include "present/extended_precision.h"
#include "present/texts.h"

namespace present {

std::int32_t percentage(double part, double whole) {
    long double product;
    {
        ExtendedPrecision precision;
        volatile long double quotient = static_cast<long double>(part) / static_cast<long double>(whole);
        volatile long double scaled = quotient * 100.0L;
        product = scaled;
    }
    // A drive reporting a total of 0 bytes divides by zero; show it as nothing used.
    if (!std::isfinite(product)) return 0;
    long double truncated = std::trunc(product);
    if (truncated >= 9223372036854775807.0L || truncated <= -9223372036854775807.0L) return 0;
    auto wide = static_cast<std::int64_t>(truncated);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

std::string percentText(std::int32_t percent) {
    return std::to_string(percent) + texts::kPercentUnit;
}

}  // namespace present
