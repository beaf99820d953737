// What a gauge shows for its progress: the share, the bar's columns, the pie's edge, the text.
#pragma once

#include <string>

namespace present {

enum class GaugeKind { Pie, HorizontalBar };

struct GaugeRange {
    int minimum = 0;
    int maximum = 100;
};

// A progress outside the range is held at its nearer end.
int clampProgress(int progress, GaugeRange range = {});

// trunc((progress - minimum) * 100 / (maximum - minimum)), 0 for an empty range.
int shareShown(int progress, GaugeRange range = {});

// The column (counted from the gauge's own left edge) at which the filled part of
// a bar stops: trunc((pictureWidth + 1) * share / 100), at most pictureWidth + 1.
int barEndColumn(int pictureWidth, int share);

// The point on the picture's edge where a pie's sector ends, for a sector that
// starts at 12 o'clock and runs clockwise through share/100 of a turn.
struct EdgePoint {
    int x;
    int y;
};
EdgePoint pieSectorEnd(int left, int top, int right, int bottom, int share);

// The same point before it is rounded to whole pixels.
struct ExactPoint {
    double x;
    double y;
};
ExactPoint pieSectorEndExact(int left, int top, int right, int bottom, int share);

// '75%': the share and a percent sign, without a blank.
std::string gaugeText(int share);

}  // namespace present
