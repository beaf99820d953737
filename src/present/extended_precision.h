// Runs x87 arithmetic at its full 64-bit significand for the lifetime of a scope.
#pragma once

#include <cstdint>

namespace present {

// The figures are defined in x87 extended precision (a 64-bit significand).
// Windows starts threads with the precision control at 53 bits, and a runtime
// or a driver may change it, so every extended computation sets it itself and
// puts the caller's control word back afterwards.
class ExtendedPrecision {
public:
    ExtendedPrecision() {
#if defined(__i386__) || defined(__x86_64__)
        __asm__ __volatile__("fnstcw %0" : "=m"(saved_));
        std::uint16_t full = static_cast<std::uint16_t>(saved_ | 0x0300u);
        __asm__ __volatile__("fldcw %0" : : "m"(full));
#endif
    }
    ~ExtendedPrecision() {
#if defined(__i386__) || defined(__x86_64__)
        __asm__ __volatile__("fldcw %0" : : "m"(saved_));
#endif
    }
    ExtendedPrecision(const ExtendedPrecision&) = delete;
    ExtendedPrecision& operator=(const ExtendedPrecision&) = delete;

private:
    std::uint16_t saved_ = 0;
};

}  // namespace present
