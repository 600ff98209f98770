// The About box: opened by the About button, modal over the main window, its texts
// in order, the ways to close it, its links, and the main window ticking on behind it.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "driver/case_context.h"
#include "driver/cases.h"
#include "driver/net_log.h"
#include "driver/quillcast_session.h"
#include "driver/screenshot.h"
#include "driver/user_input.h"
#include "driver/windows_query.h"

namespace e2e {

namespace {

constexpr char kBoxClass[] = "TAboutBox";
constexpr char kWebLink[] = "https://www.example.com/quillcast";
constexpr char kMailLink[] = "quillcast@example.com";
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kPurple = RGB(128, 0, 128);

std::vector<HWND> visibleBoxes(QuillcastSession& session) {
    std::vector<HWND> boxes;
    for (HWND window : topLevelWindowsOf(session.program().processId()))
        if (className(window) == kBoxClass && IsWindowVisible(window)) boxes.push_back(window);
    return boxes;
}

// Clicks About like a user and waits for the one box to be up, active, with OK focused.
HWND openAboutBox(QuillcastSession& session) {
    session.clickComponent("SpeedButton2");
    HWND box = nullptr;
    waitUntil([&] {
        const auto boxes = visibleBoxes(session);
        if (boxes.size() > 1) fail("the About button opened " + show(boxes.size()) + " boxes");
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr;
    }, "the About box to appear");
    waitUntil([&] { return session.program().activeWindow() == box; }, "the About box to become active");
    return box;
}

HWND childWithText(HWND box, const std::string& text) {
    for (HWND child : childWindowsOf(box))
        if (controlText(child) == text) return child;
    fail("the About box has no control with the text " + show(text));
}

// The texts of the box's controls, top to bottom and left to right, empty ones left out.
std::vector<std::string> textsInReadingOrder(HWND box) {
    std::vector<std::pair<RECT, std::string>> controls;
    for (HWND child : childWindowsOf(box)) {
        std::string text = controlText(child);
        if (!text.empty() && IsWindowVisible(child)) controls.emplace_back(rectInParent(child), std::move(text));
    }
    std::stable_sort(controls.begin(), controls.end(), [](const auto& a, const auto& b) {
        return a.first.top != b.first.top ? a.first.top < b.first.top : a.first.left < b.first.left;
    });
    std::vector<std::string> texts;
    for (auto& control : controls) texts.push_back(std::move(control.second));
    return texts;
}

std::string joined(const std::vector<std::string>& texts) {
    std::string all;
    for (const auto& text : texts) all += (all.empty() ? "" : " | ") + text;
    return all;
}

// How many pixels of exactly `colour` the screen shows over a window.
int pixelsOfColour(HWND window, COLORREF colour) {
    const RECT area = windowRect(window);
    HDC screen = GetDC(nullptr);
    const std::vector<DWORD> pixels = pixelsOf(screen, area.left, area.top, area.right - area.left, area.bottom - area.top);
    ReleaseDC(nullptr, screen);
    const DWORD wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), wanted));
}

void waitForLinkColour(HWND link, COLORREF colour, const std::string& what) {
    waitUntil([&] { return pixelsOfColour(link, colour) > 0; }, what);
}

// Checks that the box has gone and the main window is back in charge with its focus.
void checkClosed(QuillcastSession& session, HWND box, HWND focusBefore, const std::string& how) {
    waitUntil([&] { return !IsWindow(box); }, "the About box to be destroyed after " + how);
    waitUntil([&] { return IsWindowEnabled(session.form()) != FALSE; }, "the main window to be enabled after " + how);
    waitUntil([&] { return session.program().activeWindow() == session.form(); },
              "the main window to be active again after " + how);
    waitUntil([&] { return session.program().focus() == focusBefore; },
              "the focus to return to " + session.nameOfWindow(focusBefore) + " after " + how);
    checkEqual(visibleBoxes(session).size(), std::size_t{0}, "About boxes left after " + how);
}

// What every opening must show while the box is up.
void checkModalState(QuillcastSession& session, HWND box) {
    check(IsWindowEnabled(session.form()) == FALSE, "the main window is disabled while the About box is open");
    checkEqual(GetWindow(box, GW_OWNER), session.form(), "owner of the About box");
    HWND ok = childWithText(box, "OK");
    waitUntil([&] { return session.program().focus() == ok; }, "the OK button to have the focus");
    const auto reported = session.component("aboutDLG").number("Hwnd");
    checkEqual(reported, static_cast<long>(reinterpret_cast<INT_PTR>(box)), "aboutDLG's reported box window");
}

void checkContent(CaseContext& context) {
    QuillcastSession session(context);
    session.waitForFocus("IPwhere");
    HWND focusBefore = session.program().focus();
    HWND box = openAboutBox(session);
    checkModalState(session, box);
    checkEqual(caption(box), std::string("Quillcast"), "caption of the About box");

    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatusEx(&memory);
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    const std::vector<std::string> expected{
        "Quillcast",
        "1.1.2.37",
        "Want send messages to computers? This program is for you!",
        "Copyright (c) Zuvo",
        kWebLink,
        kMailLink,
        "Available Memory:",
        show(memory.ullTotalPhys / 1024) + " KB",
        "Platform, CPU:",
        show(system.dwNumberOfProcessors) + "x " + show(system.dwProcessorType) + " or compatible",
        "OK",
    };
    checkEqual(joined(textsInReadingOrder(box)), joined(expected), "texts of the About box, top to bottom");

    // Fixed width, centred on the screen.
    const RECT outer = windowRect(box);
    checkEqual(outer.right - outer.left, 440L, "outer width of the About box");
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    checkEqual(outer.left, static_cast<LONG>((screenWidth - (outer.right - outer.left)) / 2), "left of the box");
    checkEqual(outer.top, static_cast<LONG>((screenHeight - (outer.bottom - outer.top)) / 2), "top of the box");
    // The version never starts above the icon's bottom, which lies below the name.
    const RECT name = rectInParent(childWithText(box, "Quillcast"));
    const RECT version = rectInParent(childWithText(box, "1.1.2.37"));
    check(version.top >= name.bottom, "the version starts below the product name");

    if (!context.settings().screenshotDir.empty()) {
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        sendWithTimeout(box, WM_NULL, 0, 0);
        saveScreenRect(outer, context.settings().screenshotDir + "\\about-box.bmp");
    }
    clickAt(box, centreOf(rectInParent(childWithText(box, "OK"))));
    checkClosed(session, box, focusBefore, "a click on OK");
    session.exitNormally();
}

struct CloseWay {
    const char* name;
    void (*close)(HWND box);
};

const CloseWay kCloseWays[] = {
    {"ok", [](HWND box) { clickAt(box, centreOf(rectInParent(childWithText(box, "OK")))); }},
    {"escape", [](HWND box) {
         bringToFront(box);
         pressKey(VK_ESCAPE);
     }},
    {"enter", [](HWND box) {
         bringToFront(box);
         pressKey(VK_RETURN);
     }},
    {"alt_f4", [](HWND box) {
         bringToFront(box);
         pressKey(VK_F4, {VK_MENU});
     }},
    // The close box: no window manager draws title bars here, so its command is sent.
    {"close_box", [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

void checkCloseWay(CaseContext& context, const CloseWay& way) {
    QuillcastSession session(context);
    session.waitForFocus("IPwhere");
    session.clickComponent("messageText");  // the focus must come back to where it was
    session.waitForFocus("messageText");
    HWND focusBefore = session.program().focus();
    for (int opening = 1; opening <= 2; ++opening) {
        HWND box = openAboutBox(session);
        checkModalState(session, box);
        way.close(box);
        checkClosed(session, box, focusBefore, std::string(way.name) + " (opening " + show(opening) + ")");
    }
    session.exitNormally();
}

void checkLinksColourAndFreshness(CaseContext& context) {
    QuillcastSession session(context);
    HWND box = openAboutBox(session);
    HWND web = childWithText(box, kWebLink), mail = childWithText(box, kMailLink);
    waitForLinkColour(web, kBlue, "the web link to be blue");
    waitForLinkColour(mail, kBlue, "the e-mail link to be blue");
    // Pressing turns it purple; releasing away from it opens nothing.
    moveMouseTo(web, POINT{2, 2});
    leftButtonDown();
    waitForLinkColour(web, kPurple, "the pressed web link to turn purple");
    moveMouseTo(box, POINT{2, 2});
    leftButtonUp();
    check(pixelsOfColour(web, kBlue) == 0, "no blue left in the pressed web link");
    check(IsWindowEnabled(web) != FALSE, "a link released elsewhere stays enabled");
    waitForLinkColour(mail, kBlue, "the e-mail link to stay blue");
    pressKey(VK_ESCAPE);
    waitUntil([&] { return !IsWindow(box); }, "the About box to close");

    HWND again = openAboutBox(session);
    waitForLinkColour(childWithText(again, kWebLink), kBlue, "the web link to be blue in a new box");
    check(pixelsOfColour(childWithText(again, kWebLink), kPurple) == 0, "no purple in a new box");
    pressKey(VK_ESCAPE);
    waitUntil([&] { return !IsWindow(again); }, "the second About box to close");
    session.exitNormally();
}

// Takes a URL scheme's association away from the shell for the length of a case.
class SchemeAssociationRemoved {
public:
    explicit SchemeAssociationRemoved(const std::string& scheme)
        : key_("Software\\Classes\\" + scheme), backup_("Software\\QuillcastE2E\\" + scheme) {
        HKEY backup = nullptr;
        RegDeleteTreeA(HKEY_CURRENT_USER, backup_.c_str());
        if (RegCreateKeyExA(HKEY_CURRENT_USER, backup_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &backup,
                            nullptr) != ERROR_SUCCESS)
            fail("cannot create the registry backup key");
        const LSTATUS copied = RegCopyTreeA(HKEY_LOCAL_MACHINE, key_.c_str(), backup);
        RegCloseKey(backup);
        if (copied != ERROR_SUCCESS) fail("cannot back up HKLM\\" + key_ + " (error " + show(copied) + ")");
        const LSTATUS deleted = RegDeleteTreeA(HKEY_LOCAL_MACHINE, key_.c_str());
        if (deleted != ERROR_SUCCESS) fail("cannot delete HKLM\\" + key_ + " (error " + show(deleted) + ")");
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, key_.c_str());
    }
    SchemeAssociationRemoved(const SchemeAssociationRemoved&) = delete;
    SchemeAssociationRemoved& operator=(const SchemeAssociationRemoved&) = delete;
    ~SchemeAssociationRemoved() {
        HKEY restored = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &restored,
                            nullptr) == ERROR_SUCCESS) {
            RegCopyTreeA(HKEY_CURRENT_USER, backup_.c_str(), restored);
            RegCloseKey(restored);
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, backup_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, backup_.c_str());
    }

private:
    std::string key_;
    std::string backup_;
};

void checkFailedLinkGreys(CaseContext& context) {
    const std::string web = kWebLink;
    SchemeAssociationRemoved noBrowser(web.substr(0, web.find(':')));
    QuillcastSession session(context);
    HWND box = openAboutBox(session);
    HWND webLink = childWithText(box, kWebLink), mailLink = childWithText(box, kMailLink);
    clickAt(webLink, POINT{2, 2});
    waitUntil([&] { return IsWindowEnabled(webLink) == FALSE; }, "the web link to be disabled after its open failed");
    waitForLinkColour(webLink, GetSysColor(COLOR_GRAYTEXT), "the failed web link to be greyed");
    check(pixelsOfColour(webLink, kBlue) == 0 && pixelsOfColour(webLink, kPurple) == 0,
          "the failed web link shows no link colour");
    // A second click on it does nothing; the box stays and reports nothing.
    clickAt(webLink, POINT{2, 2});
    sendWithTimeout(box, WM_NULL, 0, 0);
    check(IsWindowVisible(box) != FALSE, "the box stays open after a failed link");
    checkEqual(visibleBoxes(session).size(), std::size_t{1}, "top-level boxes after a failed link");
    checkEqual(findTopLevel(session.program().processId(), "#32770"), HWND{}, "an error box after a failed link");

    // The e-mail link still opens, and so stays enabled (and purple, since pressed).
    clickAt(mailLink, POINT{2, 2});
    waitForLinkColour(mailLink, kPurple, "the clicked e-mail link to turn purple");
    sendWithTimeout(box, WM_NULL, 0, 0);
    check(IsWindowEnabled(mailLink) != FALSE, "the e-mail link still works");
    check(IsWindow(box) && IsWindowVisible(box), "the box stays open after opening a link");
    pressKey(VK_ESCAPE);
    waitUntil([&] { return !IsWindow(box); }, "the About box to close");
    session.exitNormally();
}

void checkClockTicksBehindTheBox(CaseContext& context) {
    QuillcastSession session(context);
    HWND clock = session.controlWindow("timeNow");
    HWND box = openAboutBox(session);
    const std::string first = controlText(clock);
    waitUntil([&] { return controlText(clock) != first; }, "the clock field to tick while the About box is open",
              Milliseconds(4000));
    check(IsWindow(box) && IsWindowVisible(box), "the box is still open");
    pressKey(VK_ESCAPE);
    waitUntil([&] { return !IsWindow(box); }, "the About box to close");
    session.exitNormally();
}

// A second of the day as the schedule field writes it, and the digits that type it.
std::string scheduleText(int second) {
    char text[16];
    wsprintfA(text, "%02d:%02d:%02d", second / 3600, second / 60 % 60, second % 60);
    return text;
}

std::string scheduleDigits(int second) {
    std::string digits = scheduleText(second);
    digits.erase(std::remove(digits.begin(), digits.end(), ':'), digits.end());
    return digits;
}

void checkScheduleFiresWhileOpen(CaseContext& context) {
    QuillcastSession session(context);
    HWND clock = session.controlWindow("timeNow"), entry = session.controlWindow("timeSet");
    waitUntil([&] { return controlText(clock) != "timeNow"; }, "the first clock tick");
    session.clickComponent("timeSet");
    session.waitForFocus("timeSet");
    session.press(VK_HOME);
    // Far enough ahead to arm it and open the box first, near enough to wait for.
    SYSTEMTIME now;
    GetLocalTime(&now);
    const int target = (now.wHour * 3600 + now.wMinute * 60 + now.wSecond + 6 + (now.wMilliseconds >= 500)) % 86400;
    bringToFront(session.form());
    typeText(scheduleDigits(target));
    waitForValue([&] { return controlText(entry); }, scheduleText(target), "timeSet after typing the schedule");
    session.clickComponent("dateArrif");
    waitForValue([&] { return session.component("dateArrif").text("Checked"); }, std::string("1"),
                 "dateArrif to be checked");

    HWND box = openAboutBox(session);
    checkEqual(readNetRecords(context.netLog()).size(), std::size_t{0}, "sends before the scheduled second");
    waitUntil([&] { return !readNetRecords(context.netLog()).empty(); },
              "the scheduled send of " + scheduleText(target) + " while the About box is open", Milliseconds(12000));
    check(IsWindow(box) && IsWindowVisible(box), "the About box is still open when the schedule sends");
    check(IsWindowEnabled(session.form()) == FALSE, "the main window is still disabled when the schedule sends");
    const auto records = session.settledNetRecords(1);
    checkEqual(records.size(), std::size_t{1}, "net starts for the scheduled second");
    checkEqual(records[0], expectedNetCommandLine("send IP of reciver Message"), "net command line");

    bringToFront(box);
    pressKey(VK_ESCAPE);
    waitUntil([&] { return !IsWindow(box); }, "the About box to close");
    session.exitNormally();
}

}  // namespace

std::vector<TestCase> aboutCases() {
    std::vector<TestCase> cases{
        {"about.content_in_order_modal_centred", checkContent},
        {"about.links_blue_purple_when_pressed_fresh_box_blue_again", checkLinksColourAndFreshness},
        {"about.failed_link_greyed_other_still_opens", checkFailedLinkGreys},
        {"about.clock_ticks_while_open", checkClockTicksBehindTheBox},
        {"about.schedule_fires_while_open", checkScheduleFiresWhileOpen},
    };
    for (const CloseWay& way : kCloseWays)
        cases.push_back(
            {std::string("about.closes_by_") + way.name, [&way](CaseContext& c) { checkCloseWay(c, way); }});
    return cases;
}

}  // namespace e2e
