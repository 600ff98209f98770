#include "toolkit/modal_session.h"

#include "toolkit/application.h"

namespace quillcast {

TModalSession::TModalSession(TApplication& application, HWND modal)
    : application_(application), modal_(modal), active_(GetActiveWindow()), focus_(GetFocus()) {
    EnumThreadWindows(GetCurrentThreadId(), &TModalSession::Collect, reinterpret_cast<LPARAM>(this));
    for (HWND window : disabled_) EnableWindow(window, FALSE);
}

TModalSession::~TModalSession() {
    EnableOthers();
    RestoreFocus();
}

BOOL CALLBACK TModalSession::Collect(HWND window, LPARAM session) noexcept {
    auto* self = reinterpret_cast<TModalSession*>(session);
    if (window == self->modal_ || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
    try {
        self->disabled_.push_back(window);
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

void TModalSession::Run(const std::function<bool()>& done) {
    MSG message;
    while (!done()) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        try {
            if (PreTranslate(message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } catch (...) {
            application_.HandleException();
        }
    }
}

bool TModalSession::PreTranslate(const MSG& message) const {
    // Enter and Escape anywhere in the modal window: its default and cancel buttons.
    if (message.message != WM_KEYDOWN || (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE)) return false;
    if (message.hwnd != modal_ && !IsChild(modal_, message.hwnd)) return false;
    PostMessageA(modal_, WM_COMMAND, MAKEWPARAM(message.wParam == VK_RETURN ? IDOK : IDCANCEL, BN_CLICKED), 0);
    return true;
}

void TModalSession::EnableOthers() noexcept {
    for (HWND window : disabled_)
        if (IsWindow(window)) EnableWindow(window, TRUE);
    disabled_.clear();
}

void TModalSession::RestoreFocus() noexcept {
    if (restored_) return;
    restored_ = true;
    if (active_ && IsWindow(active_) && IsWindowEnabled(active_)) SetActiveWindow(active_);
    if (focus_ && IsWindow(focus_) && IsWindowEnabled(focus_)) SetFocus(focus_);
}

}  // namespace quillcast
