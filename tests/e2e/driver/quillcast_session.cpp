#include "quillcast_session.h"

#include <algorithm>

#include "case_context.h"
#include "net_log.h"
#include "user_input.h"
#include "windows_query.h"

namespace e2e {

QuillcastSession::QuillcastSession(CaseContext& context, const LaunchOptions& options)
    : context_(context), program_(context, options) {
    application_ = program_.applicationWindow();
    form_ = program_.mainForm();
}

ComponentInfo QuillcastSession::component(const std::string& name) { return context_.inspector().component(form_, name); }

HWND QuillcastSession::controlWindow(const std::string& name) {
    const auto info = component(name);
    HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(info.number("Hwnd")));
    if (!window || !IsWindow(window)) fail(name + " reports no live window (Hwnd=" + info.text("Hwnd") + ")");
    if (GetAncestor(window, GA_PARENT) != form_) fail(name + "'s window is not a child of the main window");
    return window;
}

void QuillcastSession::moveMouseToComponent(const std::string& name) {
    bringToFront(form_);
    moveMouseTo(form_, centreOf(component(name).rect()));
}

void QuillcastSession::clickComponent(const std::string& name) {
    bringToFront(form_);
    clickAt(form_, centreOf(component(name).rect()));
}

void QuillcastSession::press(WORD key, std::initializer_list<WORD> modifiers) {
    bringToFront(form_);
    pressKey(key, modifiers);
}

std::string QuillcastSession::nameOfWindow(HWND window) {
    if (!window) return "no window";
    for (const char* name : {"IPwhere", "messageText", "dateArrif", "timeNow", "timeSet"})
        if (controlWindow(name) == window) return name;
    return "a window of class " + className(window);
}

void QuillcastSession::waitForFocus(const std::string& name) {
    HWND expected = controlWindow(name);
    try {
        waitUntil([&] { return program_.focus() == expected; }, "the focus in " + name);
    } catch (const CheckFailure& failure) {
        fail(std::string(failure.what()) + "; it is in " + nameOfWindow(program_.focus()));
    }
}

std::pair<DWORD, DWORD> QuillcastSession::selection(const std::string& name) {
    const auto packed = static_cast<DWORD>(sendWithTimeout(controlWindow(name), EM_GETSEL, 0, 0));
    return {LOWORD(packed), HIWORD(packed)};
}

std::vector<std::string> QuillcastSession::settledNetRecords(std::size_t atLeast) {
    waitUntil([&] { return readNetRecords(context_.netLog()).size() >= atLeast; }, show(atLeast) + " net record(s)");
    return settleNetRecords();
}

std::vector<std::string> QuillcastSession::settledNetRecordsWith(const std::string& record) {
    std::vector<std::string> seen;
    try {
        waitUntil([&] {
            seen = readNetRecords(context_.netLog());
            return std::find(seen.begin(), seen.end(), record) != seen.end();
        }, "the net record " + show(record));
    } catch (const CheckFailure& failure) {
        fail(std::string(failure.what()) + "; records so far: " + show(seen.size()) +
             (seen.empty() ? "" : ", the last " + show(seen.back())));
    }
    return settleNetRecords();
}

std::vector<std::string> QuillcastSession::settleNetRecords() {
    // A sent message is handled only back in a message loop: the send that wrote
    // the records has returned, so every start it made is a running process by now.
    sendWithTimeout(form_, WM_NULL, 0, 0);
    waitForStubsToFinish();
    return readNetRecords(context_.netLog());
}

void QuillcastSession::exitNormally() {
    clickComponent("SpeedButton1");
    checkEqual(program_.waitForExit(), DWORD{0}, "exit code after Exit");
}

}  // namespace e2e
