#pragma once
// What one case gets from the runner: where the programs are, a fresh net log of
// its own, the inspection window, and where to leave screenshots.
#include <string>

namespace e2e {

class Inspector;

struct RunSettings {
    std::string programDir;     // holds quillcast.exe, quillcast-testhooks.exe and net.exe
    std::string logDir;         // per-case net logs
    std::string screenshotDir;  // empty: no screenshots
};

class CaseContext {
public:
    // Deletes any net log left by an earlier run of the same case.
    CaseContext(const RunSettings& settings, Inspector& inspector, const std::string& caseName);

    const std::string& caseName() const { return caseName_; }
    const RunSettings& settings() const { return settings_; }
    std::string programPath(const std::string& executable) const;
    const std::string& netLog() const { return netLog_; }
    Inspector& inspector() const { return inspector_; }

private:
    const RunSettings& settings_;
    Inspector& inspector_;
    std::string caseName_;
    std::string netLog_;
};

}  // namespace e2e
