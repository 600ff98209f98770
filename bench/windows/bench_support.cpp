#include "bench/windows/bench_support.h"

#include <psapi.h>

#include <algorithm>
#include <cstdlib>

#include "toolkit/component_query_protocol.h"

namespace bench {

double NowMs() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / frequency;
}

std::string Folder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file(path, length);
    return file.substr(0, file.find_last_of("\\/") + 1);
}

HWND FindVisible(DWORD processId, const char* windowClass) {
    struct Search {
        DWORD processId;
        const char* windowClass;
        HWND found;
    } search{processId, windowClass, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (owner != s->processId || lstrcmpA(name, s->windowClass) != 0 || !IsWindowVisible(window)) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForVisible(DWORD processId, const char* windowClass, double timeoutMs) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindVisible(processId, windowClass)) != nullptr; }, timeoutMs);
    return found;
}

// ---- Process ----

Process::Process(const std::string& exe, const std::string& arguments) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    started_ = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, Folder().c_str(),
                              &startup, &info_) != FALSE;
}

Process::~Process() {
    if (!started_) return;
    if (window_) {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    if (Running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND Process::Window(const char* windowClass, double timeoutMs) {
    if (!started_) return nullptr;
    WaitForInputIdle(info_.hProcess, 20000);
    return window_ = WaitForVisible(info_.dwProcessId, windowClass, timeoutMs);
}

// ---- Inspector ----

namespace {
constexpr char kReplyClass[] = "BenchInspectReply";
}

Inspector::Inspector() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &Inspector::Proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kReplyClass;
    RegisterClassA(&windowClass);  // fails harmlessly for a second inspector: the class is there
    window_ = CreateWindowA(kReplyClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Inspector::~Inspector() { DestroyWindow(window_); }

LRESULT CALLBACK Inspector::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        auto* self = reinterpret_cast<Inspector*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (self && data->dwData == quillcast::kInspectReply)
            self->reply_.assign(static_cast<const char*>(data->lpData), data->cbData);
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::optional<std::string> Inspector::Text(HWND form, const std::string& component, const std::string& key) {
    reply_.clear();
    COPYDATASTRUCT request{quillcast::kInspectRequest, static_cast<DWORD>(component.size()),
                           const_cast<char*>(component.data())};
    DWORD_PTR answered = 0;
    if (!SendMessageTimeoutA(form, WM_COPYDATA, reinterpret_cast<WPARAM>(window_), reinterpret_cast<LPARAM>(&request),
                             SMTO_NORMAL | SMTO_ABORTIFHUNG, 5000, &answered))
        return std::nullopt;
    // Whole lines only: "Left=" must not match the end of another key.
    const std::string text = "\n" + reply_;
    const std::string needle = "\n" + key + "=";
    const auto at = text.find(needle);
    if (at == std::string::npos) return std::nullopt;
    const auto start = at + needle.size();
    return text.substr(start, text.find('\n', start) - start);
}

long Inspector::Number(HWND form, const std::string& component, const std::string& key, long missing) {
    const auto text = Text(form, component, key);
    return text ? std::strtol(text->c_str(), nullptr, 10) : missing;
}

HWND Inspector::Window(HWND form, const std::string& component) {
    const auto text = Text(form, component, "Hwnd");
    return text ? reinterpret_cast<HWND>(static_cast<INT_PTR>(std::strtoll(text->c_str(), nullptr, 10))) : nullptr;
}

// ---- memory ----

namespace {
PROCESS_MEMORY_COUNTERS MemoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    return counters;
}
}  // namespace

SIZE_T CommittedBytes(HANDLE process) { return MemoryOf(process).PagefileUsage; }
SIZE_T WorkingSetBytes(HANDLE process) { return MemoryOf(process).WorkingSetSize; }

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * static_cast<double>(values.size())))];
}

// ---- input ----

bool SendInputs(std::vector<INPUT> inputs) {
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

namespace {
// Absolute coordinates run 0..65535 across the screen; rounding up makes the
// system's mapping back (rounded down) land on the pixel.
INPUT MouseAt(POINT screen, DWORD flags) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65536 + width - 1) / width;
    input.mi.dy = (screen.y * 65536 + height - 1) / height;
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}
}  // namespace

bool MoveMouse(POINT screen, double timeoutMs) {
    const bool sent = SendInputs({MouseAt(screen, 0)});
    const bool arrived = WaitFor(
        [&] {
            POINT now{};
            GetCursorPos(&now);
            return now.x == screen.x && now.y == screen.y;
        },
        timeoutMs);
    return sent && arrived;
}

bool ClickLeft(POINT screen) {
    // The buttons carry the point too: under Wine a late pointer event of the X
    // server can still put the pointer back where it was before a move.
    return SendInputs({MouseAt(screen, MOUSEEVENTF_LEFTDOWN), MouseAt(screen, MOUSEEVENTF_LEFTUP)});
}

namespace {
INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}
}  // namespace

bool PressKey(WORD key) { return SendInputs({Key(key, false), Key(key, true)}); }

bool TypeKeys(const char* keys) {
    std::vector<INPUT> inputs;
    for (const char* c = keys; *c; ++c) {
        inputs.push_back(Key(static_cast<WORD>(*c), false));
        inputs.push_back(Key(static_cast<WORD>(*c), true));
    }
    return SendInputs(std::move(inputs));
}

bool BringToFront(HWND window, double timeoutMs) {
    if (GetForegroundWindow() == window) return true;
    SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window; }, timeoutMs);
}

}  // namespace bench
