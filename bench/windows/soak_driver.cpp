// Soak of the test build of the program: long runs of the same work, with what the
// program holds read before and after each run. The program's own counts of live
// handles and GDI/USER objects (from the form's inspection), its committed memory,
// and the system's own counters where the system has them (0 under Wine).
//
//   soak_driver.exe SENDS ABOUT_OPENINGS RESIZES TICK_SECONDS [--check]
//
// Phases, in this order, in one running program after a short warm-up of each kind
// of work: sends by clicks on Send Message, each waited for in the net log; About
// opened by a click and closed by Escape; the window resized with SetWindowPos and
// repainted; the schedule armed for a time that never comes ("99:99:99") while the
// clock ticks. Prints one table. Exit code: 2 when some work could not be done, 1 with
// --check when a live count grew over a phase, else 0.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/windows/bench_support.h"

namespace {

using namespace bench;

// Work that could not be done ends the soak: its figures would mean nothing.
class SoakError {
public:
    explicit SoakError(std::string what) : what_(std::move(what)) {}
    const std::string& What() const { return what_; }

private:
    std::string what_;
};

void Require(bool condition, const std::string& what) {
    if (!condition) throw SoakError(what);
}

// ---- the program, started with the net stand-in's log of its own ----

class Program {
public:
    Program(const std::string& exe, const std::string& netLog) : process_(WithNetLog(exe, netLog)) {
        Require(process_.Started(), "cannot start " + exe);
        WaitForInputIdle(process_.Handle(), 20000);
        form_ = WaitForVisible(process_.Id(), "TfrmMain", 20000);
        Require(form_ != nullptr, "the main window never appeared");
    }

    HANDLE Process() const { return process_.Handle(); }
    DWORD Id() const { return process_.Id(); }
    HWND Form() const { return form_; }
    bool Running() const { return process_.Running(); }
    // Returns once the program has handled everything sent or posted before.
    void Settle() const {
        DWORD_PTR ignored = 0;
        Require(SendMessageTimeoutA(form_, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, 10000, &ignored) != FALSE,
                "the main window stopped answering");
    }

private:
    // The program inherits the log's path from our environment.
    static const std::string& WithNetLog(const std::string& exe, const std::string& netLog) {
        SetEnvironmentVariableA("QC_NET_LOG", netLog.c_str());
        return exe;
    }

    bench::Process process_;
    HWND form_ = nullptr;
};

// ---- real input to the foreground window ----

void ClickAt(HWND window, POINT client) {
    Require(BringToFront(window, 5000), "the window would not come to the front");
    POINT screen = client;
    ClientToScreen(window, &screen);
    Require(MoveMouse(screen, 5000), "the pointer did not arrive");
    Require(ClickLeft(screen), "SendInput failed");
}

// ---- the net stand-in's log ----

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Records are "<length>\n<bytes>\n": count them without trusting line breaks inside.
long CountRecords(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    std::string content;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    CloseHandle(file);
    long records = 0;
    for (std::size_t at = 0; at < content.size(); ++records) {
        const std::size_t newline = content.find('\n', at);
        if (newline == std::string::npos) break;
        at = newline + 1 + std::strtoul(content.c_str() + at, nullptr, 10) + 1;
    }
    return records;
}

// ---- what the program holds ----

struct Holdings {
    long kernel = 0, gdi = 0, user = 0;      // the program's own counts
    long long committedKib = 0;              // PagefileUsage
    long systemHandles = 0, systemGdi = 0, systemUser = 0;  // 0 where the system does not count
};

class Soak {
public:
    Soak(Program& program, Inspector& inspector, std::string netLog)
        : program_(program), inspector_(inspector), netLog_(std::move(netLog)) {
        Require(Number("frmMain", "LiveGdi") >= 0,
                "the program reports no live-object counts: is it the test build?");
    }

    Holdings Read() {
        program_.Settle();
        // Every started stand-in has ended, so the program's hold on it is all that is left.
        WaitFor([&] { return CountRecords(netLog_) == recordsExpected_; }, 10000);
        Holdings now;
        now.kernel = Number("frmMain", "LiveKernel");
        now.gdi = Number("frmMain", "LiveGdi");
        now.user = Number("frmMain", "LiveUser");
        now.committedKib = static_cast<long long>(CommittedBytes(program_.Process()) / 1024);
        DWORD handles = 0;
        GetProcessHandleCount(program_.Process(), &handles);
        now.systemHandles = static_cast<long>(handles);
        now.systemGdi = static_cast<long>(GetGuiResources(program_.Process(), GR_GDIOBJECTS));
        now.systemUser = static_cast<long>(GetGuiResources(program_.Process(), GR_USEROBJECTS));
        return now;
    }

    POINT CentreOf(const char* component) {
        return POINT{Number(component, "Left") + Number(component, "Width") / 2,
                     Number(component, "Top") + Number(component, "Height") / 2};
    }

    void SendOnce() {
        const long long before = FileSize(netLog_);
        ClickAt(program_.Form(), CentreOf("sendMsg"));
        ++recordsExpected_;
        Require(WaitFor([&] { return FileSize(netLog_) > before; }), "a click on Send Message started no net");
    }

    void AboutOnce() {
        ClickAt(program_.Form(), CentreOf("SpeedButton2"));
        HWND box = nullptr;
        Require(WaitFor([&] { return (box = FindVisible(program_.Id(), "TAboutBox")) != nullptr; }),
                "a click on About opened no box");
        Require(WaitFor([&] { return GetForegroundWindow() == box; }), "the About box did not come to the front");
        Require(PressKey(VK_ESCAPE), "SendInput failed");
        Require(WaitFor([&] { return !IsWindow(box) && IsWindowEnabled(program_.Form()); }),
                "Escape did not close the About box");
    }

    void ResizeOnce(int step) {
        // Sizes wander over some 600 x 400 pixels around the designed 706 x 480.
        const int width = 406 + (step * 97) % 600;
        const int height = 280 + (step * 61) % 400;
        HWND form = program_.Form();
        SetWindowPos(form, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        program_.Settle();
    }

    void RestoreSize() {
        SetWindowPos(program_.Form(), nullptr, 0, 0, 706, 480, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        program_.Settle();
    }

    // Checks the box and types a time that never comes, then leaves the field so that
    // the entry is taken.
    void ArmForNever() {
        HWND form = program_.Form();
        ClickAt(form, CentreOf("dateArrif"));
        Require(WaitFor([&] { return Text("dateArrif", "Checked") == "1"; }),
                "dateArrif would not be checked");
        const HWND timeSet = WindowOf("timeSet");
        ClickAt(form, CentreOf("timeSet"));
        Require(WaitFor([&] { return Focus() == timeSet; }), "timeSet would not take the focus");
        Require(PressKey(VK_HOME) && TypeKeys("999999"), "SendInput failed");
        Require(WaitFor([&] { return WindowText(timeSet) == "99:99:99"; }), "timeSet would not show 99:99:99");
        ClickAt(form, CentreOf("messageText"));
        const HWND messageText = WindowOf("messageText");
        Require(WaitFor([&] { return Focus() == messageText; }), "the focus would not leave timeSet");
    }

    // Lets the armed program tick; returns how many times timeNow changed.
    long Tick(double seconds) {
        const HWND timeNow = WindowOf("timeNow");
        std::string last = WindowText(timeNow);
        long changes = 0;
        const double end = NowMs() + seconds * 1000;
        while (NowMs() < end) {
            Sleep(200);
            Require(program_.Running(), "the program ended while ticking");
            const std::string now = WindowText(timeNow);
            if (now != last) ++changes, last = now;
        }
        return changes;
    }

    long Records() const { return CountRecords(netLog_); }

private:
    // Inspection that must answer: without it the phase's figures would mean nothing.
    std::string Text(const char* component, const char* key) {
        const auto text = inspector_.Text(program_.Form(), component, key);
        Require(text.has_value(), std::string("the form reports no ") + key + " for " + component);
        return *text;
    }
    long Number(const char* component, const char* key) {
        return std::strtol(Text(component, key).c_str(), nullptr, 10);
    }
    HWND WindowOf(const char* component) {
        return reinterpret_cast<HWND>(static_cast<INT_PTR>(std::strtoll(Text(component, "Hwnd").c_str(), nullptr, 10)));
    }
    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(program_.Form(), nullptr), &info);
        return info.hwndFocus;
    }
    static std::string WindowText(HWND window) {
        char text[64] = {};
        DWORD_PTR length = 0;
        SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &length);
        return std::string(text, length);
    }

    Program& program_;
    Inspector& inspector_;
    std::string netLog_;
    long recordsExpected_ = 0;
};

struct PhaseResult {
    std::string name;
    std::string runs;
    double seconds;
    Holdings before, after;
};

bool CountGrew(const PhaseResult& phase) {
    return phase.after.kernel > phase.before.kernel || phase.after.gdi > phase.before.gdi ||
           phase.after.user > phase.before.user;
}

std::string Change(long long before, long long after) {
    char text[64];
    std::snprintf(text, sizeof text, "%lld -> %lld (%+lld)", before, after, after - before);
    return text;
}

void PrintTable(const std::vector<PhaseResult>& phases) {
    std::printf("%-8s %-14s %8s  %-20s %-20s %-20s %-28s %s\n", "phase", "runs", "seconds", "live kernel",
                "live GDI", "live USER", "committed KiB", "system handles/GDI/USER");
    for (const auto& p : phases) {
        char system[96];
        std::snprintf(system, sizeof system, "%ld/%ld/%ld -> %ld/%ld/%ld", p.before.systemHandles, p.before.systemGdi,
                      p.before.systemUser, p.after.systemHandles, p.after.systemGdi, p.after.systemUser);
        std::printf("%-8s %-14s %8.1f  %-20s %-20s %-20s %-28s %s%s\n", p.name.c_str(), p.runs.c_str(), p.seconds,
                    Change(p.before.kernel, p.after.kernel).c_str(), Change(p.before.gdi, p.after.gdi).c_str(),
                    Change(p.before.user, p.after.user).c_str(),
                    Change(p.before.committedKib, p.after.committedKib).c_str(), system,
                    CountGrew(p) ? "   <- a live count grew" : "");
    }
}

int Usage() {
    std::fprintf(stderr, "usage: soak_driver SENDS ABOUT_OPENINGS RESIZES TICK_SECONDS [--check]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5 && !(argc == 6 && std::strcmp(argv[5], "--check") == 0)) return Usage();
    const int sends = std::atoi(argv[1]), abouts = std::atoi(argv[2]), resizes = std::atoi(argv[3]);
    const double tickSeconds = std::atof(argv[4]);
    const bool check = argc == 6;
    if (sends < 0 || abouts < 0 || resizes < 0 || tickSeconds < 0) return Usage();
    setvbuf(stdout, nullptr, _IONBF, 0);

    const std::string netLog = Folder() + "soak-net.log";
    DeleteFileA(netLog.c_str());
    std::vector<PhaseResult> phases;
    try {
        Program program(Folder() + "quillcast-testhooks.exe", netLog);
        Inspector inspector;
        Soak soak(program, inspector, netLog);

        // What the first use of each kind of work makes once for the program's life
        // (window classes, fonts, the system's caches) is not counted.
        for (int i = 0; i < 5; ++i) soak.SendOnce();
        for (int i = 0; i < 2; ++i) soak.AboutOnce();
        for (int i = 0; i < 5; ++i) soak.ResizeOnce(i);
        soak.RestoreSize();

        const auto phase = [&](const char* name, const std::string& runs, auto work) {
            PhaseResult result{name, runs, 0, soak.Read(), {}};
            std::fprintf(stderr, "soak: %s (%s) ...\n", name, runs.c_str());
            const double start = NowMs();
            work();
            result.seconds = (NowMs() - start) / 1000;
            result.after = soak.Read();
            phases.push_back(result);
        };
        phase("sends", std::to_string(sends), [&] {
            for (int i = 0; i < sends; ++i) soak.SendOnce();
        });
        phase("about", std::to_string(abouts), [&] {
            for (int i = 0; i < abouts; ++i) soak.AboutOnce();
        });
        phase("resizes", std::to_string(resizes), [&] {
            for (int i = 0; i < resizes; ++i) soak.ResizeOnce(i);
            soak.RestoreSize();
        });
        long ticks = 0, recordsBeforeTicks = 0;
        char tickRuns[32];
        std::snprintf(tickRuns, sizeof tickRuns, "%.0f s", tickSeconds);
        phase("ticks", tickRuns, [&] {
            soak.ArmForNever();
            recordsBeforeTicks = soak.Records();
            ticks = soak.Tick(tickSeconds);
        });
        const long sentWhileTicking = soak.Records() - recordsBeforeTicks;

        PrintTable(phases);
        std::printf("net records: %ld for %d sends and their warm-up; %ld while armed for 99:99:99\n", soak.Records(),
                    sends, sentWhileTicking);
        std::printf("clock: timeNow changed %ld times in %.0f s of ticks\n", ticks, tickSeconds);
        Require(sentWhileTicking == 0, "the schedule sent for a time that never comes");
        Require(tickSeconds < 3 || ticks > 0, "timeNow never changed while ticking");

        ClickAt(program.Form(), soak.CentreOf("SpeedButton1"));
        Require(WaitFor([&] { return !program.Running(); }), "Exit did not end the program");
        DWORD code = 1;
        GetExitCodeProcess(program.Process(), &code);
        std::printf("program ended with exit code %lu\n", code);
        Require(code == 0, "the program ended with a non-zero exit code");
    } catch (const SoakError& error) {
        if (!phases.empty()) PrintTable(phases);
        std::printf("soak stopped: %s\n", error.What().c_str());
        return 2;
    }
    for (const auto& p : phases)
        if (check && CountGrew(p)) {
            std::printf("a live count grew over the %s phase\n", p.name.c_str());
            return 1;
        }
    return 0;
}
