#include "program.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "case_context.h"
#include "screenshot.h"
#include "windows_query.h"

namespace e2e {

namespace {

bool startsWithVariable(const std::string& entry, const std::string& variable) {
    if (entry.size() <= variable.size() || entry[variable.size()] != '=') return false;
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, entry.c_str(), static_cast<int>(variable.size()),
                          variable.c_str(), static_cast<int>(variable.size())) == CSTR_EQUAL;
}

}  // namespace

std::string childEnvironment(const std::string& netLog, const std::string& fault) {
    std::vector<std::string> entries;
    if (LPCH inherited = GetEnvironmentStringsA()) {
        for (const char* entry = inherited; *entry; entry += strlen(entry) + 1) {
            std::string text(entry);
            if (!startsWithVariable(text, "QC_NET_LOG") && !startsWithVariable(text, "QUILLCAST_FAULT"))
                entries.push_back(std::move(text));
        }
        FreeEnvironmentStringsA(inherited);
    }
    entries.push_back("QC_NET_LOG=" + netLog);
    if (!fault.empty()) entries.push_back("QUILLCAST_FAULT=" + fault);
    std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
        return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
    });
    std::string block;
    for (const auto& entry : entries) block += entry + '\0';
    return block + '\0';
}

Program::Program(const CaseContext& context, const LaunchOptions& options) : context_(context) {
    const std::string path = context.programPath(options.executable);
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) fail("program not found: " + path);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (options.showCommand) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = *options.showCommand;
    }
    std::string commandLine = "\"" + path + "\"";
    std::string environment = childEnvironment(context.netLog(), options.fault);
    // Wine on a busy machine now and then refuses a start with an internal error; the
    // program has not run at that point, so a second try is fair.
    DWORD error = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, environment.data(),
                           context.settings().programDir.c_str(), &startup, &info_))
            return;
        error = GetLastError();
        if (error != ERROR_INTERNAL_ERROR) break;
    }
    fail("CreateProcess failed for " + path + " (error " + show(error) + ")");
}

Program::~Program() {
    if (!hasExited()) {
        // Unwinding from a failed check: keep the screen as it was for the report.
        if (std::uncaught_exceptions() > 0 && !context_.settings().screenshotDir.empty())
            saveScreen(context_.settings().screenshotDir + "\\FAIL-" + context_.caseName() + ".bmp");
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Program::hasExited() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }

DWORD Program::waitForExit(Milliseconds timeout) {
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        fail("the program did not end within " + show(timeout.count()) + " ms");
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void Program::waitForInputIdle() {
    const DWORD result = WaitForInputIdle(info_.hProcess, static_cast<DWORD>(kStartWait.count()));
    if (result == WAIT_TIMEOUT) fail("the program never became idle for input");
    if (result == WAIT_FAILED && !hasExited()) fail("WaitForInputIdle failed (error " + show(GetLastError()) + ")");
}

HWND Program::applicationWindow() {
    HWND window = nullptr;
    waitUntil([&] {
        if (hasExited()) fail("the program ended while its application window was awaited");
        window = findTopLevel(processId(), "TApplication");
        return window != nullptr;
    }, "the application window (class TApplication)", kStartWait);
    return window;
}

HWND Program::mainForm() {
    HWND window = nullptr;
    waitUntil([&] {
        if (hasExited()) fail("the program ended while its main window was awaited");
        window = findTopLevel(processId(), "TfrmMain");
        return window != nullptr && IsWindowVisible(window);
    }, "the visible main window (class TfrmMain)", kStartWait);
    waitForInputIdle();
    return window;
}

HWND Program::focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId(), &info)) fail("GetGUIThreadInfo failed (error " + show(GetLastError()) + ")");
    return info.hwndFocus;
}

HWND Program::activeWindow() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId(), &info)) fail("GetGUIThreadInfo failed (error " + show(GetLastError()) + ")");
    return info.hwndActive;
}

}  // namespace e2e
