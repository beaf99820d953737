// The pie's rounding cases, kept once for the native unit tests and for the
// Windows build's own check under Wine: the halves where a rounding rule
// shows itself, and every coordinate the pies can ask for.
#pragma once

#include <vector>

#include "present/gauge_rules.h"

namespace rounding_cases {

struct Half {
    double value;
    long rounded;  // half away from zero
};

// (At double precision the library's lround gives 1 for the largest double
// below one half: its x + 0.5 rounds up to 1. So these are checked against
// the rule itself.)
inline constexpr Half kHalves[] = {
    {0.5, 1},    {-0.5, -1},   {1.5, 2},   {-1.5, -2},  {2.5, 3},    {-2.5, -3},
    {49.5, 50},  {50.5, 51},   {-49.5, -50}, {99.5, 100}, {199.5, 200}, {-150.5, -151},
    {0.49999999999999994, 0}, {-0.49999999999999994, 0},  // the largest double below one half
    {2147483646.5, 2147483647}, {-2147483647.5, -2147483647 - 1},  // the ends of a 32-bit long
};

// The ends of every sector of the pies' pictures: a 100-pixel gauge with and
// without its single border, at every share.
inline std::vector<double> pieCoordinates() {
    std::vector<double> values;
    const int pictures[][4] = {{0, 0, 100, 100}, {1, 1, 99, 99}};
    for (const auto& p : pictures) {
        for (int share = 0; share <= 100; ++share) {
            present::ExactPoint point = present::pieSectorEndExact(p[0], p[1], p[2], p[3], share);
            values.push_back(point.x);
            values.push_back(point.y);
        }
    }
    return values;
}

}  // namespace rounding_cases
