// Every way of closing ends the program at once with exit code 0.
#include <functional>

#include "case_context.h"
#include "cases.h"
#include "error_box.h"
#include "quillcast_session.h"
#include "windows_query.h"

namespace e2e {

namespace {

struct WayOfClosing {
    const char* name;
    std::function<void(QuillcastSession&)> close;
};

void checkCloses(CaseContext& context, const WayOfClosing& way) {
    QuillcastSession session(context);
    const DWORD pid = session.program().processId();
    way.close(session);
    // No question may be asked on the way out.
    waitUntil([&] {
        for (HWND box : messageBoxesOf(pid))
            if (IsWindowVisible(box)) fail("a box appeared while closing: " + show(caption(box)));
        return session.program().hasExited();
    }, "the program to end");
    checkEqual(session.program().waitForExit(), DWORD{0}, "exit code");
}

void post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    if (!PostMessageA(window, message, wParam, lParam)) fail("PostMessage failed (error " + show(GetLastError()) + ")");
}

const WayOfClosing kWaysOfClosing[] = {
    {"exit_button", [](QuillcastSession& s) { s.clickComponent("SpeedButton1"); }},
    {"wm_close", [](QuillcastSession& s) { post(s.form(), WM_CLOSE); }},
    {"close_box", [](QuillcastSession& s) { post(s.form(), WM_SYSCOMMAND, SC_CLOSE); }},
    {"alt_f4", [](QuillcastSession& s) { s.press(VK_F4, {VK_MENU}); }},
    {"taskbar_close", [](QuillcastSession& s) { post(s.applicationWindow(), WM_SYSCOMMAND, SC_CLOSE); }},
    {"end_session",
     [](QuillcastSession& s) {
         check(sendWithTimeout(s.form(), WM_QUERYENDSESSION, 0, 0) != 0, "the main window allows the shutdown");
         check(sendWithTimeout(s.applicationWindow(), WM_QUERYENDSESSION, 0, 0) != 0,
               "the application window allows the shutdown");
         sendWithTimeout(s.applicationWindow(), WM_ENDSESSION, TRUE, 0);
         // The loop ends after the message it is handling; give it one to take.
         PostMessageA(s.form(), WM_NULL, 0, 0);
     }},
};

}  // namespace

std::vector<TestCase> closingCases() {
    std::vector<TestCase> cases;
    for (const WayOfClosing& way : kWaysOfClosing)
        cases.push_back({std::string("close.") + way.name, [&way](CaseContext& c) { checkCloses(c, way); }});
    return cases;
}

}  // namespace e2e
