#include "toolkit/model/about_placement.h"

#include <algorithm>
#include <cstdint>

namespace quillcast::about {
namespace {

int Centred(int box, int screen) {
    // 64-bit: sizes near the int range must not overflow on the way.
    std::int64_t start = (static_cast<std::int64_t>(screen) - box) / 2;
    if (start + box > screen) start = static_cast<std::int64_t>(screen) - box;
    return static_cast<int>(std::max<std::int64_t>(start, 0));
}

int Part(int whole, int i, int steps) {
    return static_cast<int>(static_cast<std::int64_t>(whole) * i / steps);
}

int Between(int from, int to, int i, int steps) {
    return static_cast<int>(from + (static_cast<std::int64_t>(to) - from) * i / steps);
}

}  // namespace

Point CentredOnScreen(int boxWidth, int boxHeight, int screenWidth, int screenHeight) {
    return {Centred(boxWidth, screenWidth), Centred(boxHeight, screenHeight)};
}

std::vector<Rect> ExplodeOutlines(Point pointer, const Rect& box, int steps) {
    std::vector<Rect> outlines;
    if (steps <= 0) return outlines;
    outlines.reserve(static_cast<std::size_t>(steps));
    for (int i = 1; i <= steps; ++i)
        outlines.push_back({Between(pointer.x, box.left, i, steps), Between(pointer.y, box.top, i, steps),
                            Part(box.width, i, steps), Part(box.height, i, steps)});
    return outlines;
}

}  // namespace quillcast::about
