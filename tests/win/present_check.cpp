// The display arithmetic as the Windows build computes it: run under Wine by
// the end-to-end tests. The share rule must hold also when something has set
// the x87 unit to double precision, as some Windows components do, and the
// pie's own rounding must agree with the C library's lround on every
// coordinate the pies ask for.
#include <cmath>
#include <cstdio>
#include <string>

#include "present/gauge_rules.h"
#include "present/number_mask.h"
#include "present/percent.h"
#include "present/rounding.h"
#include "../shared/rounding_cases.h"

namespace {

int failures = 0;

void expect(const std::string& what, const std::string& got, const std::string& wanted) {
    if (got != wanted) {
        std::printf("FAIL %s: %s, wanted %s\n", what.c_str(), got.c_str(), wanted.c_str());
        ++failures;
    }
}

void checkAll(const char* setting) {
    std::string s = setting;
    expect(s + " 29 of 100", std::to_string(present::percentage(29, 100)), "29");
    expect(s + " 53 of 100", std::to_string(present::percentage(53, 100)), "52");
    expect(s + " 1 of 3", std::to_string(present::percentage(1, 3)), "33");
    expect(s + " 2394500000 Hz", present::formatMask(2394500000.0L / 1e9L, present::Mask::Gigahertz), "2.395 GHz");
    expect(s + " 0.125 MB", present::formatMask(0.125L, present::Mask::Megabytes), "0.13 MB");
    for (double value : rounding_cases::pieCoordinates()) {
        expect(s + " rounding " + std::to_string(value), std::to_string(present::roundHalfAwayFromZero(value)),
               std::to_string(std::lround(value)));
    }
    for (const rounding_cases::Half& half : rounding_cases::kHalves) {
        expect(s + " rounding " + std::to_string(half.value), std::to_string(present::roundHalfAwayFromZero(half.value)),
               std::to_string(half.rounded));
    }
}

}  // namespace

int main() {
    checkAll("as started");
    unsigned short doublePrecision = 0x027F;
    __asm__ __volatile__("fldcw %0" : : "m"(doublePrecision));
    checkAll("double precision");
    std::printf("%s\n", failures ? "NOT OK" : "OK");
    return failures ? 1 : 0;
}
