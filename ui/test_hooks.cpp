#include "ui/test_hooks.h"

#ifdef QC_TEST_HOOKS
#include <windows.h>

#include <fstream>
#include <string>

#include "toolkit/application.h"
#include "toolkit/model/exception.h"

namespace quillcast {
namespace {

std::string Setting(const char* name) {
    char buffer[1024] = {};
    const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof(buffer));
    return length > 0 && length < sizeof(buffer) ? std::string(buffer, length) : std::string();
}

struct ForeignObject {};

RawLocaleTimeSettings ReadLocaleFile(const std::string& path) {
    RawLocaleTimeSettings raw;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "sTime") raw.separator = value;
        else if (key == "iTLZero") raw.leadingZero = value;
        else if (key == "iTime") raw.clock = value;
        else if (key == "iTimeMarkPosn") raw.designatorPosition = value;
        else if (key == "s1159") raw.amDesignator = value;
        else if (key == "s2359") raw.pmDesignator = value;
    }
    return raw;
}

}  // namespace

void TestHooks::OnBuildWindow() {
    const std::string fault = Setting("QUILLCAST_FAULT");
    if (fault.starts_with("build:")) throw Exception(fault.substr(6));
    if (fault == "build-foreign") throw ForeignObject{};
}

void TestHooks::OnSendClick() {
    const std::string fault = Setting("QUILLCAST_FAULT");
    if (fault.starts_with("click:")) throw Exception(fault.substr(6));
    if (fault == "click-abort") throw EAbort();
}

void TestHooks::InstallLocaleSource(TApplication& application) {
    const std::string path = Setting("QUILLCAST_LOCALE_FILE");
    if (!path.empty()) application.SetLocaleSource([path] { return ReadLocaleFile(path); });
}

}  // namespace quillcast
#endif
