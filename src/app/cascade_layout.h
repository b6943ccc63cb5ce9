#pragma once

#include <vector>

namespace orvel {

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowRect&) const = default;
};

// Where Window > Cascade puts `count` windows, listed from the back to the
// front, in a client area of `width` x `height` pixels: every window two
// thirds of the area each way, the first at the top-left corner and each next
// one `step` pixels (a title bar's height) further right and down. A window
// that would cross the area's right or bottom edge starts again at the corner.
[[nodiscard]] std::vector<WindowRect> CascadeRects(int count, int width, int height, int step);

}  // namespace orvel
