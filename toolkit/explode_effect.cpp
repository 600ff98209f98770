#include "toolkit/explode_effect.h"

#include <vector>

#include "toolkit/handles.h"
#include "toolkit/model/about_placement.h"

namespace quillcast {
namespace {

// Growing outlines are paced so that the eye sees them; erasing is not.
constexpr LONGLONG kStepMicroseconds = 3000;

LONGLONG Microseconds() noexcept {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    const LONGLONG ticks = now.QuadPart, perSecond = frequency.QuadPart;
    return ticks / perSecond * 1000000 + ticks % perSecond * 1000000 / perSecond;
}

void WaitUntil(LONGLONG deadline) noexcept {
    // Sleep(1) may last a whole scheduler tick (some 16 ms): only yield.
    while (Microseconds() < deadline) Sleep(0);
}

}  // namespace

void PlayExplodeEffect(const RECT& box) noexcept {
    try {
        POINT pointer{box.left, box.top};
        GetCursorPos(&pointer);
        const std::vector<about::Rect> outlines = about::ExplodeOutlines(
            {pointer.x, pointer.y}, {box.left, box.top, box.right - box.left, box.bottom - box.top});
        WindowDc screen(nullptr);
        if (!screen.Get()) return;
        auto draw = [&](const about::Rect& outline) {
            const RECT r{outline.left, outline.top, outline.left + outline.width, outline.top + outline.height};
            DrawFocusRect(screen.Get(), &r);  // dotted, inverting: a second draw erases
        };
        const LONGLONG start = Microseconds();
        LONGLONG deadline = start;
        for (const auto& outline : outlines) {
            draw(outline);
            GdiFlush();
            deadline += kStepMicroseconds;
            WaitUntil(deadline);
        }
        for (const auto& outline : outlines) draw(outline);
        GdiFlush();
    } catch (...) {
        // An animation that cannot run is simply skipped.
    }
}

}  // namespace quillcast
