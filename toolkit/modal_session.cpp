#include "toolkit/modal_session.h"

#include "toolkit/application.h"
#include "toolkit/message_source.h"

namespace quillcast {

TModalSession::TModalSession(TApplication& application, HWND modal)
    : application_(application), modal_(modal), others_(modal) {}

void TModalSession::Run(const std::function<bool()>& done) {
    TMessageSource queue;
    MSG message;
    while (!done()) {
        const TMessageSource::Got got = queue.Next(message);
        if (got == TMessageSource::Got::Quit) PostQuitMessage(static_cast<int>(message.wParam));
        if (got != TMessageSource::Got::Message) break;
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

}  // namespace quillcast
