#pragma once
#include <windows.h>

namespace quillcast {

// The opening animation of a box: dotted outlines drawn inverted on the screen,
// over every window, growing from the mouse pointer to `box` (screen
// coordinates); then the same outlines again, which erases them. It holds the
// thread for a moment only.
void PlayExplodeEffect(const RECT& box) noexcept;

}  // namespace quillcast
