#pragma once
#include <windows.h>

#include <string>

namespace quillcast {

// A dialog's own title bar where the system draws a plain one: while the window
// is active, a band gradient from black to the active caption colour with the
// caption at the left, and the close box over it. Where the system draws themed or
// gradient title bars, or while the window is inactive, it leaves them alone.
class TCaptionFill {
public:
    // Decides once, from the display and the system's settings, whether to paint.
    TCaptionFill();

    bool Enabled() const noexcept { return enabled_; }
    // Handles WM_NCPAINT and WM_NCACTIVATE after letting the system draw the frame.
    LRESULT HandleNonClient(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HWND window) const;

    bool enabled_ = false;
    bool active_ = false;
};

}  // namespace quillcast
