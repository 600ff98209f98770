#pragma once
#include <vector>

namespace quillcast::about {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Where a box of the given outer size goes on a screen of the given size:
// centred; moved left or up so that it ends at the right or bottom edge when it
// would reach past it; never at a negative position.
Point CentredOnScreen(int boxWidth, int boxHeight, int screenWidth, int screenHeight);

inline constexpr int kExplodeSteps = 40;

// The outlines of the opening animation, growing from the pointer to the box:
// outline i of n (counted from 1) has its top-left corner i/n of the way from the
// pointer to the box's corner and i/n of the box's width and height, so the last
// one is the box itself. Fractions are cut towards zero.
std::vector<Rect> ExplodeOutlines(Point pointer, const Rect& box, int steps = kExplodeSteps);

}  // namespace quillcast::about
