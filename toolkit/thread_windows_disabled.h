#pragma once
#include <windows.h>

#include <vector>

namespace quillcast {

// While a modal window or box is up, the thread's other windows take no input.
// Disables every visible, enabled top-level window of this thread but `except`;
// afterwards they are enabled again and the window that was active gets back the
// focus it had.
class TThreadWindowsDisabled {
public:
    explicit TThreadWindowsDisabled(HWND except = nullptr);
    TThreadWindowsDisabled(const TThreadWindowsDisabled&) = delete;
    TThreadWindowsDisabled& operator=(const TThreadWindowsDisabled&) = delete;
    ~TThreadWindowsDisabled();

    // Enables the disabled windows: call before a modal window goes away, so that
    // the system hands activation back to them and not to another program.
    void EnableOthers() noexcept;
    // Gives activation and focus back as they were before.
    void RestoreFocus() noexcept;

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self) noexcept;

    HWND except_;
    HWND active_;
    HWND focus_;
    std::vector<HWND> disabled_;
    bool restored_ = false;
};

}  // namespace quillcast
