#pragma once
// What the Windows benchmark drivers share: a clock, waiting, finding the program's
// windows, asking its form for the inspection of a component, reading its memory,
// sorting samples into figures, and real mouse and keyboard input.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace bench {

// Milliseconds on the performance counter: only differences mean anything.
double NowMs();

// Polls `condition` until it holds or `timeoutMs` have passed; returns whether it held.
// Sleeps `pauseMs` between polls (Sleep(0) only yields, for waits whose length is the
// figure), so that the program under test gets the processor.
template <class Condition>
bool WaitFor(Condition condition, double timeoutMs = 10000, DWORD pauseMs = 1) {
    const double deadline = NowMs() + timeoutMs;
    while (!condition()) {
        if (NowMs() > deadline) return false;
        Sleep(pauseMs);
    }
    return true;
}

// The folder of this executable, with its trailing separator: the tools and the
// program they measure are built side by side.
std::string Folder();

// A shown top-level window of that class belonging to the process, or nullptr.
HWND FindVisible(DWORD processId, const char* windowClass);

// The same, waited for up to `timeoutMs`.
HWND WaitForVisible(DWORD processId, const char* windowClass, double timeoutMs = 10000);

// A process started from this tool's folder, which is its working folder too. At the
// end it is asked to close by the window that Window() found, when there is one, and
// ended when it is still running after that.
class Process {
public:
    explicit Process(const std::string& exe, const std::string& arguments = "");
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    bool Started() const { return started_; }
    bool Running() const { return started_ && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
    HANDLE Handle() const { return info_.hProcess; }
    DWORD Id() const { return info_.dwProcessId; }
    // Its shown top-level window of that class once it waits for input, or nullptr.
    HWND Window(const char* windowClass, double timeoutMs = 10000);

private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
    HWND window_ = nullptr;
};

// The form's read-only inspection: a component's "Key=Value" lines, sent back by
// WM_COPYDATA to a message-only window of ours while we wait in SendMessage.
class Inspector {
public:
    Inspector();
    Inspector(const Inspector&) = delete;
    Inspector& operator=(const Inspector&) = delete;
    ~Inspector();

    // The value of `key` for `component`, or nothing when the form did not answer in
    // time or listed no such key.
    std::optional<std::string> Text(HWND form, const std::string& component, const std::string& key);
    // The value as a number, or `missing`.
    long Number(HWND form, const std::string& component, const std::string& key, long missing = -1);
    // The component's own window (its "Hwnd"), or nullptr.
    HWND Window(HWND form, const std::string& component);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::string reply_;
};

// The process's committed memory (PagefileUsage) and working set, in bytes.
SIZE_T CommittedBytes(HANDLE process);
SIZE_T WorkingSetBytes(HANDLE process);

// The sample at rank share x count of the sorted samples (share 0 the least, 1 the
// greatest), or 0 with no samples.
double Percentile(std::vector<double> values, double share);
inline double Median(std::vector<double> values) { return Percentile(std::move(values), 0.5); }

// ---- real input, to whichever window has the focus ----

// Returns whether the system took all the events.
bool SendInputs(std::vector<INPUT> inputs);
// Moves the pointer to the screen point; returns whether it got there within `timeoutMs`.
bool MoveMouse(POINT screen, double timeoutMs = 10000);
// A left click at the screen point, where MoveMouse has put the pointer.
bool ClickLeft(POINT screen);
// Down and up of one virtual key.
bool PressKey(WORD key);
// Down and up of each character's key, in order: digits and capital letters.
bool TypeKeys(const char* keys);
// Brings the window to the front; returns whether it got there within `timeoutMs`.
bool BringToFront(HWND window, double timeoutMs);

}  // namespace bench
