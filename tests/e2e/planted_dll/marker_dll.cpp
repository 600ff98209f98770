// A DLL that records every process that loads it: DllMain appends one line,
// "<process id> <static|dynamic> <executable path>", to "<this DLL's own path>.loaded".
// "static": loaded to resolve the imports of a module as the process starts, before
// the program's own code runs; "dynamic": loaded later, on demand. Copied beside a
// program under the name of a DLL that the program imports or loads on demand, it
// shows whether that copy was taken instead of the system's own, and how.
#include <windows.h>

#include <cstdio>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    char recordPath[MAX_PATH + 16];
    const DWORD dllLength = GetModuleFileNameA(self, recordPath, MAX_PATH);
    if (dllLength == 0 || dllLength >= MAX_PATH) return TRUE;
    lstrcatA(recordPath, ".loaded");
    char exePath[MAX_PATH];
    const DWORD exeLength = GetModuleFileNameA(nullptr, exePath, sizeof exePath);
    if (exeLength == 0 || exeLength >= sizeof exePath) lstrcpyA(exePath, "?");
    char line[MAX_PATH + 32];
    // The system passes a non-null `reserved` on attach for a load at start-up.
    const int lineLength = std::snprintf(line, sizeof line, "%lu %s %s\n", GetCurrentProcessId(),
                                         reserved ? "static" : "dynamic", exePath);
    HANDLE record = CreateFileA(recordPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (record != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(record, line, static_cast<DWORD>(lineLength), &written, nullptr);
        CloseHandle(record);
    }
    // Loading goes on either way: the record is the point, not a failure of the host.
    return TRUE;
}
