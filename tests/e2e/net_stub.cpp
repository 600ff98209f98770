// Stand-in for the system's `net` command. Placed beside quillcast.exe it is found
// before Wine's own, and it records exactly what it was started with: its whole
// command line as one record of a log, then it ends at once with code 0.
//
// Log: the file named by QC_NET_LOG, else net-calls.log beside this program.
// Record: the byte count in decimal, '\n', the bytes, '\n'. The count lets any
// bytes (line breaks, quotes, nothing at all) survive the trip.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

std::string logPath() {
  char buffer[MAX_PATH * 4];
  DWORD length = GetEnvironmentVariableA("QC_NET_LOG", buffer, sizeof buffer);
  if (length > 0 && length < sizeof buffer) return std::string(buffer, length);

  length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return "net-calls.log";
  std::string path(buffer, length);
  const auto slash = path.find_last_of("\\/");
  path.erase(slash == std::string::npos ? 0 : slash + 1);
  return path + "net-calls.log";
}

// Concurrent stubs share the log: append-only access makes each single WriteFile
// land whole at the end, and full sharing lets every stub open it at once.
bool appendRecord(const std::string& path, const std::string& record) {
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 200 && file == INVALID_HANDLE_VALUE; ++attempt) {
    file = CreateFileA(path.c_str(), FILE_APPEND_DATA,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) Sleep(5);  // a racing creator may hold it briefly
  }
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == record.size();
}

}  // namespace

int main() {
  const char* commandLine = GetCommandLineA();
  const std::string bytes = commandLine ? commandLine : "";
  const std::string record = std::to_string(bytes.size()) + "\n" + bytes + "\n";
  appendRecord(logPath(), record);  // a lost record shows as a missing one
  return 0;
}
