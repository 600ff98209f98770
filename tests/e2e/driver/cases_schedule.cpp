// The clock and the schedule: timeNow follows the local clock once a second in the
// regional format; a time typed into timeSet with the box checked sends once, in
// that second, with the texts the fields hold then; the field's mask refuses and
// validates as a user meets it; a change of the regional settings counts from the
// next tick.
//
// Times are taken from the driver's own GetLocalTime: the program reads the same
// clock. A scheduled second is chosen 3.5 to 4.5 s ahead from a reading taken right
// before typing, as an absolute second, so a minute, hour or day turning over while
// the case runs changes nothing.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "case_context.h"
#include "cases.h"
#include "error_box.h"
#include "net_log.h"
#include "quillcast_session.h"
#include "user_input.h"
#include "windows_query.h"

namespace e2e {

namespace {

constexpr long long kSecondsPerDay = 24 * 60 * 60;
const std::string kInvalidEntryText = "Invalid input value.  Use escape key to abandon changes.";
const std::string kEmptyDisplay = "__:__:__";

// ---- the local clock, in whole seconds since 1 January 1601 local time ----

struct ClockReading {
    long long second = 0;
    int millisecond = 0;
};

ClockReading readLocalClock() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME stamp;
    SystemTimeToFileTime(&now, &stamp);
    const ULARGE_INTEGER ticks{{stamp.dwLowDateTime, stamp.dwHighDateTime}};
    return {static_cast<long long>(ticks.QuadPart / 10'000'000ULL), now.wMilliseconds};
}

SYSTEMTIME timeOfDay(long long second) {
    const long long ofDay = second % kSecondsPerDay;
    SYSTEMTIME time{};
    time.wYear = 2000;
    time.wMonth = 1;
    time.wDay = 1;
    time.wHour = static_cast<WORD>(ofDay / 3600);
    time.wMinute = static_cast<WORD>(ofDay / 60 % 60);
    time.wSecond = static_cast<WORD>(ofDay % 60);
    return time;
}

std::string twoDigits(int value) { return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)}; }

// The time of day as the schedule field writes it: HH<sep>MM<sep>SS.
std::string maskTime(long long second, char separator) {
    const SYSTEMTIME time = timeOfDay(second);
    return twoDigits(time.wHour) + separator + twoDigits(time.wMinute) + separator + twoDigits(time.wSecond);
}

std::string digitsToType(long long second) {
    std::string digits;
    for (char c : maskTime(second, ':'))
        if (c != ':') digits += c;
    return digits;
}

std::string describeClock(const ClockReading& reading) {
    return maskTime(reading.second, ':') + "." + std::to_string(reading.millisecond);
}

// ---- regional settings: the system's own, or a file the test build reads instead ----

struct LocaleChoice {
    const char* name;
    std::vector<std::string> fileLines;  // empty: the system's settings, the product program
    char separator;                      // the time separator these settings give
};

bool usesSystemLocale(const LocaleChoice& locale) { return locale.fileLines.empty(); }

// 24-hour clock with leading zeros and the given separator.
std::vector<std::string> twentyFourHourLines(char separator) {
    return {std::string("sTime=") + separator, "iTLZero=1", "iTime=1", "iTimeMarkPosn=0", "s1159=", "s2359="};
}

// The time text the program should show for `locale`. The system's text comes from
// GetTimeFormatA, which formats from the same regional settings by its own code.
std::string expectedTimeText(const LocaleChoice& locale, long long second) {
    if (!usesSystemLocale(locale)) return maskTime(second, locale.separator);
    const SYSTEMTIME time = timeOfDay(second);
    char text[128];
    const int length = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, sizeof text);
    if (length <= 0) fail("GetTimeFormatA failed (error " + show(GetLastError()) + ")");
    return std::string(text, static_cast<std::size_t>(length - 1));
}

// The cases of the system locale are about Wine's default, a 12-hour clock with the
// designator after the time: its time text never looks like an entry of the field,
// so a schedule there fires only by being matched against the time as the field
// writes it.
void requireTwelveHourSystemLocale() {
    char clock[8] = {}, position[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_ITIME, clock, sizeof clock);
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_ITIMEMARKPOSN, position, sizeof position);
    if (std::string(clock) != "0" || std::string(position) != "0")
        fail("the Wine session's locale is not a 12-hour clock with the designator after the time "
             "(LOCALE_ITIME " + show(clock) + ", LOCALE_ITIMEMARKPOSN " + show(position) +
             "); these cases expect Wine's default en-US");
}

// h:mm:ss followed by a blank and AM or PM, the hour 1 to 12 without a leading zero.
bool looksLikeTwelveHourText(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon != 1 && colon != 2) return false;
    const std::string hour = text.substr(0, colon);
    if (hour[0] == '0' || (hour.size() == 2 && hour > "12")) return false;
    const std::string rest = text.substr(colon);
    if (rest.size() != 9) return false;
    const auto digit = [&](std::size_t i) { return rest[i] >= '0' && rest[i] <= '9'; };
    return digit(1) && rest[1] <= '5' && digit(2) && rest[3] == ':' && digit(4) && rest[4] <= '5' && digit(5) &&
           rest[6] == ' ' && (rest.substr(7) == "AM" || rest.substr(7) == "PM");
}

void writeFile(const std::string& path, const std::string& content) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) fail("cannot write " + path + " (error " + show(GetLastError()) + ")");
    DWORD written = 0;
    const BOOL ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != content.size()) fail("cannot write " + path);
}

// A locale file named to the test build through QUILLCAST_LOCALE_FILE in the
// environment that the driver hands on to the programs it starts.
class LocaleFile {
public:
    LocaleFile(const CaseContext& context, const std::vector<std::string>& lines)
        : path_(context.settings().logDir + "\\" + context.caseName() + ".locale") {
        rewrite(lines);
        if (!SetEnvironmentVariableA(kVariable, path_.c_str())) fail("cannot set " + std::string(kVariable));
    }
    LocaleFile(const LocaleFile&) = delete;
    LocaleFile& operator=(const LocaleFile&) = delete;
    ~LocaleFile() {
        SetEnvironmentVariableA(kVariable, nullptr);
        DeleteFileA(path_.c_str());
    }

    void rewrite(const std::vector<std::string>& lines) {
        std::string content;
        for (const auto& line : lines) content += line + "\n";
        writeFile(path_, content);
    }

private:
    static constexpr const char* kVariable = "QUILLCAST_LOCALE_FILE";
    std::string path_;
};

LaunchOptions launchOptionsFor(const LocaleChoice& locale) {
    LaunchOptions options;
    options.executable = usesSystemLocale(locale) ? kProduct : kTestHooks;
    return options;
}

// The program started under the chosen settings: the product under the system's,
// the test build under a locale file.
class ClockSession {
public:
    ClockSession(CaseContext& context, const LocaleChoice& locale)
        : locale_(locale),
          file_(usesSystemLocale(locale) ? nullptr : std::make_unique<LocaleFile>(context, locale.fileLines)),
          session_(context, launchOptionsFor(locale)) {}

    QuillcastSession& operator*() { return session_; }
    QuillcastSession* operator->() { return &session_; }
    const LocaleChoice& locale() const { return locale_; }
    LocaleFile& file() {
        if (!file_) fail("this case runs under the system's settings, not a locale file");
        return *file_;
    }

private:
    const LocaleChoice& locale_;
    std::unique_ptr<LocaleFile> file_;  // set before the program starts, removed after it ends
    QuillcastSession session_;
};

// ---- the fields ----

std::string timeNowText(QuillcastSession& session) { return controlText(session.controlWindow("timeNow")); }
std::string timeSetDisplay(QuillcastSession& session) { return controlText(session.controlWindow("timeSet")); }
std::string timeSetText(QuillcastSession& session) { return session.component("timeSet").text("Text"); }

void waitForFirstTick(QuillcastSession& session) {
    waitUntil([&] { return timeNowText(session) != "timeNow"; }, "the first tick to write timeNow");
}

std::string selectionText(QuillcastSession& session) {
    const auto [start, end] = session.selection("timeSet");
    return show(start) + ".." + show(end);
}

std::string caretAt(int index) { return show(index) + ".." + show(index); }

void caretToStartOfTimeSet(QuillcastSession& session) {
    session.press(VK_HOME);
    waitForValue([&] { return selectionText(session); }, caretAt(0), "the caret at the start of timeSet");
}

// Focus in timeSet by a click, caret at its start.
void focusTimeSetAtStart(QuillcastSession& session) {
    session.clickComponent("timeSet");
    session.waitForFocus("timeSet");
    caretToStartOfTimeSet(session);
}

// The same by the keyboard, from IPwhere: a second click on the field so soon after
// the first would be a double click, which selects and does not focus.
void focusTimeSetBackFromReceiver(QuillcastSession& session) {
    session.waitForFocus("IPwhere");
    session.press(VK_TAB, {VK_SHIFT});
    session.waitForFocus("timeSet");
    caretToStartOfTimeSet(session);
}

void typeIntoTimeSet(QuillcastSession& session, const std::string& keys, const std::string& expectedDisplay) {
    bringToFront(session.form());
    typeText(keys);
    waitForValue([&] { return timeSetDisplay(session); }, expectedDisplay, "timeSet after typing " + show(keys));
}

enum class Toggle { Click, SpaceKey };

void setArmed(QuillcastSession& session, bool armed, Toggle how = Toggle::Click) {
    if (how == Toggle::Click) {
        session.clickComponent("dateArrif");
    } else {
        session.waitForFocus("dateArrif");
        session.press(VK_SPACE);
    }
    waitForValue([&] { return session.component("dateArrif").text("Checked"); }, std::string(armed ? "1" : "0"),
                 std::string("dateArrif to be ") + (armed ? "checked" : "unchecked"));
}

// Waits until timeNow shows the text of `second`: every tick before it has been handled.
void waitForTickOf(QuillcastSession& session, const LocaleChoice& locale, long long second) {
    const std::string expected = expectedTimeText(locale, second);
    const long long secondsToGo = std::max(0LL, second - readLocalClock().second);
    waitForValue([&] { return timeNowText(session); }, expected, "the tick of " + maskTime(second, ':'),
                 Milliseconds(1000 * secondsToGo + 2000));
}

// A schedule second `leadSeconds` (+0.5 at most) ahead of the clock now, typed into
// timeSet from its start; returns that second.
long long typeScheduleAhead(ClockSession& run, int leadSeconds) {
    QuillcastSession& session = *run;
    focusTimeSetAtStart(session);
    const ClockReading now = readLocalClock();
    const long long target = now.second + leadSeconds + (now.millisecond >= 500 ? 1 : 0);
    typeIntoTimeSet(session, digitsToType(target), maskTime(target, run.locale().separator));
    return target;
}

// The setting-up must end before the scheduled second, or the case proves nothing.
void checkStillBefore(long long target, const std::string& what) {
    const ClockReading now = readLocalClock();
    if (now.second >= target)
        fail(what + " lasted until " + describeClock(now) + ", past the scheduled " + maskTime(target, ':') +
             "; the machine is too slow for this case");
}

std::string sendParameters(const std::string& receiver, const std::string& message) {
    return "send " + receiver + " " + message;
}

struct SendSeen {
    ClockReading at;          // the driver's clock when the record appeared
    std::string timeNowText;  // timeNow right then
};

bool netLogWritten(const CaseContext& context) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExA(context.netLog().c_str(), GetFileExInfoStandard, &data) &&
           (data.nFileSizeLow != 0 || data.nFileSizeHigh != 0);
}

// Watches the net log closely from before the scheduled second until the first start
// has written to it (its size only: a record may be half written).
SendSeen watchForScheduledSend(ClockSession& run, const CaseContext& context, long long target) {
    for (;;) {
        const bool sent = netLogWritten(context);
        const ClockReading now = readLocalClock();
        if (sent) return {now, timeNowText(*run)};
        if (now.second > target + 2)
            fail("nothing was sent for " + maskTime(target, ':') + " by " + describeClock(now) + "; timeNow shows " +
                 show(timeNowText(*run)) + ", timeSet " + show(timeSetDisplay(*run)));
        Sleep(1);
    }
}

// ---- cases ----

// timeNow follows the clock: the text of the current second, changing from one
// second to the very next.
void checkClockFollowsTheSeconds(CaseContext& context) {
    requireTwelveHourSystemLocale();
    static const LocaleChoice system{"system", {}, ':'};
    ClockSession run(context, system);
    waitForFirstTick(*run);
    std::string last = timeNowText(*run);
    check(looksLikeTwelveHourText(last), "timeNow " + show(last) + " has the shape h:mm:ss AM/PM");

    std::optional<long long> previousSecond;
    for (int change = 0; change < 4; ++change) {
        std::string text;
        ClockReading seenAt;
        waitUntil([&] {
            text = timeNowText(*run);
            seenAt = readLocalClock();
            return text != last;
        }, "timeNow to change from " + show(last), Milliseconds(2500));
        // Read just after the change: the text is of this second, or of the one before
        // when the driver read the clock across the turn of the second.
        long long shownSecond = seenAt.second;
        if (text != expectedTimeText(system, shownSecond)) --shownSecond;
        if (text != expectedTimeText(system, shownSecond))
            fail("timeNow shows " + show(text) + " at " + describeClock(seenAt) + ", expected " +
                 show(expectedTimeText(system, seenAt.second)));
        check(looksLikeTwelveHourText(text), "timeNow " + show(text) + " has the shape h:mm:ss AM/PM");
        if (previousSecond)
            checkEqual(maskTime(shownSecond, ':'), maskTime(*previousSecond + 1, ':'),
                       "the second shown after " + show(last));
        previousSecond = shownSecond;
        last = text;
    }
}

// Armed: exactly one send, in the scheduled second, with the texts of that moment.
void checkScheduleFires(CaseContext& context, const LocaleChoice& locale) {
    if (usesSystemLocale(locale)) requireTwelveHourSystemLocale();
    ClockSession run(context, locale);
    QuillcastSession& session = *run;
    waitForFirstTick(session);

    const long long target = typeScheduleAhead(run, 4);
    setArmed(session, true);
    // Changed after arming: the send takes what the fields hold at the tick.
    const std::string receiver = "pc-" + std::string(locale.name);
    const std::string message = "due at " + maskTime(target, locale.separator);
    setControlText(session.controlWindow("IPwhere"), receiver);
    setControlText(session.controlWindow("messageText"), message);
    checkStillBefore(target, "arming the schedule");
    checkEqual(readNetRecords(context.netLog()).size(), std::size_t{0}, "net starts before the scheduled second");

    const SendSeen seen = watchForScheduledSend(run, context, target);
    checkEqual(maskTime(seen.at.second, ':'), maskTime(target, ':'),
               "the second in which net was started (seen at " + describeClock(seen.at) + ")");
    checkEqual(seen.timeNowText, expectedTimeText(locale, target), "timeNow when the schedule sent");

    // Two more ticks with the same entry armed: nothing more is sent.
    waitForTickOf(session, locale, target + 2);
    const auto records = session.settledNetRecords(1);
    checkEqual(records.size(), std::size_t{1}, "net starts for one scheduled second");
    checkEqual(records[0], expectedNetCommandLine(sendParameters(receiver, message)), "net command line");
    checkEqual(session.component("dateArrif").text("Checked"), std::string("1"), "dateArrif after the send");
    checkEqual(timeSetText(session), maskTime(target, locale.separator), "timeSet's Text after the send");
}

// Checked and unchecked again before the second: the second passes without a send,
// and a click afterwards is the one and only.
void checkUncheckedSendsNothing(CaseContext& context) {
    requireTwelveHourSystemLocale();
    static const LocaleChoice system{"system", {}, ':'};
    ClockSession run(context, system);
    QuillcastSession& session = *run;
    waitForFirstTick(session);

    const long long target = typeScheduleAhead(run, 4);
    setArmed(session, true);
    setArmed(session, false, Toggle::SpaceKey);
    setControlText(session.controlWindow("messageText"), "clicked");
    checkStillBefore(target, "typing the schedule and unchecking it");

    waitForTickOf(session, system, target + 1);
    checkEqual(readNetRecords(context.netLog()).size(), std::size_t{0}, "net starts up to the tick after the schedule");
    session.clickComponent("sendMsg");
    const auto records = session.settledNetRecords(1);
    checkEqual(records.size(), std::size_t{1}, "net starts: the click's only");
    checkEqual(records[0], expectedNetCommandLine(sendParameters("IP of reciver", "clicked")), "net command line");
}

// ---- editing timeSet ----

struct Keys {
    std::string typed;           // characters typed first
    std::vector<WORD> thenKeys;  // then these keys, in order
    std::string moreTyped;       // then these characters
};

void enterKeys(QuillcastSession& session, const Keys& keys) {
    bringToFront(session.form());
    if (!keys.typed.empty()) typeText(keys.typed);
    for (WORD key : keys.thenKeys) pressKey(key);
    if (!keys.moreTyped.empty()) typeText(keys.moreTyped);
}

enum class Leave { Tab, Enter, ClickOnReceiver };

// `attempt` 0, 1, ...: each click lands a quarter of the field further right, so that
// two in a row never make a double click.
void leaveTimeSet(QuillcastSession& session, Leave how, int attempt) {
    switch (how) {
    case Leave::Tab: session.press(VK_TAB); break;
    case Leave::Enter: session.press(VK_RETURN); break;
    case Leave::ClickOnReceiver: {
        const RECT field = session.component("IPwhere").rect();
        const LONG step = (field.right - field.left) / 4;
        bringToFront(session.form());
        clickAt(session.form(), POINT{field.left + step * (1 + attempt % 3), (field.top + field.bottom) / 2});
        break;
    }
    }
}

struct IncompleteEntry {
    const char* name;
    Keys keys;
    const char* display;
    int firstEmptyRequired;
    Leave leave;
};

const IncompleteEntry kIncompleteEntries[] = {
    {"seconds_missing.tab", {"1405", {}, ""}, "14:05:__", 6, Leave::Tab},
    {"seconds_missing.enter", {"1405", {}, ""}, "14:05:__", 6, Leave::Enter},
    {"last_digit_missing.click_elsewhere", {"14050", {}, ""}, "14:05:0_", 7, Leave::ClickOnReceiver},
    // The hour units emptied again: Home, Right, Delete.
    {"hour_units_emptied.tab", {"123456", {VK_HOME, VK_RIGHT, VK_DELETE}, ""}, "1_:34:56", 1, Leave::Tab},
};

// Reads the error box of a refused entry and closes it; the focus comes back.
void expectInvalidEntryBox(QuillcastSession& session, const IncompleteEntry& entry, const std::string& when) {
    HWND shown = nullptr;
    waitUntil([&] {
        const auto boxes = messageBoxesOf(session.program().processId());
        shown = boxes.empty() ? nullptr : boxes.front();
        return shown && IsWindowVisible(shown);
    }, "the error box on leaving an incomplete entry " + when);
    const ErrorBox box = readErrorBox(shown);
    checkEqual(box.caption, std::string("Quill Cast"), "caption of the error box");
    checkEqual(box.text, kInvalidEntryText, "text of the error box");
    check(box.owner == session.applicationWindow(), "the error box is owned by the application window");
    checkEqual(box.buttons.size(), std::size_t{1}, "buttons of the error box");
    checkEqual(messageBoxesOf(session.program().processId()).size(), std::size_t{1}, "error boxes on the screen");
    pressOk(box);
    session.waitForFocus("timeSet");
    checkEqual(timeSetDisplay(session), std::string(entry.display), "timeSet after the error box");
    waitForValue([&] { return selectionText(session); }, caretAt(entry.firstEmptyRequired),
                 "the caret on the first empty required position");
}

void startIncompleteEntry(QuillcastSession& session, const IncompleteEntry& entry) {
    waitForFirstTick(session);
    focusTimeSetAtStart(session);
    enterKeys(session, entry.keys);
    waitForValue([&] { return timeSetDisplay(session); }, std::string(entry.display), "timeSet after the keys");
    leaveTimeSet(session, entry.leave, 0);
    expectInvalidEntryBox(session, entry, "the first time");
}

void checkIncompleteEntryRefused(CaseContext& context, const IncompleteEntry& entry) {
    QuillcastSession session(context);
    startIncompleteEntry(session, entry);
    // The entry stays as typed and still incomplete: leaving again is refused again.
    leaveTimeSet(session, entry.leave, 1);
    expectInvalidEntryBox(session, entry, "again after the first refusal");
}

// Escape after the refusal abandons the whole edit since the field first got the
// focus; the field can then be left freely.
void checkEscapeAfterRefusal(CaseContext& context) {
    const IncompleteEntry& entry = kIncompleteEntries[0];
    QuillcastSession session(context);
    startIncompleteEntry(session, entry);
    session.press(VK_ESCAPE);
    waitForValue([&] { return timeSetDisplay(session); }, kEmptyDisplay, "timeSet after Escape");
    checkEqual(timeSetText(session), std::string("  :  :  "), "timeSet's Text after Escape");
    session.press(VK_TAB);
    session.waitForFocus("IPwhere");
    // Posted work is handled before input: once a key typed now has reached IPwhere,
    // any check of the entry that leaving started is done.
    bringToFront(session.form());
    typeText("Z");
    waitForValue([&] { return controlText(session.controlWindow("IPwhere")); }, std::string("Z"),
                 "a key typed into IPwhere after leaving timeSet");
    checkEqual(messageBoxesOf(session.program().processId()).size(), std::size_t{0},
               "error boxes after leaving an abandoned entry");
}

// Escape returns the field to what it showed when it got the focus, not to empty.
void checkEscapeRestoresTextAtFocus(CaseContext& context) {
    QuillcastSession session(context);
    waitForFirstTick(session);
    focusTimeSetAtStart(session);
    typeIntoTimeSet(session, "123456", "12:34:56");
    session.press(VK_TAB);
    focusTimeSetBackFromReceiver(session);
    typeIntoTimeSet(session, "9", "92:34:56");
    session.press(VK_DELETE);
    waitForValue([&] { return timeSetDisplay(session); }, std::string("9_:34:56"), "timeSet after Delete");
    session.press(VK_ESCAPE);
    waitForValue([&] { return timeSetDisplay(session); }, std::string("12:34:56"), "timeSet after Escape");
    checkEqual(timeSetText(session), std::string("12:34:56"), "timeSet's Text after Escape");
    session.waitForFocus("timeSet");
}

// Keys the mask refuses leave text and caret alone; the separator jumps past the
// next separator without writing.
void checkKeysTheMaskRefuses(CaseContext& context) {
    QuillcastSession session(context);
    waitForFirstTick(session);
    focusTimeSetAtStart(session);
    typeIntoTimeSet(session, "1", "1_:__:__");
    for (const char* refused : {"a", "-", " ", "_", "."}) {
        typeText(refused);
        // A digit typed after it shows where the caret was: right after the "1".
        typeText("7");
        waitForValue([&] { return timeSetDisplay(session); }, std::string("17:__:__"),
                     "timeSet after " + show(refused) + " then 7");
        checkEqual(selectionText(session), caretAt(3), "caret after " + show(refused) + " then 7");
        session.press(VK_BACK);
        waitForValue([&] { return timeSetDisplay(session); }, std::string("1_:__:__"), "timeSet after Backspace");
    }
    typeText(":");
    typeText("5");
    waitForValue([&] { return timeSetDisplay(session); }, std::string("1_:5_:__"), "timeSet after \":\" then 5");
    checkEqual(timeSetText(session), std::string("1 :5 :  "), "timeSet's Text");
}

struct AcceptedEntry {
    const char* name;
    Keys keys;
    const char* display;
    const char* text;
};

const AcceptedEntry kAcceptedEntries[] = {
    {"hour_24", {"240000", {}, ""}, "24:00:00", "24:00:00"},
    {"all_nines", {"999999", {}, ""}, "99:99:99", "99:99:99"},
    {"hour_tens_empty", {"", {VK_RIGHT}, "93000"}, "_9:30:00", " 9:30:00"},
};

// Entries that are no time of day, or lack only the optional hour tens, are left freely.
void checkEntryAccepted(CaseContext& context, const AcceptedEntry& entry) {
    QuillcastSession session(context);
    waitForFirstTick(session);
    focusTimeSetAtStart(session);
    enterKeys(session, entry.keys);
    waitForValue([&] { return timeSetDisplay(session); }, std::string(entry.display), "timeSet after the keys");
    session.press(VK_TAB);
    session.waitForFocus("IPwhere");
    bringToFront(session.form());
    typeText("Z");
    waitForValue([&] { return controlText(session.controlWindow("IPwhere")); }, std::string("Z"),
                 "a key typed into IPwhere after leaving timeSet");
    checkEqual(messageBoxesOf(session.program().processId()).size(), std::size_t{0},
               "error boxes after leaving " + show(entry.display));
    checkEqual(timeSetDisplay(session), std::string(entry.display), "timeSet after leaving it");
    checkEqual(timeSetText(session), std::string(entry.text), "timeSet's Text");
}

// ---- a change of the regional settings while the program runs ----

const LocaleChoice kColonsThenDots{"colons", twentyFourHourLines(':'), ':'};

// WM_WININICHANGE to `target` after the file has changed its separator from ":" to
// ".": timeNow takes "." from the next tick, timeSet's Text at once while its display
// keeps ":", and an armed schedule still fires in its second.
void checkSettingsReread(CaseContext& context, bool toApplicationWindow) {
    ClockSession run(context, kColonsThenDots);
    QuillcastSession& session = *run;
    waitForFirstTick(session);
    const long long target = typeScheduleAhead(run, 5);
    setArmed(session, true);

    run.file().rewrite(twentyFourHourLines('.'));
    HWND receiver = toApplicationWindow ? session.applicationWindow() : session.form();
    static const char kSection[] = "intl";
    sendWithTimeout(receiver, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(kSection));
    const std::string atChange = timeNowText(session);

    checkEqual(timeSetDisplay(session), maskTime(target, ':'), "timeSet's display after the change");

    static const LocaleChoice dots{"dots", twentyFourHourLines('.'), '.'};
    std::string next;
    ClockReading seenAt;
    waitUntil([&] {
        next = timeNowText(session);
        seenAt = readLocalClock();
        return next != atChange;
    }, "the first tick after the change", Milliseconds(2500));
    if (next != expectedTimeText(dots, seenAt.second) && next != expectedTimeText(dots, seenAt.second - 1))
        fail("timeNow at the first tick after the change is " + show(next) + " at " + describeClock(seenAt) +
             ", expected " + show(expectedTimeText(dots, seenAt.second)));
    checkStillBefore(target, "changing the settings");

    const SendSeen seen = watchForScheduledSend(run, context, target);
    checkEqual(maskTime(seen.at.second, ':'), maskTime(target, ':'),
               "the second in which net was started (seen at " + describeClock(seen.at) + ")");
    checkEqual(seen.timeNowText, maskTime(target, '.'), "timeNow when the schedule sent");
    waitForTickOf(session, dots, target + 2);
    checkEqual(session.settledNetRecords(1).size(), std::size_t{1}, "net starts for one scheduled second");
    checkEqual(timeSetDisplay(session), maskTime(target, ':'), "timeSet's display at the end");
    checkEqual(timeSetText(session), maskTime(target, '.'), "timeSet's Text at the end");
}

const LocaleChoice kScheduleLocales[] = {
    {"system_12_hour", {}, ':'},
    {"24_hour_leading_zero", twentyFourHourLines(':'), ':'},
    {"24_hour_dot_separator", twentyFourHourLines('.'), '.'},
};

}  // namespace

std::vector<TestCase> scheduleCases() {
    std::vector<TestCase> cases;
    cases.push_back({"clock.follows_the_seconds", checkClockFollowsTheSeconds});
    for (const LocaleChoice& locale : kScheduleLocales)
        cases.push_back({std::string("schedule.fires_once.") + locale.name,
                         [&locale](CaseContext& c) { checkScheduleFires(c, locale); }});
    cases.push_back({"schedule.unchecked_sends_nothing", checkUncheckedSendsNothing});
    for (const IncompleteEntry& entry : kIncompleteEntries)
        cases.push_back({std::string("time_entry.incomplete_refused.") + entry.name,
                         [&entry](CaseContext& c) { checkIncompleteEntryRefused(c, entry); }});
    cases.push_back({"time_entry.escape_after_refusal_abandons_edit", checkEscapeAfterRefusal});
    cases.push_back({"time_entry.escape_restores_text_at_focus", checkEscapeRestoresTextAtFocus});
    cases.push_back({"time_entry.refused_keys_change_nothing", checkKeysTheMaskRefuses});
    for (const AcceptedEntry& entry : kAcceptedEntries)
        cases.push_back({std::string("time_entry.accepted_on_leaving.") + entry.name,
                         [&entry](CaseContext& c) { checkEntryAccepted(c, entry); }});
    cases.push_back({"locale.reread_on_change.application_window", [](CaseContext& c) { checkSettingsReread(c, true); }});
    cases.push_back({"locale.reread_on_change.main_form", [](CaseContext& c) { checkSettingsReread(c, false); }});
    return cases;
}

}  // namespace e2e
