#include "ui/fault_hooks.h"

#ifdef QC_TEST_HOOKS
#include <windows.h>

#include <string>

#include "toolkit/model/exception.h"

namespace quillcast {
namespace {

std::string FaultSetting() {
    char buffer[1024] = {};
    const DWORD length = GetEnvironmentVariableA("QUILLCAST_FAULT", buffer, sizeof(buffer));
    return length > 0 && length < sizeof(buffer) ? std::string(buffer, length) : std::string();
}

struct ForeignObject {};

}  // namespace

void FaultHooks::OnBuildWindow() {
    const std::string fault = FaultSetting();
    if (fault.starts_with("build:")) throw Exception(fault.substr(6));
    if (fault == "build-foreign") throw ForeignObject{};
}

void FaultHooks::OnSendClick() {
    const std::string fault = FaultSetting();
    if (fault.starts_with("click:")) throw Exception(fault.substr(6));
    if (fault == "click-abort") throw EAbort();
}

}  // namespace quillcast
#endif
