// Robustness through the real window: oversized and hostile input, an exception
// thrown inside a handler, and DLLs planted beside the executable. Whatever comes in,
// the program must keep running, keep answering, keep what the fields were given,
// and either send exactly that or send nothing and still send the next time.
#include <windows.h>

#include <cstring>
#include <memory>
#include <utility>
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

const std::string kInitialReceiver = "IP of reciver";
const std::string kInitialMessage = "Message";
constexpr Milliseconds kLongWait{60000};

std::string sendParameters(const std::string& receiver, const std::string& message) {
    return "send " + receiver + " " + message;
}

// Text whose every stretch is different, so that a cut or a shifted copy shows.
std::string patternedText(std::size_t size) {
    std::string text;
    for (std::size_t i = 0; text.size() < size; ++i) text += "piece" + std::to_string(i) + ";";
    text.resize(size);
    return text;
}

std::string describeLength(const std::string& text) { return show(text.size()) + " bytes"; }

// Puts `bytes` on the clipboard as CF_TEXT, as another program's copy would.
void putOnClipboard(const std::string& bytes) {
    if (bytes.find('\0') != std::string::npos) fail("CF_TEXT cannot hold a zero byte");
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    if (!memory) fail("GlobalAlloc failed for " + describeLength(bytes));
    char* target = static_cast<char*>(GlobalLock(memory));
    std::memcpy(target, bytes.data(), bytes.size());
    target[bytes.size()] = '\0';
    GlobalUnlock(memory);
    waitUntil([] { return OpenClipboard(nullptr) != FALSE; }, "the clipboard to open");
    EmptyClipboard();
    const bool stored = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!stored) {
        GlobalFree(memory);
        fail("SetClipboardData failed (error " + show(GetLastError()) + ")");
    }
}

void checkRunning(QuillcastSession& session, const std::string& after) {
    if (session.program().hasExited()) {
        DWORD code = 0;
        GetExitCodeProcess(session.program().process(), &code);
        fail("the program ended (exit code " + show(code) + ") after " + after);
    }
    sendWithTimeout(session.form(), WM_NULL, 0, 0);
}

void checkNoBoxes(QuillcastSession& session, const std::string& after) {
    for (HWND box : messageBoxesOf(session.program().processId()))
        if (IsWindowVisible(box)) fail("a box appeared after " + after + ": " + show(readErrorBox(box).text));
}

// The program still sends: fresh texts, a click on Send Message, and a record with them.
void checkStillSends(QuillcastSession& session, std::size_t recordsBefore) {
    setControlText(session.controlWindow("IPwhere"), "pc7");
    setControlText(session.controlWindow("messageText"), "still here");
    session.clickComponent("sendMsg");
    const auto records = session.settledNetRecordsWith(expectedNetCommandLine(sendParameters("pc7", "still here")));
    checkEqual(records.size(), recordsBefore + 1, "net starts after the follow-up send");
}

// Enter in messageText, then Tab: once the focus has left, the Enter has been handled.
void pressEnterInMessageAndLeave(QuillcastSession& session) {
    session.clickComponent("messageText");
    session.waitForFocus("messageText");
    session.press(VK_RETURN);
    session.press(VK_TAB);
    HWND messageField = session.controlWindow("messageText");
    waitUntil([&] { return session.program().hasExited() || session.program().focus() != messageField; },
              "Tab to move the focus on after Enter", kLongWait);
    checkRunning(session, "Enter in messageText");
}

// ---- oversized texts ----

enum class Delivery { SetText, Paste };

struct OversizedInput {
    const char* name;
    const char* field;  // IPwhere or messageText
    std::size_t size;
    Delivery delivery;
};

// Under Wine a message from another process carries at most about a million bytes of
// text: a WM_SETTEXT of 1 MiB cannot arrive whole, whatever the program does. The
// paste brings the same text in through the clipboard, as a user would.
const OversizedInput kOversizedInputs[] = {
    {"one_mib_message_by_settext", "messageText", 1 << 20, Delivery::SetText},
    {"one_mib_message_by_paste", "messageText", 1 << 20, Delivery::Paste},
    {"ten_thousand_character_receiver", "IPwhere", 10000, Delivery::SetText},
};

// Gives the field `text`; returns what the field should hold afterwards. A WM_SETTEXT
// that the system cannot carry over to the program may fail in transit: the field
// then keeps its old text, and the program must live on all the same.
std::string deliver(QuillcastSession& session, const OversizedInput& input, const std::string& text) {
    HWND field = session.controlWindow(input.field);
    if (input.delivery == Delivery::SetText) {
        const std::string before = controlText(field);
        DWORD_PTR result = 0;
        const bool arrived = SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                                 SMTO_NORMAL, 20000, &result) != FALSE;
        checkRunning(session, "a WM_SETTEXT of " + describeLength(text) + " to " + input.field);
        return arrived && result ? text : before;
    }
    setControlText(field, "");
    putOnClipboard(text);
    session.clickComponent(input.field);
    session.waitForFocus(input.field);
    session.press('V', {VK_CONTROL});
    waitUntil([&] {
        return session.program().hasExited() ||
               static_cast<std::size_t>(sendWithTimeout(field, WM_GETTEXTLENGTH, 0, 0)) >= text.size();
    }, "the paste of " + describeLength(text) + " into " + input.field, kLongWait);
    checkRunning(session, "pasting " + describeLength(text) + " into " + input.field);
    return text;
}

void checkOversizedInput(CaseContext& context, const OversizedInput& input) {
    QuillcastSession session(context);
    const std::string text = patternedText(input.size);
    const std::string kept = deliver(session, input, text);
    const bool toReceiver = std::string(input.field) == "IPwhere";
    const std::string receiver = toReceiver ? kept : kInitialReceiver;
    const std::string message = toReceiver ? kInitialMessage : kept;

    const auto checkFields = [&](const std::string& when) {
        const std::string receiverNow = controlText(session.controlWindow("IPwhere"));
        const std::string messageNow = controlText(session.controlWindow("messageText"));
        check(receiverNow == receiver, "IPwhere " + when + ": " + describeLength(receiverNow) + " " + show(receiverNow) +
                                           ", expected " + describeLength(receiver));
        check(messageNow == message, "messageText " + when + ": " + describeLength(messageNow) + " " + show(messageNow) +
                                         ", expected " + describeLength(message));
    };
    checkFields("before the send");

    pressEnterInMessageAndLeave(session);
    checkFields("after the send");
    waitForStubsToFinish();
    const auto records = readNetRecords(context.netLog());
    const std::string expected = expectedNetCommandLine(sendParameters(receiver, message));
    if (records.size() > 1) fail(show(records.size()) + " net starts for one Enter");
    if (records.size() == 1) {
        const std::string& got = records[0];
        if (got != expected) {
            const bool cut = got.size() < expected.size() && expected.compare(0, got.size(), got) == 0;
            fail(std::string("net was started with ") + (cut ? "the command line cut short: " : "another command line: ") +
                 describeLength(got) + " of the " + describeLength(expected) + " of \"net\" send <receiver> <message>");
        }
    } else {
        // Refused by the shell: silently, and the failure is on record.
        checkNoBoxes(session, "a send that the shell refused");
        check(session.component("RS").text("LastError") != "0",
              "nothing was started for " + describeLength(expected) + " of command line, yet the launcher reports no error");
    }
    checkNoBoxes(session, "the send");
    checkStillSends(session, records.size());
    session.exitNormally();
}

// ---- pasted control characters and bytes above 0x7F ----

std::string allBytesExcept(char left) {
    std::string bytes;
    for (int c = 1; c < 256; ++c)
        if (static_cast<char>(c) != left) bytes += static_cast<char>(c);
    return bytes;
}

// What the edits keep of a paste under Wine: everything before the first line feed,
// byte for byte, less one carriage return right before that line feed; any other
// carriage return, tabs, other control characters and bytes above 0x7F all stay. The
// time field reads the whole clipboard itself and types its digits.
struct HostilePaste {
    const char* name;
    std::string clipboard;
    std::string editKeeps;
    const char* timeSetShows;  // nullptr: the paste is refused and the field stays empty
};

const HostilePaste kHostilePastes[] = {
    {"every_byte_but_line_feed", allBytesExcept('\n'), allBytesExcept('\n'), "01:23:45"},
    {"line_feed_ends_the_edit_text", "x\x01\x7F\x80\x9D\xFF\t\rmid\r\n12\r34:56", "x\x01\x7F\x80\x9D\xFF\t\rmid", "12:34:56"},
    {"lone_line_feed", "left\nright 235959", "left", "23:59:59"},
    {"edit_commands_as_bytes", "\x1B\x08\x03\x16\x18\x1A\x7F\xA0\xFF", "\x1B\x08\x03\x16\x18\x1A\x7F\xA0\xFF", nullptr},
};

// Eight characters: digits or blanks ('_') with ':' at 2 and 5.
bool fitsTimePattern(const std::string& display) {
    if (display.size() != 8) return false;
    for (std::size_t i = 0; i < display.size(); ++i) {
        const char c = display[i];
        if (i == 2 || i == 5 ? c != ':' : !(c == '_' || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

void pasteIntoTimeSet(QuillcastSession& session, const HostilePaste& paste) {
    HWND field = session.controlWindow("timeSet");
    session.clickComponent("timeSet");
    session.waitForFocus("timeSet");
    session.press(VK_HOME);
    waitUntil([&] { return session.selection("timeSet") == std::pair<DWORD, DWORD>{0, 0}; }, "the caret at the start of timeSet");
    putOnClipboard(paste.clipboard);
    session.press('V', {VK_CONTROL});
    if (paste.timeSetShows) {
        waitForValue([&] { return controlText(field); }, std::string(paste.timeSetShows), "timeSet after the paste");
    } else {
        // A digit typed afterwards lands at the start: the refused paste moved nothing.
        typeText("7");
        waitForValue([&] { return controlText(field); }, std::string("7_:__:__"), "timeSet after the paste, then 7");
        // Escape abandons the edit, so that leaving the field checks nothing.
        session.press(VK_ESCAPE);
        waitForValue([&] { return controlText(field); }, std::string("__:__:__"), "timeSet after Escape");
    }
    checkRunning(session, "pasting into timeSet");
}

void pasteIntoEdit(QuillcastSession& session, const char* name, const HostilePaste& paste) {
    HWND field = session.controlWindow(name);
    setControlText(field, "");
    putOnClipboard(paste.clipboard);
    session.clickComponent(name);
    session.waitForFocus(name);
    session.press('V', {VK_CONTROL});
    waitForValue([&] { return controlText(field); }, paste.editKeeps, std::string(name) + " after the paste");
    checkRunning(session, std::string("pasting into ") + name);
}

void checkHostilePaste(CaseContext& context, const HostilePaste& paste) {
    QuillcastSession session(context);
    pasteIntoTimeSet(session, paste);
    pasteIntoEdit(session, "IPwhere", paste);
    pasteIntoEdit(session, "messageText", paste);

    const std::string display = controlText(session.controlWindow("timeSet"));
    check(fitsTimePattern(display), "timeSet shows " + show(display) + ", not 8 characters of the pattern __:__:__");

    // The texts travel on as they are: Enter sends them byte for byte.
    session.press(VK_RETURN);
    const auto records = session.settledNetRecords(1);
    checkEqual(records.size(), std::size_t{1}, "net starts for one Enter");
    checkEqual(records[0], expectedNetCommandLine(sendParameters(paste.editKeeps, paste.editKeeps)), "net command line");
    checkEqual(controlText(session.controlWindow("IPwhere")), paste.editKeeps, "IPwhere after the send");
    checkEqual(controlText(session.controlWindow("messageText")), paste.editKeeps, "messageText after the send");
    checkEqual(controlText(session.controlWindow("timeSet")), display, "timeSet after the send");
    checkNoBoxes(session, "the pastes and the send");
    // The field's Text is its display with blanks as spaces.
    std::string text = display;
    for (char& c : text)
        if (c == '_') c = ' ';
    checkEqual(session.component("timeSet").text("Text"), text, "timeSet's Text (display " + show(display) + ")");
    session.exitNormally();
}

// ---- an exception inside the send handler, reached by Enter and by a click ----

// The windowed control after `name` in the tab order.
HWND nextInTabOrder(QuillcastSession& session, const std::string& name) {
    const long order = session.component(name).number("TabOrder");
    for (const char* other : {"IPwhere", "messageText", "dateArrif", "timeNow", "timeSet"})
        if (session.component(other).number("TabOrder") == order + 1) return session.controlWindow(other);
    fail("no control follows " + name + " in the tab order");
}

// Exactly one box "Boom." for one failing send, and the program goes on afterwards.
void checkOneBoxThenGoesOn(QuillcastSession& session, const std::string& route) {
    const ErrorBox box = waitForErrorBox(session.program());
    checkEqual(box.caption, std::string("Quill Cast"), "caption of the error box (" + route + ")");
    checkEqual(box.text, std::string("Boom."), "text of the error box (" + route + ")");
    checkEqual(box.owner, session.applicationWindow(), "owner of the error box (" + route + ")");
    checkEqual(messageBoxesOf(session.program().processId()).size(), std::size_t{1}, "boxes open (" + route + ")");
    pressOk(box);
    waitUntil([&] { return IsWindowEnabled(session.form()) != FALSE; }, "the main window to be enabled again");
    checkRunning(session, "OK in the error box (" + route + ")");
}

void checkTabMovesOn(QuillcastSession& session, const std::string& from) {
    session.waitForFocus(from);
    HWND next = nextInTabOrder(session, from);
    session.press(VK_TAB);
    waitUntil([&] { return session.program().focus() == next; }, "Tab to move the focus from " + from);
}

void checkHandlerException(CaseContext& context) {
    QuillcastSession session(context, LaunchOptions{kTestHooks, SW_SHOWNORMAL, "click:Boom"});
    const DWORD pid = session.program().processId();

    // Enter in messageText runs the handler from inside the edit's key handling.
    session.clickComponent("messageText");
    session.waitForFocus("messageText");
    session.press(VK_RETURN);
    checkOneBoxThenGoesOn(session, "Enter");
    // Tab is handled after anything the Enter could still have started: a second box
    // would be up by the time the focus has moved.
    checkTabMovesOn(session, "messageText");
    checkEqual(messageBoxesOf(pid).size(), std::size_t{0}, "boxes after the first error and a Tab");

    session.clickComponent("sendMsg");
    checkOneBoxThenGoesOn(session, "click");
    checkTabMovesOn(session, "dateArrif");
    checkEqual(messageBoxesOf(pid).size(), std::size_t{0}, "boxes after the second error and a Tab");
    checkEqual(controlText(session.controlWindow("IPwhere")), kInitialReceiver, "IPwhere after the errors");
    checkEqual(controlText(session.controlWindow("messageText")), kInitialMessage, "messageText after the errors");
    session.exitNormally();
    waitForStubsToFinish();
    checkEqual(readNetRecords(context.netLog()).size(), std::size_t{0}, "net starts when every send fails before launching");
}

// ---- a DLL planted beside the executable ----

// What the program must not do with a planted copy.
enum class Forbidden {
    AnyLoad,     // load it at all
    StaticLoad,  // take it for an import as it starts, before its own code can restrict the search
};

struct PlantedDll {
    const char* name;
    const char* fileName;
    const char* loadOrder;  // Wine's load order for the name; empty: Wine's default
    Forbidden forbidden;
};

// Wine prefers its own built-in copy of most system DLLs even when a file of that
// name lies in the program's folder; "native,builtin" makes it take a file found on
// the search path first, as Windows always does.
//
// msimg32.dll: imported by the program, and not one of the DLLs that Windows always
// takes from the system folder. Only an import is the program's doing here: under
// Wine, uxtheme (loaded by user32 in every GUI process) loads msimg32 later, on
// demand, through a path that ignores the restricted search, where Windows keeps to it.
// dwmapi.dll: taken from the program's folder even by Wine's default order, and loaded
// by nothing the program does: it must stay out altogether.
const PlantedDll kPlantedDlls[] = {
    {"msimg32_imported", "msimg32.dll", "native,builtin", Forbidden::StaticLoad},
    {"dwmapi_default_order", "dwmapi.dll", "", Forbidden::AnyLoad},
};

void copyOrFail(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
        fail("cannot copy " + from + " to " + to + " (error " + show(GetLastError()) + ")");
}

// A folder of its own holding the program, the net stand-in, the control loader and
// the planted copy of the marker DLL; emptied again at the end.
class PlantFolder {
public:
    PlantFolder(const CaseContext& context, const PlantedDll& plant)
        : folder_(context.settings().programDir + "\\planted-" + plant.name), plant_(plant) {
        CreateDirectoryA(folder_.c_str(), nullptr);
        for (const char* program : {kProduct, "net.exe", "load_by_name.exe"}) {
            copyOrFail(context.programPath(program), folder_ + "\\" + program);
            files_.push_back(folder_ + "\\" + program);
        }
        copyOrFail(context.programPath("planted_marker.dll"), dllPath());
        files_.push_back(dllPath());
        clearRecords();
    }
    PlantFolder(const PlantFolder&) = delete;
    PlantFolder& operator=(const PlantFolder&) = delete;
    ~PlantFolder() {
        clearRecords();
        for (const auto& file : files_) DeleteFileA(file.c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    std::string programInFolder() const { return std::string("planted-") + plant_.name + "\\" + kProduct; }
    const std::string& folder() const { return folder_; }
    std::string dllPath() const { return folder_ + "\\" + plant_.fileName; }

    // The processes that loaded the planted copy, as "<pid> <executable>" lines.
    std::vector<std::string> loadRecords() const {
        std::vector<std::string> lines;
        HANDLE file = CreateFileA(recordPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return lines;
        std::string content;
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
        CloseHandle(file);
        for (std::size_t at = 0; at < content.size();) {
            const std::size_t end = content.find('\n', at);
            lines.push_back(content.substr(at, end == std::string::npos ? std::string::npos : end - at));
            at = end == std::string::npos ? content.size() : end + 1;
        }
        return lines;
    }
    // Whether the process loaded the planted copy: at all, or (staticOnly) as an import at start-up.
    bool loadedBy(DWORD processId, bool staticOnly = false) const {
        const std::string prefix = std::to_string(processId) + (staticOnly ? " static " : " ");
        for (const auto& line : loadRecords())
            if (line.compare(0, prefix.size(), prefix) == 0) return true;
        return false;
    }
    void clearRecords() const { DeleteFileA(recordPath().c_str()); }

private:
    std::string recordPath() const { return dllPath() + ".loaded"; }

    std::string folder_;
    const PlantedDll& plant_;
    std::vector<std::string> files_;
};

// A load order for one DLL in Wine's per-program settings of the Wine prefix, for the
// programs named, for the length of a scope. (WINEDLLOVERRIDES set by the driver
// does not reach the programs it starts: Wine reads it once, from the session.)
class LoadOrderSetting {
public:
    LoadOrderSetting(const std::string& dll, const std::string& order, std::vector<std::string> programs)
        : programs_(std::move(programs)) {
        for (const auto& program : programs_) {
            HKEY key = nullptr;
            if (RegCreateKeyExA(HKEY_CURRENT_USER, overridesKey(program).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                &key, nullptr) != ERROR_SUCCESS)
                fail("cannot create " + overridesKey(program));
            const LONG stored = RegSetValueExA(key, dll.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(order.c_str()),
                                               static_cast<DWORD>(order.size() + 1));
            RegCloseKey(key);
            if (stored != ERROR_SUCCESS) fail("cannot set the load order of " + dll + " for " + program);
        }
    }
    LoadOrderSetting(const LoadOrderSetting&) = delete;
    LoadOrderSetting& operator=(const LoadOrderSetting&) = delete;
    ~LoadOrderSetting() {
        for (const auto& program : programs_) RegDeleteTreeA(HKEY_CURRENT_USER, programKey(program).c_str());
    }

private:
    static std::string programKey(const std::string& program) { return "Software\\Wine\\AppDefaults\\" + program; }
    static std::string overridesKey(const std::string& program) { return programKey(program) + "\\DllOverrides"; }
    std::vector<std::string> programs_;
};

std::unique_ptr<LoadOrderSetting> loadOrderFor(const PlantedDll& plant) {
    if (!*plant.loadOrder) return nullptr;
    std::string dll = plant.fileName;
    dll.resize(dll.rfind('.'));
    return std::make_unique<LoadOrderSetting>(dll, plant.loadOrder, std::vector<std::string>{"load_by_name.exe", kProduct});
}

// Runs the control loader in the plant's folder; returns its process id and exit code.
std::pair<DWORD, DWORD> runLoader(const PlantFolder& folder, const PlantedDll& plant, bool safe) {
    const std::string path = folder.folder() + "\\load_by_name.exe";
    std::string commandLine = "\"" + path + "\" " + plant.fileName + (safe ? " --safe" : "");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        folder.folder().c_str(), &startup, &info))
        fail("cannot start " + path + " (error " + show(GetLastError()) + ")");
    const DWORD waited = WaitForSingleObject(info.hProcess, static_cast<DWORD>(kStartWait.count()));
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    if (waited != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 99);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    if (waited != WAIT_OBJECT_0) fail("the control loader did not end");
    return {info.dwProcessId, code};
}

void checkNotLoaded(const PlantFolder& folder, const PlantedDll& plant, QuillcastSession& session,
                    const std::string& during) {
    const bool staticOnly = plant.forbidden == Forbidden::StaticLoad;
    if (folder.loadedBy(session.program().processId(), staticOnly))
        fail(std::string("the program loaded the planted ") + folder.dllPath() + (staticOnly ? " for its imports" : "") +
             " during " + during);
}

void checkPlantedDll(CaseContext& context, const PlantedDll& plant) {
    PlantFolder folder(context, plant);
    const auto loadOrder = loadOrderFor(plant);

    // The plant works: a loader that leaves the search alone takes it...
    const auto [plainId, plainCode] = runLoader(folder, plant, false);
    checkEqual(plainCode, DWORD{0}, "exit code of the control loader");
    check(folder.loadedBy(plainId), std::string("the control loader did not take the planted ") + plant.fileName +
                                        ", so this machine cannot show the difference");
    // ...and the same loader with the search restricted as the program does it does not.
    const auto [safeId, safeCode] = runLoader(folder, plant, true);
    checkEqual(safeCode, DWORD{0}, "exit code of the control loader with the safe search");
    check(!folder.loadedBy(safeId), std::string("the control loader took the planted ") + plant.fileName +
                                        " even with the search restricted to the system folder");
    folder.clearRecords();

    QuillcastSession session(context, LaunchOptions{folder.programInFolder(), SW_SHOWNORMAL, ""});
    checkNotLoaded(folder, plant, session, "start-up");

    session.clickComponent("sendMsg");
    const auto records = session.settledNetRecords(1);
    checkEqual(records.size(), std::size_t{1}, "net starts for one send");
    checkEqual(records[0], expectedNetCommandLine(sendParameters(kInitialReceiver, kInitialMessage)), "net command line");
    checkNotLoaded(folder, plant, session, "a send");

    session.clickComponent("SpeedButton2");
    HWND box = nullptr;
    waitUntil([&] { return (box = findTopLevel(session.program().processId(), "TAboutBox")) && IsWindowVisible(box); },
              "the About box");
    waitUntil([&] { return session.program().activeWindow() == box; }, "the About box to become active");
    pressKey(VK_ESCAPE);
    waitUntil([&] { return !IsWindow(box); }, "the About box to close on Escape");
    checkNotLoaded(folder, plant, session, "the About box");

    session.exitNormally();
    checkNotLoaded(folder, plant, session, "closing");
}

}  // namespace

std::vector<TestCase> robustnessCases() {
    std::vector<TestCase> cases;
    for (const OversizedInput& input : kOversizedInputs)
        cases.push_back({std::string("hostile.") + input.name, [&input](CaseContext& c) { checkOversizedInput(c, input); }});
    for (const HostilePaste& paste : kHostilePastes)
        cases.push_back({std::string("hostile.paste.") + paste.name, [&paste](CaseContext& c) { checkHostilePaste(c, paste); }});
    cases.push_back({"hostile.handler_exception_one_box_then_goes_on", checkHandlerException});
    for (const PlantedDll& plant : kPlantedDlls)
        cases.push_back({std::string("security.planted_dll.") + plant.name, [&plant](CaseContext& c) { checkPlantedDll(c, plant); }});
    return cases;
}

}  // namespace e2e
