#include "net_log.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstdlib>

#include "framework.h"

namespace e2e {

std::string expectedNetCommandLine(const std::string& parameters) { return "\"net\" " + parameters; }

std::vector<std::string> readNetRecords(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND) return {};
        fail("cannot read the net log " + path + " (error " + show(GetLastError()) + ")");
    }
    std::string content;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    CloseHandle(file);

    std::vector<std::string> records;
    std::size_t at = 0;
    while (at < content.size()) {
        const std::size_t newline = content.find('\n', at);
        if (newline == std::string::npos) fail("net log: record length without line end at byte " + show(at));
        const std::string digits = content.substr(at, newline - at);
        char* end = nullptr;
        const unsigned long length = std::strtoul(digits.c_str(), &end, 10);
        if (digits.empty() || *end != '\0') fail("net log: bad record length " + show(digits));
        const std::size_t body = newline + 1;
        if (body + length + 1 > content.size() || content[body + length] != '\n')
            fail("net log: record of " + digits + " bytes is cut short or not closed by a line end");
        records.push_back(content.substr(body, length));
        at = body + length + 1;
    }
    return records;
}

namespace {

bool stubRunning() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) fail("cannot list processes (error " + show(GetLastError()) + ")");
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry))
        found = lstrcmpiA(entry.szExeFile, "net.exe") == 0;
    CloseHandle(snapshot);
    return found;
}

}  // namespace

void waitForStubsToFinish() { waitUntil([] { return !stubRunning(); }, "the net stand-ins to finish"); }

std::vector<std::string> waitForNetRecords(const std::string& path, std::size_t count) {
    waitUntil([&] { return readNetRecords(path).size() >= count; }, show(count) + " net record(s)");
    waitForStubsToFinish();
    return readNetRecords(path);
}

}  // namespace e2e
