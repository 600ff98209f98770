// Measures the program against bare Win32 baselines built the same way, side by
// side in one run: start-up to input-idle, a click's launch of `net`, working set,
// and what 1,000 sends leave behind. Prints figures; never fails on them.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/windows/bench_support.h"

namespace {

using namespace bench;

LPARAM CenterOf(Inspector& inspector, HWND form, const std::string& component) {
    const long x = inspector.Number(form, component, "Left") + inspector.Number(form, component, "Width") / 2;
    const long y = inspector.Number(form, component, "Top") + inspector.Number(form, component, "Height") / 2;
    return MAKELPARAM(x, y);
}

// ---- the stub's log: one record per started `net` ----

long long LogSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Polled with no pause: the wait is the figure.
bool WaitForGrowth(const std::string& path, long long from) {
    return WaitFor([&] { return LogSize(path) > from; }, 10000, 0);
}

void MeasureStartup(const std::string& folder, int runs) {
    std::vector<double> program, bare;
    std::vector<double> programSet, bareSet;
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            const std::string exe = folder + (which == 0 ? "quillcast.exe" : "bare_window.exe");
            const double t0 = NowMs();
            Process process(exe);
            if (!process.Started()) continue;
            WaitForInputIdle(process.Handle(), 10000);
            const double elapsed = NowMs() - t0;
            WaitForVisible(process.Id(), which == 0 ? "TfrmMain" : "BareWindow");
            Sleep(300);  // settle: first paints done
            (which == 0 ? program : bare).push_back(elapsed);
            (which == 0 ? programSet : bareSet).push_back(static_cast<double>(WorkingSetBytes(process.Handle())) / 1024);
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
    Process quill(folder + "quillcast.exe"), launcher(folder + "bare_launcher.exe");
    HWND form = WaitForVisible(quill.Id(), "TfrmMain");
    HWND bareWindow = WaitForVisible(launcher.Id(), "BareLauncher");
    if (!form || !bareWindow) {
        std::printf("launch: windows not found\n");
        return;
    }
    Inspector inspector;
    const LPARAM button = CenterOf(inspector, form, "sendMsg");
    for (int i = 0; i < runs; ++i) {
        long long before = LogSize(log);
        double t0 = NowMs();
        PostMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, button);
        PostMessageA(form, WM_LBUTTONUP, 0, button);
        if (WaitForGrowth(log, before)) program.push_back(NowMs() - t0);
        before = LogSize(log);
        t0 = NowMs();
        PostMessageA(bareWindow, WM_APP, 0, 0);
        if (WaitForGrowth(log, before)) bare.push_back(NowMs() - t0);
    }
    std::printf("click_to_net_started_ms    program %8.1f   bare launcher %6.1f   ratio %.2f (target <= 1.1)  [%zu/%zu runs]\n",
                Median(program), Median(bare), Median(program) / Median(bare), program.size(), bare.size());
}

void MeasureRepeatedSends(const std::string& folder, int sends) {
    const std::string log = folder + "bench-net-calls.log";
    SetEnvironmentVariableA("QC_NET_LOG", log.c_str());
    Process quill(folder + "quillcast-testhooks.exe");
    HWND form = WaitForVisible(quill.Id(), "TfrmMain");
    if (!form) {
        std::printf("sends: window not found\n");
        return;
    }
    Inspector inspector;
    const LPARAM button = CenterOf(inspector, form, "sendMsg");
    auto send = [&] {
        const long long before = LogSize(log);
        PostMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, button);
        PostMessageA(form, WM_LBUTTONUP, 0, button);
        return WaitForGrowth(log, before);
    };
    for (int i = 0; i < 20; ++i) send();  // warm up: first-use allocations are not leaks
    Sleep(500);
    const SIZE_T committedBefore = CommittedBytes(quill.Handle());
    const long kernel0 = inspector.Number(form, "frmMain", "LiveKernel");
    const long gdi0 = inspector.Number(form, "frmMain", "LiveGdi"), user0 = inspector.Number(form, "frmMain", "LiveUser");
    int made = 0;
    const double t0 = NowMs();
    for (int i = 0; i < sends; ++i) made += send() ? 1 : 0;
    const double elapsed = NowMs() - t0;
    Sleep(500);
    const SIZE_T committedAfter = CommittedBytes(quill.Handle());
    std::printf("repeated_sends             %d of %d made in %.1f s\n", made, sends, elapsed / 1000);
    std::printf("  committed_kib            before %8zu   after %8zu   change %+lld\n", committedBefore / 1024,
                committedAfter / 1024,
                static_cast<long long>(committedAfter / 1024) - static_cast<long long>(committedBefore / 1024));
    std::printf("  live kernel handles      before %ld   after %ld\n", kernel0,
                inspector.Number(form, "frmMain", "LiveKernel"));
    std::printf("  live GDI objects         before %ld   after %ld\n", gdi0, inspector.Number(form, "frmMain", "LiveGdi"));
    std::printf("  live USER objects        before %ld   after %ld\n", user0,
                inspector.Number(form, "frmMain", "LiveUser"));
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
