#include "toolkit/thread_windows_disabled.h"

namespace quillcast {

TThreadWindowsDisabled::TThreadWindowsDisabled(HWND except)
    : except_(except), active_(GetActiveWindow()), focus_(GetFocus()) {
    EnumThreadWindows(GetCurrentThreadId(), &TThreadWindowsDisabled::Collect, reinterpret_cast<LPARAM>(this));
    for (HWND window : disabled_) EnableWindow(window, FALSE);
}

TThreadWindowsDisabled::~TThreadWindowsDisabled() {
    EnableOthers();
    RestoreFocus();
}

BOOL CALLBACK TThreadWindowsDisabled::Collect(HWND window, LPARAM self) noexcept {
    auto* disabling = reinterpret_cast<TThreadWindowsDisabled*>(self);
    if (window == disabling->except_ || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
    try {
        disabling->disabled_.push_back(window);
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

void TThreadWindowsDisabled::EnableOthers() noexcept {
    for (HWND window : disabled_)
        if (IsWindow(window)) EnableWindow(window, TRUE);
    disabled_.clear();
}

void TThreadWindowsDisabled::RestoreFocus() noexcept {
    if (restored_) return;
    restored_ = true;
    if (active_ && IsWindow(active_) && IsWindowEnabled(active_)) SetActiveWindow(active_);
    if (focus_ && IsWindow(focus_) && IsWindowEnabled(focus_)) SetFocus(focus_);
}

}  // namespace quillcast
