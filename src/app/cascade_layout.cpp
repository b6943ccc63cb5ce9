#include "app/cascade_layout.h"

#include <algorithm>

namespace orvel {

std::vector<WindowRect> CascadeRects(int count, int width, int height, int step) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    step = std::max(step, 1);
    const int windowWidth = width * 2 / 3;
    const int windowHeight = height * 2 / 3;
    const int perRun = std::min(width - windowWidth, height - windowHeight) / step + 1;
    std::vector<WindowRect> rects;
    for (int i = 0; i < count; ++i) {
        const int offset = (i % perRun) * step;
        rects.push_back({offset, offset, windowWidth, windowHeight});
    }
    return rects;
}

}  // namespace orvel
