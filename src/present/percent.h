// The whole-percent share rule and its text.
#pragma once

#include <cstdint>
#include <string>

namespace present {

// (part / whole) * 100, each step rounded to the x87 extended significand and
// truncated toward zero, keeping the low 32 bits. At exact shares the extended
// precision matters: 29 of 100 gives 29 where doubles would give 28. A share
// that has no number (a whole of 0) gives 0.
std::int32_t percentage(double part, double whole);

// '42 %': the number, a blank, a percent sign.
std::string percentText(std::int32_t percent);

}  // namespace present
