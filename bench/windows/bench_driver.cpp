// Measures the program against bare Win32 baselines built the same way, side by
// side in one run: start-up to input-idle, a click's launch of `net`, working set,
// and what 1,000 sends leave behind. Prints figures; never fails on them.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "toolkit/component_query_protocol.h"

namespace {


double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string Folder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

struct Process {
    PROCESS_INFORMATION info{};
    bool ok = false;
    ~Process() {
        if (!ok) return;
        TerminateProcess(info.hProcess, 0);
        WaitForSingleObject(info.hProcess, 5000);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
};

bool Start(Process& process, const std::string& exe) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    std::string commandLine = "\"" + exe + "\"";
    process.ok = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                Folder().c_str(), &startup, &process.info) != FALSE;
    return process.ok;
}

struct FindData {
    DWORD pid;
    const char* className;
    HWND found;
};

HWND FindTopLevel(DWORD pid, const char* className, double timeoutMs = 10000) {
    const double deadline = Now() + timeoutMs;
    FindData data{pid, className, nullptr};
    while (Now() < deadline) {
        EnumWindows(
            [](HWND window, LPARAM param) -> BOOL {
                auto* d = reinterpret_cast<FindData*>(param);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                char name[64] = {};
                GetClassNameA(window, name, sizeof(name));
                if (owner == d->pid && lstrcmpA(name, d->className) == 0 && IsWindowVisible(window)) {
                    d->found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&data));
        if (data.found) return data.found;
        Sleep(5);
    }
    return nullptr;
}

// ---- inspection of the program's components ----

std::string g_reply;
LRESULT CALLBACK ReplyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        auto* data = reinterpret_cast<COPYDATASTRUCT*>(lParam);
        if (data->dwData == quillcast::kInspectReply) g_reply.assign(static_cast<char*>(data->lpData), data->cbData);
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND ReplyWindow() {
    static HWND window = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ReplyProc;
        windowClass.lpszClassName = "BenchReply";
        RegisterClassA(&windowClass);
        return CreateWindowA("BenchReply", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }();
    return window;
}

long Inspect(HWND form, const std::string& component, const std::string& key) {
    g_reply.clear();
    COPYDATASTRUCT request{quillcast::kInspectRequest, static_cast<DWORD>(component.size()),
                           const_cast<char*>(component.data())};
    SendMessageA(form, WM_COPYDATA, reinterpret_cast<WPARAM>(ReplyWindow()), reinterpret_cast<LPARAM>(&request));
    const std::string needle = key + "=";
    const auto at = g_reply.find(needle);
    if (at == std::string::npos) return -1;
    return std::strtol(g_reply.c_str() + at + needle.size(), nullptr, 10);
}

LPARAM CenterOf(HWND form, const std::string& component) {
    const long x = Inspect(form, component, "Left") + Inspect(form, component, "Width") / 2;
    const long y = Inspect(form, component, "Top") + Inspect(form, component, "Height") / 2;
    return MAKELPARAM(x, y);
}

// ---- the stub's log: one record per started `net` ----

long long LogSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool WaitForGrowth(const std::string& path, long long from, double timeoutMs = 10000) {
    const double deadline = Now() + timeoutMs;
    while (Now() < deadline) {
        if (LogSize(path) > from) return true;
        Sleep(0);
    }
    return false;
}

SIZE_T WorkingSet(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(process, &counters, sizeof(counters));
    return counters.WorkingSetSize;
}

SIZE_T Committed(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(process, &counters, sizeof(counters));
    return counters.PagefileUsage;
}

void MeasureStartup(const std::string& folder, int runs) {
    std::vector<double> program, bare;
    std::vector<double> programSet, bareSet;
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            Process process;
            const std::string exe = folder + (which == 0 ? "quillcast.exe" : "bare_window.exe");
            const double t0 = Now();
            if (!Start(process, exe)) continue;
            WaitForInputIdle(process.info.hProcess, 10000);
            const double elapsed = Now() - t0;
            FindTopLevel(process.info.dwProcessId, which == 0 ? "TfrmMain" : "BareWindow");
            Sleep(300);  // settle: first paints done
            (which == 0 ? program : bare).push_back(elapsed);
            (which == 0 ? programSet : bareSet).push_back(static_cast<double>(WorkingSet(process.info.hProcess)) / 1024);
        }
    }
    std::printf("startup_to_input_idle_ms   program %8.1f   bare window %8.1f   ratio %.2f (target <= 1.3)\n",
                Median(program), Median(bare), Median(program) / Median(bare));
    std::printf("working_set_kib            program %8.0f   bare window %8.0f   ratio %.2f (target <= 1.5)\n",
                Median(programSet), Median(bareSet), Median(programSet) / Median(bareSet));
}

void MeasureLaunch(const std::string& folder, int runs) {
    const std::string log = folder + "bench-net-calls.log";
    SetEnvironmentVariableA("QC_NET_LOG", log.c_str());
    std::vector<double> program, bare;
    Process quill, launcher;
    Start(quill, folder + "quillcast.exe");
    Start(launcher, folder + "bare_launcher.exe");
    HWND form = FindTopLevel(quill.info.dwProcessId, "TfrmMain");
    HWND bareWindow = FindTopLevel(launcher.info.dwProcessId, "BareLauncher");
    if (!form || !bareWindow) {
        std::printf("launch: windows not found\n");
        return;
    }
    const LPARAM button = CenterOf(form, "sendMsg");
    for (int i = 0; i < runs; ++i) {
        long long before = LogSize(log);
        double t0 = Now();
        PostMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, button);
        PostMessageA(form, WM_LBUTTONUP, 0, button);
        if (WaitForGrowth(log, before)) program.push_back(Now() - t0);
        before = LogSize(log);
        t0 = Now();
        PostMessageA(bareWindow, WM_APP, 0, 0);
        if (WaitForGrowth(log, before)) bare.push_back(Now() - t0);
    }
    std::printf("click_to_net_started_ms    program %8.1f   bare launcher %6.1f   ratio %.2f (target <= 1.1)  [%zu/%zu runs]\n",
                Median(program), Median(bare), Median(program) / Median(bare), program.size(), bare.size());
}

void MeasureRepeatedSends(const std::string& folder, int sends) {
    const std::string log = folder + "bench-net-calls.log";
    SetEnvironmentVariableA("QC_NET_LOG", log.c_str());
    Process quill;
    Start(quill, folder + "quillcast-testhooks.exe");
    HWND form = FindTopLevel(quill.info.dwProcessId, "TfrmMain");
    if (!form) {
        std::printf("sends: window not found\n");
        return;
    }
    const LPARAM button = CenterOf(form, "sendMsg");
    auto send = [&] {
        const long long before = LogSize(log);
        PostMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, button);
        PostMessageA(form, WM_LBUTTONUP, 0, button);
        return WaitForGrowth(log, before);
    };
    for (int i = 0; i < 20; ++i) send();  // warm up: first-use allocations are not leaks
    Sleep(500);
    const SIZE_T committedBefore = Committed(quill.info.hProcess);
    const long kernel0 = Inspect(form, "frmMain", "LiveKernel"), gdi0 = Inspect(form, "frmMain", "LiveGdi"),
               user0 = Inspect(form, "frmMain", "LiveUser");
    int made = 0;
    const double t0 = Now();
    for (int i = 0; i < sends; ++i) made += send() ? 1 : 0;
    const double elapsed = Now() - t0;
    Sleep(500);
    const SIZE_T committedAfter = Committed(quill.info.hProcess);
    std::printf("repeated_sends             %d of %d made in %.1f s\n", made, sends, elapsed / 1000);
    std::printf("  committed_kib            before %8zu   after %8zu   change %+lld\n", committedBefore / 1024,
                committedAfter / 1024,
                static_cast<long long>(committedAfter / 1024) - static_cast<long long>(committedBefore / 1024));
    std::printf("  live kernel handles      before %ld   after %ld\n", kernel0, Inspect(form, "frmMain", "LiveKernel"));
    std::printf("  live GDI objects         before %ld   after %ld\n", gdi0, Inspect(form, "frmMain", "LiveGdi"));
    std::printf("  live USER objects        before %ld   after %ld\n", user0, Inspect(form, "frmMain", "LiveUser"));
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = Folder();
    const int startupRuns = argc > 1 ? std::atoi(argv[1]) : 15;
    const int launchRuns = argc > 2 ? std::atoi(argv[2]) : 30;
    const int sends = argc > 3 ? std::atoi(argv[3]) : 1000;
    MeasureStartup(folder, startupRuns);
    MeasureLaunch(folder, launchRuns);
    MeasureRepeatedSends(folder, sends);
    return 0;
}
