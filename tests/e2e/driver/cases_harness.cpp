// The harness's own ground: what the platform hands a started `net`, and that the
// stand-in's log keeps every record whole when several start at once.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "case_context.h"
#include "cases.h"
#include "net_log.h"
#include "program.h"

namespace e2e {

namespace {

// Sets a variable of the driver's own environment for the life of the guard;
// programs the driver starts inherit it.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        char buffer[4096];
        const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
        if (length > 0 && length < sizeof buffer) previous_ = std::string(buffer, length);
        had_ = length > 0;
        SetEnvironmentVariableA(name, value.c_str());
    }
    ~ScopedVariable() { SetEnvironmentVariableA(name_, had_ ? previous_.c_str() : nullptr); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::string previous_;
    bool had_ = false;
};

// The launch as the program makes it; the driver sits beside net.exe as the program does.
void shellOpenNet(const std::string& parameters) {
    SHELLEXECUTEINFOA request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_NOCLOSEPROCESS;
    request.lpVerb = "open";
    request.lpFile = "net";
    request.lpParameters = parameters.c_str();
    request.lpDirectory = "";
    request.nShow = SW_SHOW;
    if (!ShellExecuteExA(&request)) fail("ShellExecuteExA failed (error " + show(GetLastError()) + ")");
    if (!request.hProcess) fail("ShellExecuteExA gave no process for net");
    // One at a time, so that the records come in the order of the launches.
    const DWORD waited = WaitForSingleObject(request.hProcess, static_cast<DWORD>(kShortWait.count()));
    CloseHandle(request.hProcess);
    check(waited == WAIT_OBJECT_0, "the stand-in net did not end");
}

void checkShellCommandLine(CaseContext& context) {
    ScopedVariable log("QC_NET_LOG", context.netLog());
    const std::string parameters[] = {
        "send IP of reciver Message", "send  ", "send  hi", "send host ", "send   pc 7   hi  ",
        "send \"my pc\" say \"hi\" \"", "send %COMPUTERNAME% 50% & more && %1 %% ^ | < >",
    };
    for (const std::string& text : parameters) shellOpenNet(text);
    const auto records = waitForNetRecords(context.netLog(), std::size(parameters));
    checkEqual(records.size(), std::size(parameters), "records for the shell launches");
    for (std::size_t i = 0; i < records.size(); ++i)
        checkEqual(records[i], expectedNetCommandLine(parameters[i]), "command line handed to net");
}

void checkConcurrentRecords(CaseContext& context) {
    const std::string stub = context.programPath("net.exe");
    const std::string environment = childEnvironment(context.netLog(), "");
    std::vector<std::string> expected;
    std::vector<HANDLE> running;
    for (int i = 0; i < 16; ++i) {
        // Line breaks and digits in the text must not confuse the record lengths.
        std::string commandLine = "net.exe record " + std::to_string(i) + "\n12\n" + std::string(i * 37, 'y');
        expected.push_back(commandLine);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessA(stub.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            const_cast<char*>(environment.data()), nullptr, &startup, &started))
            fail("cannot start " + stub + " (error " + show(GetLastError()) + ")");
        CloseHandle(started.hThread);
        running.push_back(started.hProcess);
    }
    for (HANDLE process : running) {
        const DWORD waited = WaitForSingleObject(process, static_cast<DWORD>(kShortWait.count()));
        DWORD code = 1;
        GetExitCodeProcess(process, &code);
        CloseHandle(process);
        check(waited == WAIT_OBJECT_0, "a stand-in did not end");
        checkEqual(code, DWORD{0}, "exit code of the stand-in");
    }
    auto records = readNetRecords(context.netLog());
    std::sort(records.begin(), records.end());
    std::sort(expected.begin(), expected.end());
    checkEqual(records.size(), expected.size(), "records of concurrent stand-ins");
    for (std::size_t i = 0; i < expected.size(); ++i) checkEqual(records[i], expected[i], "record");
}

}  // namespace

std::vector<TestCase> harnessCases() {
    return {
        {"harness.shell_command_line", checkShellCommandLine},
        {"harness.concurrent_records", checkConcurrentRecords},
    };
}

}  // namespace e2e
