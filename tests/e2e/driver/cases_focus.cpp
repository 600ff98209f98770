// Keyboard focus: where it starts, what it selects, and the order Tab walks.
#include "case_context.h"
#include "cases.h"
#include "quillcast_session.h"
#include "user_input.h"
#include "windows_query.h"

namespace e2e {

namespace {

const char* const kTabOrder[] = {"IPwhere", "messageText", "dateArrif", "timeNow", "timeSet"};
constexpr int kTabStops = static_cast<int>(std::size(kTabOrder));

void checkWholeTextSelected(QuillcastSession& session, const std::string& name) {
    const auto length = controlText(session.controlWindow(name)).size();
    const auto selected = [&] {
        const auto [start, end] = session.selection(name);
        return show(start) + ".." + show(end);
    };
    waitForValue(selected, "0.." + show(length), "the whole text of " + name + " to be selected");
}

void checkStartFocus(CaseContext& context) {
    QuillcastSession session(context);
    session.waitForFocus("IPwhere");
    checkEqual(controlText(session.controlWindow("IPwhere")), std::string("IP of reciver"), "IPwhere at start");
    checkWholeTextSelected(session, "IPwhere");
}

void checkFirstKeyReplaces(CaseContext& context) {
    QuillcastSession session(context);
    session.waitForFocus("IPwhere");
    bringToFront(session.form());
    typeText("Z9");
    HWND receiver = session.controlWindow("IPwhere");
    waitForValue([&] { return controlText(receiver); }, std::string("Z9"),
                 "typing to replace the selected receiver text");
}

// Walks the tab order from IPwhere, `steps` times, checking each stop.
void walkTabOrder(CaseContext& context, bool forward) {
    QuillcastSession session(context);
    session.waitForFocus("IPwhere");
    for (int step = 1; step <= kTabStops; ++step) {
        if (forward)
            session.press(VK_TAB);
        else
            session.press(VK_TAB, {VK_SHIFT});
        const int index = forward ? step % kTabStops : (kTabStops - step % kTabStops) % kTabStops;
        session.waitForFocus(kTabOrder[index]);
        // The two text fields select their whole text when the keyboard brings the focus.
        if (index <= 1) checkWholeTextSelected(session, kTabOrder[index]);
    }
}

void checkClickPlacesCaret(CaseContext& context) {
    QuillcastSession session(context);
    session.waitForFocus("IPwhere");
    session.clickComponent("messageText");
    session.waitForFocus("messageText");
    const auto [start, end] = session.selection("messageText");
    checkEqual(end - start, DWORD{0}, "characters selected after a mouse click into messageText");
}

}  // namespace

std::vector<TestCase> focusCases() {
    return {
        {"focus.start_in_receiver_all_selected", checkStartFocus},
        {"focus.first_key_replaces_receiver", checkFirstKeyReplaces},
        {"focus.tab_forward", [](CaseContext& c) { walkTabOrder(c, true); }},
        {"focus.shift_tab_backward", [](CaseContext& c) { walkTabOrder(c, false); }},
        {"focus.click_places_caret_without_selection", checkClickPlacesCaret},
    };
}

}  // namespace e2e
