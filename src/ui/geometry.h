// Pixel geometry of controls, relative to their parent's client area.
#pragma once

namespace ui {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    friend constexpr bool operator==(const Rect& a, const Rect& b) {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    }
};

struct Size {
    int width = 0;
    int height = 0;
};

}  // namespace ui
