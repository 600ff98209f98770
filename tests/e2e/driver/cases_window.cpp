// The window tree, each component's class, place, size and texts, the creation
// order, and the start-up show commands.
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "case_context.h"
#include "cases.h"
#include "quillcast_session.h"
#include "user_input.h"
#include "windows_query.h"

namespace e2e {

namespace {

constexpr RECT kFormRect{281, 104, 281 + 706, 104 + 480};

void checkWindowTree(CaseContext& context) {
    QuillcastSession session(context);
    HWND app = session.applicationWindow();
    HWND form = session.form();
    const DWORD pid = session.program().processId();

    int applications = 0, forms = 0;
    for (HWND window : topLevelWindowsOf(pid)) {
        applications += className(window) == "TApplication";
        forms += className(window) == "TfrmMain";
    }
    checkEqual(applications, 1, "top-level windows of class TApplication");
    checkEqual(forms, 1, "top-level windows of class TfrmMain");

    checkEqual(caption(app), std::string("Quill Cast"), "caption of the application window");
    const RECT appRect = windowRect(app);
    check(appRect.right == appRect.left && appRect.bottom == appRect.top,
          "the application window has zero size, not " + describeRect(appRect));
    check(IsWindowVisible(app), "the application window, carrier of the taskbar entry, is shown with the form");
    check(GetWindow(app, GW_OWNER) == nullptr, "the application window has no owner");

    checkEqual(caption(form), std::string("Quillcast"), "caption of the main window");
    check(GetWindow(form, GW_OWNER) == app, "the main window is owned by the application window");
    check(GetAncestor(form, GA_PARENT) == GetDesktopWindow(), "the main window is a top-level window");
    checkEqual(describeRect(windowRect(form)), describeRect(kFormRect), "window rectangle of the main window");
    check(GetMenu(form) == nullptr, "the main window has no menu");

    const LONG style = GetWindowLongA(form, GWL_STYLE);
    for (auto [bit, what] : {std::pair{WS_CAPTION, "title bar"}, {WS_SYSMENU, "system menu"},
                             {WS_THICKFRAME, "sizeable frame"}, {WS_MINIMIZEBOX, "minimise box"},
                             {WS_MAXIMIZEBOX, "maximise box"}})
        check((style & bit) == static_cast<LONG>(bit), std::string("the main window has a ") + what);
    check(!IsZoomed(form) && !IsIconic(form), "the main window opens in the normal state");
    check(session.program().activeWindow() == form, "the main window is the active window");
}

// Where the layout fixes no exact value: kFollowsText (width), nullopt (text).
constexpr long kFollowsText = -1;

struct Expected {
    const char* name;
    const char* className;
    long left, top, width, height;
    std::optional<std::string> text;
    std::string hint;
    bool hasWindow;
    long tabOrder;
};

const Expected kVisual[] = {
    {"LMDGraphicLabel1", "TLMDGraphicLabel", 136, 0, 457, 89, std::nullopt, "", false, -1},
    {"Label1", "TLabel", 16, 88, kFollowsText, 13, "IP of reciver:", "", false, -1},
    {"Label2", "TLabel", 128, 88, kFollowsText, 13, "Message:", "", false, -1},
    {"IPwhere", "TEdit", 16, 104, 97, 21, "IP of reciver", "", true, 0},
    {"messageText", "TEdit", 128, 104, 497, 21, "Message", "", true, 1},
    {"dateArrif", "TCheckBox", 16, 160, 97, 17, "Will arrive in:", "", true, 2},
    {"timeNow", "TMaskEdit", 120, 160, 121, 21, std::nullopt, "", true, 3},
    {"timeSet", "TMaskEdit", 16, 184, 120, 21, std::nullopt, "", true, 4},
    {"sendMsg", "TSpeedButton", 504, 224, 121, 33, "Send Message", "Let's send message!", false, -1},
    {"SpeedButton2", "TSpeedButton", 496, 416, 97, 31, "About", "About us!", false, -1},
    {"SpeedButton1", "TSpeedButton", 600, 416, 97, 33, "Exit", "Alredy?.. Ok...", false, -1},
};

const std::pair<const char*, const char*> kNonVisual[] = {
    {"RS", "TLMDStarter"}, {"LMDFormFill1", "TLMDFormFill"}, {"timeTimer", "TTimer"}, {"aboutDLG", "TLMDAboutDlg"}};

void checkLayout(CaseContext& context) {
    QuillcastSession session(context);
    // Keep the pointer off the buttons so that each shows its resting state.
    moveMouseTo(session.form(), POINT{300, 320});
    Findings findings;
    for (const Expected& expected : kVisual) {
        const std::string name = expected.name;
        const auto found = context.inspector().inspect(session.form(), name);
        if (!found) {
            findings.expect(false, "the form does not know " + name);
            continue;
        }
        const ComponentInfo& info = *found;
        const auto value = [&](const char* key) { return info.has(key) ? info.text(key) : std::string("(missing)"); };
        findings.expectEqual(value("Name"), name, "Name of " + name);
        findings.expectEqual(value("Class"), std::string(expected.className), "Class of " + name);
        findings.expectEqual(value("Left"), show(expected.left), "Left of " + name);
        findings.expectEqual(value("Top"), show(expected.top), "Top of " + name);
        if (expected.width == kFollowsText)
            findings.expect(std::atol(value("Width").c_str()) > 0,
                            name + " has a width that follows its text, got " + value("Width"));
        else
            findings.expectEqual(value("Width"), show(expected.width), "Width of " + name);
        findings.expectEqual(value("Height"), show(expected.height), "Height of " + name);
        if (expected.text) findings.expectEqual(value("Text"), *expected.text, "Text of " + name);
        findings.expectEqual(value("Hint"), expected.hint, "Hint of " + name);
        findings.expectEqual(value("HasWindow"), std::string(expected.hasWindow ? "1" : "0"), "HasWindow of " + name);
        findings.expect(expected.hasWindow ? std::atol(value("Hwnd").c_str()) != 0 : value("Hwnd") == "0",
                        "Hwnd of " + name + " is " + value("Hwnd") + (expected.hasWindow ? ", expected a handle" : ", expected 0"));
        findings.expectEqual(value("TabOrder"), show(expected.tabOrder), "TabOrder of " + name);
        if (expected.className == std::string("TSpeedButton"))
            findings.expectEqual(value("State"), std::string("Rest"), "State of " + name + " with the pointer elsewhere");
        if (name == "dateArrif") findings.expectEqual(value("Checked"), std::string("0"), "Checked of dateArrif at start");
    }

    for (const auto& [name, className] : kNonVisual) {
        const auto found = context.inspector().inspect(session.form(), name);
        if (!found) {
            findings.expect(false, std::string("the form does not know ") + name);
            continue;
        }
        const auto value = [&](const char* key) { return found->has(key) ? found->text(key) : std::string("(missing)"); };
        findings.expectEqual(value("Class"), std::string(className), std::string("Class of ") + name);
        for (const char* key : {"Left", "Top", "Width", "Height", "HasWindow", "Hwnd"})
            findings.expectEqual(value(key), std::string("0"), std::string(key) + " of the non-visual " + name);
        findings.expectEqual(value("TabOrder"), std::string("-1"), std::string("TabOrder of the non-visual ") + name);
    }
    findings.report();
}

// The windowed components as Windows itself sees them, against what the form reports.
void checkChildWindows(CaseContext& context) {
    QuillcastSession session(context);
    struct Windowed {
        const char* name;
        const char* windowClass;
    };
    const Windowed windowed[] = {{"IPwhere", "Edit"}, {"messageText", "Edit"}, {"dateArrif", "Button"},
                                 {"timeNow", "Edit"}, {"timeSet", "Edit"}};
    for (const auto& [name, windowClass] : windowed) {
        HWND window = session.controlWindow(name);
        const ComponentInfo info = session.component(name);
        checkEqual(className(window), std::string(windowClass), std::string("window class of ") + name);
        checkEqual(describeRect(rectInParent(window)), describeRect(info.rect()),
                   std::string("window rectangle of ") + name + " against its reported place");
        check(IsWindowVisible(window), std::string(name) + " is visible");
        const LONG style = GetWindowLongA(window, GWL_STYLE);
        const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
        if (windowClass == std::string("Edit")) {
            check(exStyle & WS_EX_CLIENTEDGE, std::string(name) + " has the sunken edit border");
            // The masked field shows its blanks as the blank marker; the form reports them as spaces.
            std::string shown = info.text("Text");
            if (std::string(name) == "timeSet") std::replace(shown.begin(), shown.end(), ' ', '_');
            checkEqual(controlText(window), shown, std::string("window text of ") + name);
        } else {
            checkEqual(style & BS_TYPEMASK, LONG{BS_AUTOCHECKBOX}, std::string("button type of ") + name);
            checkEqual(controlText(window), std::string("Will arrive in:"), "window text of dateArrif");
            checkEqual(sendWithTimeout(window, BM_GETCHECK, 0, 0), LRESULT{BST_UNCHECKED}, "dateArrif unchecked");
        }
        check(style & WS_TABSTOP, std::string(name) + " is a tab stop");
    }
    // Labels, title and speed buttons are drawn by the form: the five above are all its children.
    checkEqual(childWindowsOf(session.form()).size(), std::size(windowed), "number of child windows of the main window");
}

void checkCreationOrder(CaseContext& context) {
    QuillcastSession session(context);
    const std::vector<std::string> expected = {"sendMsg",  "Label1",       "Label2",      "LMDGraphicLabel1",
                                               "SpeedButton1", "SpeedButton2", "IPwhere",   "messageText",
                                               "dateArrif", "timeNow",     "timeSet",     "RS",
                                               "LMDFormFill1", "timeTimer",  "aboutDLG"};
    const auto actual = context.inspector().creationOrder(session.form());
    std::string joined;
    for (const auto& name : actual) joined += (joined.empty() ? "" : ",") + name;
    std::string wanted;
    for (const auto& name : expected) wanted += (wanted.empty() ? "" : ",") + name;
    checkEqual(joined, wanted, "components in creation order");
}

void checkUnknownComponent(CaseContext& context) {
    QuillcastSession session(context);
    for (const char* name : {"NoSuchComponent", "sendMsg2", "Label", ""})
        check(!context.inspector().inspect(session.form(), name).has_value(),
              std::string("the form denies a component named ") + show(name));
    // The inspection still answers afterwards.
    checkEqual(session.component("sendMsg").text("Class"), std::string("TSpeedButton"), "Class of sendMsg");
}

// Show commands that open the window in the normal state at its designed place.
void checkOpensNormally(CaseContext& context, std::optional<WORD> showCommand) {
    QuillcastSession session(context, LaunchOptions{kProduct, showCommand, ""});
    HWND form = session.form();
    check(!IsZoomed(form), "the main window is not maximised");
    check(!IsIconic(form) && !IsIconic(session.applicationWindow()), "the program is not minimised");
    checkEqual(describeRect(windowRect(form)), describeRect(kFormRect), "window rectangle of the main window");
}

void checkOpensMaximised(CaseContext& context) {
    QuillcastSession session(context, LaunchOptions{kProduct, SW_SHOWMAXIMIZED, ""});
    HWND form = session.form();
    waitUntil([&] { return IsZoomed(form) != FALSE; }, "the main window to be maximised");
    check(IsWindowVisible(form), "the maximised main window is visible");
    // Controls stay at their designed place, anchored top-left.
    checkEqual(describeRect(session.component("messageText").rect()), std::string("128,104 497x21"),
               "messageText in the maximised window");
}

// Started minimised, the program is an iconic application window with its form hidden.
void startMinimised(CaseContext& context, const std::function<void(Program&, HWND app, HWND form)>& then) {
    Program program(context, LaunchOptions{kProduct, SW_SHOWMINNOACTIVE, ""});
    HWND app = program.applicationWindow();
    HWND form = nullptr;
    waitUntil([&] { return (form = findTopLevel(program.processId(), "TfrmMain")) != nullptr; }, "the main window");
    waitUntil([&] { return IsIconic(app) != FALSE; }, "the application window to be minimised", kStartWait);
    program.waitForInputIdle();
    context.inspector().component(form, "*");  // a round trip: start-up has been handled
    check(!IsWindowVisible(form), "the main window of a minimised program is hidden");
    then(program, app, form);
}

void checkOpensMinimised(CaseContext& context) {
    startMinimised(context, [](Program&, HWND, HWND form) {
        check(!IsZoomed(form), "the main window of a minimised program is not maximised");
    });
}

void checkMinimisedRestoresFromTaskbar(CaseContext& context) {
    startMinimised(context, [&](Program&, HWND app, HWND form) {
        // A click on the taskbar entry restores the application window.
        PostMessageA(app, WM_SYSCOMMAND, SC_RESTORE, 0);
        waitUntil([&] { return IsWindowVisible(form) && !IsIconic(app); }, "the main window to come back");
        checkEqual(describeRect(windowRect(form)), describeRect(kFormRect), "window rectangle after restoring");
    });
}

}  // namespace

std::vector<TestCase> windowCases() {
    std::vector<TestCase> cases = {
        {"window.tree", checkWindowTree},
        {"window.layout", checkLayout},
        {"window.child_windows", checkChildWindows},
        {"window.creation_order", checkCreationOrder},
        {"window.unknown_component", checkUnknownComponent},
        {"show.maximised_3", checkOpensMaximised},
        {"show.minimised_7", checkOpensMinimised},
        {"show.minimised_7_restores_from_taskbar", checkMinimisedRestoresFromTaskbar},
        {"show.normal_without_show_flag", [](CaseContext& c) { checkOpensNormally(c, std::nullopt); }},
    };
    for (WORD command : {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOW, SW_SHOWNOACTIVATE})
        cases.push_back({"show.normal_" + std::to_string(command),
                         [command](CaseContext& c) { checkOpensNormally(c, command); }});
    return cases;
}

}  // namespace e2e
