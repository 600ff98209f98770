#pragma once
#include <windows.h>

#include <functional>

#include "toolkit/thread_windows_disabled.h"

namespace quillcast {

class TApplication;

// A modal window's time on screen: the thread's other windows are disabled, a
// nested message loop runs on the same thread (so every other window's messages,
// timer ticks included, go on being handled), and afterwards the windows are
// enabled again and the window that was active gets back the focus it had.
class TModalSession {
public:
    // Disables every visible, enabled top-level window of this thread but `modal`.
    TModalSession(TApplication& application, HWND modal);
    TModalSession(const TModalSession&) = delete;
    TModalSession& operator=(const TModalSession&) = delete;

    // Dispatches messages until `done` says so or the program is told to quit
    // (the quit message is posted again for the outer loop to see).
    void Run(const std::function<bool()>& done);
    // Enables the disabled windows: call before the modal window goes away, so
    // that the system hands activation back to them and not to another program.
    void EnableOthers() noexcept { others_.EnableOthers(); }
    // Gives activation and focus back as they were before the session.
    void RestoreFocus() noexcept { others_.RestoreFocus(); }

private:
    bool PreTranslate(const MSG& message) const;

    TApplication& application_;
    HWND modal_;
    TThreadWindowsDisabled others_;
};

}  // namespace quillcast
