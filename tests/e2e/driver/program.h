#pragma once
// One run of the program under test: started with a chosen show command and
// environment, found by its windows, ended by itself or killed when a case fails.
#include <windows.h>

#include <optional>
#include <string>

#include "framework.h"

namespace e2e {

class CaseContext;

inline constexpr char kProduct[] = "quillcast.exe";
inline constexpr char kTestHooks[] = "quillcast-testhooks.exe";

struct LaunchOptions {
    std::string executable = kProduct;
    // STARTUPINFO.wShowWindow with STARTF_USESHOWWINDOW; nullopt starts without the flag.
    std::optional<WORD> showCommand = SW_SHOWNORMAL;
    std::string fault;  // QUILLCAST_FAULT; empty leaves it unset
};

// The driver's environment with QC_NET_LOG set to `netLog` and QUILLCAST_FAULT to
// `fault` (left out when empty), as a block for CreateProcess.
std::string childEnvironment(const std::string& netLog, const std::string& fault);

class Program {
public:
    Program(const CaseContext& context, const LaunchOptions& options = {});
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    // A program still running here has not ended as the case expected: it is killed.
    ~Program();

    DWORD processId() const { return info_.dwProcessId; }
    DWORD threadId() const { return info_.dwThreadId; }
    HANDLE process() const { return info_.hProcess; }

    bool hasExited() const;
    // Waits for the end and returns the exit code.
    // Ending includes Wine unmapping each window, which can take seconds on a loaded machine.
    DWORD waitForExit(Milliseconds timeout = Milliseconds(30000));
    void waitForInputIdle();

    HWND applicationWindow();  // class TApplication, waits for it
    HWND mainForm();           // class TfrmMain, waits until it is visible and the program idle

    // The GUI thread's state, read from outside.
    HWND focus() const;
    HWND activeWindow() const;

private:
    const CaseContext& context_;
    PROCESS_INFORMATION info_{};
};

}  // namespace e2e
