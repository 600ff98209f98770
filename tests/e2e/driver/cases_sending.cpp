// Sending: Enter in the message field and a click on Send Message each start one
// `net` with "send " + receiver + " " + message; nothing else starts one.
#include <optional>

#include "case_context.h"
#include "cases.h"
#include "net_log.h"
#include "quillcast_session.h"
#include "user_input.h"
#include "windows_query.h"

namespace e2e {

namespace {

const std::string kInitialReceiver = "IP of reciver";
const std::string kInitialMessage = "Message";

struct FieldContents {
    const char* name;
    std::optional<std::string> receiver;  // nullopt: left as the program starts
    std::optional<std::string> message;
};

const FieldContents kFieldContents[] = {
    {"untouched", std::nullopt, std::nullopt},
    {"both_empty", "", ""},
    {"receiver_empty", "", "hello there"},
    {"message_empty", "host7", ""},
    {"blanks_at_ends", "  pc 7 ", "  hi  there  "},
    {"double_quotes", "\"my pc\"", "say \"hi\" \""},
    {"percent_ampersand", "%COMPUTERNAME%", "50% & more && %1 %% ^ | < >"},
    {"long_message", "pc", std::string(10000, 'x') + " end"},
};

enum class Trigger { EnterInMessage, ClickOnSend };

void trigger(QuillcastSession& session, Trigger how) {
    if (how == Trigger::ClickOnSend) {
        session.clickComponent("sendMsg");
        return;
    }
    session.clickComponent("messageText");
    session.waitForFocus("messageText");
    session.press(VK_RETURN);
}

std::string parameters(const std::string& receiver, const std::string& message) {
    return "send " + receiver + " " + message;
}

void checkOneSend(CaseContext& context, const FieldContents& fields, Trigger how) {
    QuillcastSession session(context);
    HWND receiverField = session.controlWindow("IPwhere");
    HWND messageField = session.controlWindow("messageText");
    if (fields.receiver) setControlText(receiverField, *fields.receiver);
    if (fields.message) setControlText(messageField, *fields.message);
    const std::string receiver = fields.receiver.value_or(kInitialReceiver);
    const std::string message = fields.message.value_or(kInitialMessage);

    trigger(session, how);
    const auto records = session.settledNetRecords(1);
    checkEqual(records.size(), std::size_t{1}, "net starts for one send");
    checkEqual(records[0], expectedNetCommandLine(parameters(receiver, message)), "net command line");
    checkEqual(controlText(receiverField), receiver, "IPwhere after the send");
    checkEqual(controlText(messageField), message, "messageText after the send");
}

void checkEnterInReceiverSendsNothing(CaseContext& context) {
    QuillcastSession session(context);
    session.waitForFocus("IPwhere");
    session.press(VK_RETURN);
    // The click is handled after the Enter, so once the focus has moved the Enter is done with.
    session.clickComponent("messageText");
    session.waitForFocus("messageText");
    // Then a send that does happen, told apart by its text: had the first Enter sent,
    // there would be two records.
    setControlText(session.controlWindow("messageText"), "after");
    session.press(VK_RETURN);
    const auto records = session.settledNetRecordsWith(expectedNetCommandLine(parameters(kInitialReceiver, "after")));
    checkEqual(records.size(), std::size_t{1}, "net starts after Enter in IPwhere, then Enter in messageText");
}

void checkTypedMessageThenEnter(CaseContext& context) {
    QuillcastSession session(context);
    session.waitForFocus("IPwhere");
    session.press(VK_TAB);
    session.waitForFocus("messageText");
    bringToFront(session.form());
    typeText("typed, not sent");  // the keys select-replace the text and send nothing
    waitForValue([&] { return controlText(session.controlWindow("messageText")); }, std::string("typed, not sent"),
                 "the typed message");
    session.press(VK_RETURN);
    const auto records = session.settledNetRecords(1);
    checkEqual(records.size(), std::size_t{1}, "net starts for typing a message and Enter");
    checkEqual(records[0], expectedNetCommandLine(parameters(kInitialReceiver, "typed, not sent")), "net command line");
}

void checkSendsInARow(CaseContext& context) {
    QuillcastSession session(context);
    HWND receiverField = session.controlWindow("IPwhere");
    HWND messageField = session.controlWindow("messageText");
    std::vector<std::string> expected;

    setControlText(messageField, "first");
    trigger(session, Trigger::ClickOnSend);
    expected.push_back(expectedNetCommandLine(parameters(kInitialReceiver, "first")));
    checkEqual(session.settledNetRecords(1).size(), std::size_t{1}, "net starts after one send");

    setControlText(messageField, "second");
    trigger(session, Trigger::EnterInMessage);
    expected.push_back(expectedNetCommandLine(parameters(kInitialReceiver, "second")));
    checkEqual(session.settledNetRecords(2).size(), std::size_t{2}, "net starts after two sends");

    setControlText(receiverField, "other-pc");
    trigger(session, Trigger::ClickOnSend);
    expected.push_back(expectedNetCommandLine(parameters("other-pc", "second")));
    const auto records = session.settledNetRecords(3);
    checkEqual(records.size(), expected.size(), "net starts after three sends");
    for (std::size_t i = 0; i < expected.size(); ++i)
        checkEqual(records[i], expected[i], "net command line of send " + show(i + 1));
}

void checkPressReleasedOutside(CaseContext& context) {
    QuillcastSession session(context);
    session.moveMouseToComponent("sendMsg");
    waitForValue([&] { return session.component("sendMsg").text("State"); }, std::string("Hover"),
                 "sendMsg to show the pointer over it");
    leftButtonDown();
    waitForValue([&] { return session.component("sendMsg").text("State"); }, std::string("Pressed"),
                 "sendMsg to look pressed");
    moveMouseTo(session.form(), POINT{300, 320});
    leftButtonUp();
    waitForValue([&] { return session.component("sendMsg").text("State"); }, std::string("Rest"),
                 "sendMsg to rest after the pointer left it");
    // Input is handled in order: once this click has moved the focus, the release is done with.
    session.clickComponent("messageText");
    session.waitForFocus("messageText");
    // Then a click that does count, told apart by its text: exactly one send in all.
    setControlText(session.controlWindow("messageText"), "after");
    session.clickComponent("sendMsg");
    const auto records = session.settledNetRecordsWith(expectedNetCommandLine(parameters(kInitialReceiver, "after")));
    checkEqual(records.size(), std::size_t{1}, "net starts after a press released outside, then a click");
}

}  // namespace

std::vector<TestCase> sendingCases() {
    std::vector<TestCase> cases;
    for (const FieldContents& fields : kFieldContents) {
        cases.push_back({std::string("send.enter.") + fields.name,
                         [&fields](CaseContext& c) { checkOneSend(c, fields, Trigger::EnterInMessage); }});
        cases.push_back({std::string("send.click.") + fields.name,
                         [&fields](CaseContext& c) { checkOneSend(c, fields, Trigger::ClickOnSend); }});
    }
    cases.push_back({"send.enter_in_receiver_sends_nothing", checkEnterInReceiverSendsNothing});
    cases.push_back({"send.typed_message_then_enter", checkTypedMessageThenEnter});
    cases.push_back({"send.several_in_a_row", checkSendsInARow});
    cases.push_back({"send.press_released_outside_does_not_click", checkPressReleasedOutside});
    return cases;
}

}  // namespace e2e
