// Figures of the About box in the test build of the program: the time from a click on
// About to the box on the screen (its opening animation included), and what repeated
// openings and closings leave behind: the program's own count of live handles and
// GDI/USER objects, and its committed memory. Prints figures; never fails on them.
//
//   about_bench.exe [TIMED_OPENINGS] [LEAK_OPENINGS]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/component_query_protocol.h"

namespace {

constexpr char kBoxClass[] = "TAboutBox";

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

template <class Condition>
bool WaitFor(Condition condition, double timeoutMs = 10000) {
    const double deadline = NowMs() + timeoutMs;
    while (!condition()) {
        if (NowMs() > deadline) return false;
        Sleep(1);  // not a spin: the program under test needs the processor
    }
    return true;
}

std::string Folder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file(path, length);
    return file.substr(0, file.find_last_of("\\/") + 1);
}

struct Program {
    PROCESS_INFORMATION info{};
    bool started = false;
    ~Program() {
        if (!started) return;
        TerminateProcess(info.hProcess, 0);
        WaitForSingleObject(info.hProcess, 5000);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
};

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

// ---- the form's inspection: "Key=Value" lines sent back to a window of ours ----

class Inspector {
public:
    Inspector() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &Inspector::Proc;
        windowClass.lpszClassName = "AboutBenchReply";
        RegisterClassA(&windowClass);
        window_ = CreateWindowA("AboutBenchReply", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Inspector() { DestroyWindow(window_); }

    long Number(HWND form, const std::string& component, const std::string& key) {
        reply_.clear();
        COPYDATASTRUCT request{quillcast::kInspectRequest, static_cast<DWORD>(component.size()),
                               const_cast<char*>(component.data())};
        DWORD_PTR answered = 0;
        SendMessageTimeoutA(form, WM_COPYDATA, reinterpret_cast<WPARAM>(window_), reinterpret_cast<LPARAM>(&request),
                            SMTO_NORMAL | SMTO_ABORTIFHUNG, 5000, &answered);
        const std::string needle = "\n" + key + "=";
        const std::string text = "\n" + reply_;
        const auto at = text.find(needle);
        return at == std::string::npos ? -1 : std::strtol(text.c_str() + at + needle.size(), nullptr, 10);
    }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COPYDATA) {
            auto* self = reinterpret_cast<Inspector*>(GetWindowLongPtrA(window, GWLP_USERDATA));
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (self && data->dwData == quillcast::kInspectReply)
                self->reply_.assign(static_cast<const char*>(data->lpData), data->cbData);
            return TRUE;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    std::string reply_;
};

// ---- real input ----

void MoveMouse(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = (screen.x * 65536 + width - 1) / width;
    input.mi.dy = (screen.y * 65536 + height - 1) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    WaitFor([&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
    });
}

void Click() {
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof inputs[0]);
}

SIZE_T Committed(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    return counters.PagefileUsage;
}

struct Counts {
    long kernel, gdi, user;
    SIZE_T committedKib;
};

class AboutBench {
public:
    AboutBench(Program& program, HWND form, Inspector& inspector)
        : program_(program), form_(form), inspector_(inspector) {
        const long left = inspector.Number(form, "SpeedButton2", "Left");
        const long top = inspector.Number(form, "SpeedButton2", "Top");
        button_ = POINT{left + inspector.Number(form, "SpeedButton2", "Width") / 2,
                        top + inspector.Number(form, "SpeedButton2", "Height") / 2};
        ClientToScreen(form, &button_);
    }

    // One opening by a click; returns the milliseconds until the box was shown and
    // had handled its first messages, or a negative value when it never came.
    double OpenAndClose() {
        if (GetForegroundWindow() != form_) {
            SetForegroundWindow(form_);
            WaitFor([&] { return GetForegroundWindow() == form_; }, 2000);
        }
        MoveMouse(button_);
        const double start = NowMs();
        Click();
        HWND box = nullptr;
        if (!WaitFor([&] { return (box = FindVisible(program_.info.dwProcessId, kBoxClass)) != nullptr; }))
            return -1;
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(box, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
        const double shown = NowMs() - start;
        PostMessageA(box, WM_CLOSE, 0, 0);
        WaitFor([&] { return !IsWindow(box) && IsWindowEnabled(form_); });
        return shown;
    }

    Counts Now() {
        // Let the program finish what the closing started before counting.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(form_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
        return {inspector_.Number(form_, "frmMain", "LiveKernel"), inspector_.Number(form_, "frmMain", "LiveGdi"),
                inspector_.Number(form_, "frmMain", "LiveUser"), Committed(program_.info.hProcess) / 1024};
    }

private:
    Program& program_;
    HWND form_;
    Inspector& inspector_;
    POINT button_{};
};

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * static_cast<double>(values.size())))];
}

void PrintCounts(const char* label, const Counts& counts) {
    std::printf("  %-22s live kernel %3ld   live GDI %3ld   live USER %3ld   committed %7zu KiB\n", label,
                counts.kernel, counts.gdi, counts.user, counts.committedKib);
}

}  // namespace

int main(int argc, char** argv) {
    const int timedOpenings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const int leakOpenings = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;

    Program program;
    std::string exe = Folder() + "quillcast-testhooks.exe";
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    program.started = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     Folder().c_str(), &startup, &program.info) != FALSE;
    if (!program.started) {
        std::printf("cannot start %s\n", exe.c_str());
        return 1;
    }
    WaitForInputIdle(program.info.hProcess, 20000);
    HWND form = nullptr;
    if (!WaitFor([&] { return (form = FindVisible(program.info.dwProcessId, "TfrmMain")) != nullptr; }, 20000)) {
        std::printf("the main window never appeared\n");
        return 1;
    }
    Inspector inspector;
    if (inspector.Number(form, "frmMain", "LiveGdi") < 0) {
        std::printf("the program reports no live-object counts: is it the test build?\n");
        return 1;
    }
    AboutBench bench(program, form, inspector);

    std::vector<double> shown;
    for (int i = 0; i < timedOpenings; ++i) {
        const double ms = bench.OpenAndClose();
        if (ms >= 0) shown.push_back(ms);
    }
    std::printf("about_click_to_box_shown_ms   median %6.1f   p90 %6.1f   min %6.1f   max %6.1f   [%zu of %d openings]\n",
                Percentile(shown, 0.5), Percentile(shown, 0.9), Percentile(shown, 0.0), Percentile(shown, 1.0),
                shown.size(), timedOpenings);

    // The first openings make what lives for the program's life (the window class, the
    // system's caches): counted from after them.
    const Counts before = bench.Now();
    std::printf("about_open_close_cycles       %d openings and closings, counted every 50\n", leakOpenings);
    PrintCounts("before:", before);
    int made = 0;
    Counts after = before;
    for (int i = 1; i <= leakOpenings; ++i) {
        made += bench.OpenAndClose() >= 0 ? 1 : 0;
        if (i % 50 == 0 || i == leakOpenings) {
            after = bench.Now();
            char label[32];
            std::snprintf(label, sizeof label, "after %d:", i);
            PrintCounts(label, after);
        }
    }
    std::printf("  change over %d of %d made  live kernel %+ld   live GDI %+ld   live USER %+ld   committed %+lld KiB\n",
                made, leakOpenings, after.kernel - before.kernel, after.gdi - before.gdi, after.user - before.user,
                static_cast<long long>(after.committedKib) - static_cast<long long>(before.committedKib));
    return 0;
}
