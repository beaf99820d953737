// Gauge arithmetic shared by the painting back end and the tests.
#include "present/gauge_rules.h"

#include <cmath>

#include "present/rounding.h"

namespace present {

int clampProgress(int progress, GaugeRange range) {
    if (progress < range.minimum) return range.minimum;
    if (progress > range.maximum) return range.maximum;
    return progress;
}

int shareShown(int progress, GaugeRange range) {
    if (range.maximum == range.minimum) return 0;
    long long span = static_cast<long long>(range.maximum) - range.minimum;
    return static_cast<int>((static_cast<long long>(progress) - range.minimum) * 100 / span);
}

int barEndColumn(int pictureWidth, int share) {
    long long column = static_cast<long long>(pictureWidth + 1) * share / 100;
    if (column > pictureWidth + 1) column = pictureWidth + 1;
    return static_cast<int>(column);
}

ExactPoint pieSectorEndExact(int left, int top, int right, int bottom, int share) {
    const double pi = 3.14159265358979323846;
    double angle = 2.0 * pi * share / 100.0;  // clockwise from 12 o'clock
    double cx = (left + right) / 2.0;
    double cy = (top + bottom) / 2.0;
    // A point well outside the ellipse on the radial line is what GDI asks for.
    double reach = (right - left) + (bottom - top);
    return {cx + reach * std::sin(angle), cy - reach * std::cos(angle)};
}

EdgePoint pieSectorEnd(int left, int top, int right, int bottom, int share) {
    ExactPoint exact = pieSectorEndExact(left, top, right, bottom, share);
    return {static_cast<int>(roundHalfAwayFromZero(exact.x)), static_cast<int>(roundHalfAwayFromZero(exact.y))};
}

std::string gaugeText(int share) {
    return std::to_string(share) + "%";
}

}  // namespace present
