// Figures of the About box in the test build of the program: the time from a click on
// About to the box on the screen (its opening animation included), and what repeated
// openings and closings leave behind: the program's own count of live handles and
// GDI/USER objects, and its committed memory. Prints figures; never fails on them.
//
//   about_bench.exe [TIMED_OPENINGS] [LEAK_OPENINGS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/windows/bench_support.h"

namespace {

using namespace bench;

constexpr char kBoxClass[] = "TAboutBox";

struct Counts {
    long kernel, gdi, user;
    SIZE_T committedKib;
};

class AboutBench {
public:
    AboutBench(Process& program, HWND form, Inspector& inspector)
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
        BringToFront(form_, 2000);
        MoveMouse(button_);
        const double start = NowMs();
        ClickLeft(button_);
        HWND box = nullptr;
        if (!WaitFor([&] { return (box = FindVisible(program_.Id(), kBoxClass)) != nullptr; }))
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
                inspector_.Number(form_, "frmMain", "LiveUser"), CommittedBytes(program_.Handle()) / 1024};
    }

private:
    Process& program_;
    HWND form_;
    Inspector& inspector_;
    POINT button_{};
};

void PrintCounts(const char* label, const Counts& counts) {
    std::printf("  %-22s live kernel %3ld   live GDI %3ld   live USER %3ld   committed %7zu KiB\n", label,
                counts.kernel, counts.gdi, counts.user, counts.committedKib);
}

}  // namespace

int main(int argc, char** argv) {
    const int timedOpenings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const int leakOpenings = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;

    const std::string exe = Folder() + "quillcast-testhooks.exe";
    // Ended, not closed, at the end: the figures are all printed by then.
    Process program(exe);
    if (!program.Started()) {
        std::printf("cannot start %s\n", exe.c_str());
        return 1;
    }
    WaitForInputIdle(program.Handle(), 20000);
    HWND form = WaitForVisible(program.Id(), "TfrmMain", 20000);
    if (!form) {
        std::printf("the main window never appeared\n");
        return 1;
    }
    Inspector inspector;
    if (inspector.Number(form, "frmMain", "LiveGdi") < 0) {
        std::printf("the program reports no live-object counts: is it the test build?\n");
        return 1;
    }
    AboutBench about(program, form, inspector);

    std::vector<double> shown;
    for (int i = 0; i < timedOpenings; ++i) {
        const double ms = about.OpenAndClose();
        if (ms >= 0) shown.push_back(ms);
    }
    std::printf("about_click_to_box_shown_ms   median %6.1f   p90 %6.1f   min %6.1f   max %6.1f   [%zu of %d openings]\n",
                Percentile(shown, 0.5), Percentile(shown, 0.9), Percentile(shown, 0.0), Percentile(shown, 1.0),
                shown.size(), timedOpenings);

    // The first openings make what lives for the program's life (the window class, the
    // system's caches): counted from after them.
    const Counts before = about.Now();
    std::printf("about_open_close_cycles       %d openings and closings, counted every 50\n", leakOpenings);
    PrintCounts("before:", before);
    int made = 0;
    Counts after = before;
    for (int i = 1; i <= leakOpenings; ++i) {
        made += about.OpenAndClose() >= 0 ? 1 : 0;
        if (i % 50 == 0 || i == leakOpenings) {
            after = about.Now();
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
