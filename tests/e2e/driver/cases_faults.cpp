// Errors raised on purpose through the test build's fault hooks: the error box, its
// text with the period rule, and what the program does afterwards.
#include "case_context.h"
#include "cases.h"
#include "error_box.h"
#include "net_log.h"
#include "quillcast_session.h"
#include "windows_query.h"

namespace e2e {

namespace {

void checkBoxLooks(const ErrorBox& box, HWND applicationWindow, const std::string& text) {
    checkEqual(box.caption, std::string("Quill Cast"), "caption of the error box");
    checkEqual(box.text, text, "text of the error box");
    check(box.owner == applicationWindow, "the error box is owned by the application window");
    checkEqual(box.buttons.size(), std::size_t{1}, "buttons of the error box");
    checkEqual(box.buttons[0], std::string("OK"), "button of the error box");
    check(showsSystemIcon(box, IDI_HAND), "the error box shows the stop icon");
    check(!showsSystemIcon(box, IDI_EXCLAMATION), "the icon comparison tells the stop icon from the warning icon");
}

// Fails when the main window is on the screen.
void checkFormNeverShown(DWORD processId) {
    HWND form = findTopLevel(processId, "TfrmMain");
    if (form && IsWindowVisible(form)) fail("the main window was shown although building it failed");
}

// Building the main window fails: one box, the window never shown, exit code 0.
void checkStartFailure(CaseContext& context, const std::string& fault, const std::string& expectedText) {
    Program program(context, LaunchOptions{kTestHooks, SW_SHOWNORMAL, fault});
    const DWORD pid = program.processId();
    HWND box = nullptr;
    waitUntil([&] {
        checkFormNeverShown(pid);
        if (program.hasExited()) fail("the program ended without showing an error box");
        const auto boxes = messageBoxesOf(pid);
        box = boxes.empty() ? nullptr : boxes.front();
        return box && IsWindowVisible(box);
    }, "an error box", kStartWait);
    program.waitForInputIdle();
    checkEqual(messageBoxesOf(pid).size(), std::size_t{1}, "error boxes on the screen");
    const ErrorBox shown = readErrorBox(box);
    HWND app = findTopLevel(pid, "TApplication");
    check(app != nullptr, "the application window exists while the error box is shown");
    checkBoxLooks(shown, app, expectedText);

    pressOk(shown);
    waitUntil([&] {
        checkFormNeverShown(pid);
        if (!messageBoxesOf(pid).empty()) fail("a second box appeared after the first was closed");
        return program.hasExited();
    }, "the program to end after the error box");
    checkEqual(program.waitForExit(), DWORD{0}, "exit code after a failed start");
}

void checkClickException(CaseContext& context) {
    QuillcastSession session(context, LaunchOptions{kTestHooks, SW_SHOWNORMAL, "click:Oops"});
    session.waitForFocus("IPwhere");
    for (int send = 1; send <= 2; ++send) {
        const std::string which = "send " + show(send);
        session.clickComponent("sendMsg");
        const ErrorBox box = waitForErrorBox(session.program());
        checkBoxLooks(box, session.applicationWindow(), "Oops.");
        check(!IsWindowEnabled(session.form()), "the main window is disabled while the error box is open (" + which + ")");
        pressOk(box);
        waitUntil([&] { return IsWindowEnabled(session.form()) != FALSE; }, "the main window to be enabled again");
        check(IsWindowVisible(session.form()), "the main window stays after the error box (" + which + ")");
        // The control that had the focus gets it back.
        session.waitForFocus("IPwhere");
    }
    checkEqual(controlText(session.controlWindow("IPwhere")), std::string("IP of reciver"), "IPwhere after the errors");
    checkEqual(controlText(session.controlWindow("messageText")), std::string("Message"), "messageText after the errors");
    session.exitNormally();
    waitForStubsToFinish();
    checkEqual(readNetRecords(context.netLog()).size(), std::size_t{0}, "net starts when the send fails before launching");
}

void checkClickAbort(CaseContext& context) {
    QuillcastSession session(context, LaunchOptions{kTestHooks, SW_SHOWNORMAL, "click-abort"});
    const DWORD pid = session.program().processId();
    session.clickComponent("sendMsg");
    // Then Exit: a box after the first click would stand in its way.
    session.clickComponent("SpeedButton1");
    waitUntil([&] {
        for (HWND box : messageBoxesOf(pid))
            if (IsWindowVisible(box)) fail("a box appeared for the silent abort: " + show(readErrorBox(box).text));
        return session.program().hasExited();
    }, "the program to end through Exit after the silent abort");
    checkEqual(session.program().waitForExit(), DWORD{0}, "exit code");
}

}  // namespace

std::vector<TestCase> faultCases() {
    return {
        {"fault.build_text", [](CaseContext& c) { checkStartFailure(c, "build:Text", "Text."); }},
        {"fault.build_text_ending_in_bang", [](CaseContext& c) { checkStartFailure(c, "build:Done!", "Done!"); }},
        {"fault.build_foreign_object", [](CaseContext& c) { checkStartFailure(c, "build-foreign", ""); }},
        {"fault.click_exception", checkClickException},
        {"fault.click_abort", checkClickAbort},
    };
}

}  // namespace e2e
