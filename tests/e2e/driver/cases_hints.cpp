// Hints: resting the pointer on a speed button shows its hint after half a second
// for two and a half seconds; no other control shows one.
#include <chrono>

#include "case_context.h"
#include "cases.h"
#include "quillcast_session.h"
#include "user_input.h"
#include "windows_query.h"

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;

// A shown top-level window of the program other than its two own: the hint window.
HWND shownHintWindow(QuillcastSession& session) {
    for (HWND window : topLevelWindowsOf(session.program().processId())) {
        if (window == session.form() || window == session.applicationWindow()) continue;
        if (IsWindowVisible(window)) return window;
    }
    return nullptr;
}

long long millisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<Milliseconds>(Clock::now() - start).count();
}

struct ButtonHint {
    const char* button;
    const char* hint;
};

void checkHintTiming(CaseContext& context, const ButtonHint& expected) {
    QuillcastSession session(context);
    moveMouseTo(session.form(), POINT{300, 320});
    waitUntil([&] { return shownHintWindow(session) == nullptr; }, "no hint to be shown");

    session.moveMouseToComponent(expected.button);
    const auto arrived = Clock::now();
    HWND hint = nullptr;
    waitUntil([&] { return (hint = shownHintWindow(session)) != nullptr; },
              std::string("the hint of ") + expected.button);
    const auto shownAt = Clock::now();
    const long long delay = millisecondsSince(arrived);
    checkEqual(controlText(hint), std::string(expected.hint), std::string("hint text of ") + expected.button);
    // Lower bounds only: a loaded machine may be late, never early.
    check(delay >= 400, "the hint came after " + show(delay) + " ms, expected half a second");

    waitUntil([&] { return !IsWindow(hint) || !IsWindowVisible(hint); }, "the hint to go away", Milliseconds(8000));
    const long long shownFor = millisecondsSince(shownAt);
    // Seeing the hint late shortens the time we see it for: leave room below 2500 ms.
    check(shownFor >= 1500, "the hint went away after " + show(shownFor) + " ms, expected two and a half seconds");
}

void checkNoHintOnFieldsOrLabels(CaseContext& context) {
    QuillcastSession session(context);
    for (const char* quiet : {"messageText", "Label1", "dateArrif", "LMDGraphicLabel1"}) {
        session.moveMouseToComponent(quiet);
        // A hint would come after half a second; watch for more than twice as long.
        const auto start = Clock::now();
        while (millisecondsSince(start) < 1200) {
            if (HWND hint = shownHintWindow(session))
                fail(std::string("a hint appeared over ") + quiet + ": " + show(controlText(hint)));
            Sleep(20);
        }
    }
    // The same watch does see a hint where there is one.
    session.moveMouseToComponent("sendMsg");
    HWND hint = nullptr;
    waitUntil([&] { return (hint = shownHintWindow(session)) != nullptr; }, "the hint of sendMsg");
    checkEqual(controlText(hint), std::string("Let's send message!"), "hint text of sendMsg");
}

const ButtonHint kButtonHints[] = {
    {"sendMsg", "Let's send message!"},
    {"SpeedButton1", "Alredy?.. Ok..."},
    {"SpeedButton2", "About us!"},
};

}  // namespace

std::vector<TestCase> hintCases() {
    std::vector<TestCase> cases;
    for (const ButtonHint& button : kButtonHints)
        cases.push_back({std::string("hint.") + button.button,
                         [&button](CaseContext& c) { checkHintTiming(c, button); }});
    cases.push_back({"hint.none_on_fields_and_labels", checkNoHintOnFieldsOrLabels});
    return cases;
}

}  // namespace e2e
