#include "case_context.h"

#include <windows.h>

#include "framework.h"

namespace e2e {

namespace {

std::string fileNameFor(const std::string& caseName) {
    std::string name;
    for (char c : caseName) name += (isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-') ? c : '_';
    return name;
}

}  // namespace

CaseContext::CaseContext(const RunSettings& settings, Inspector& inspector, const std::string& caseName)
    : settings_(settings), inspector_(inspector), caseName_(caseName),
      netLog_(settings.logDir + "\\" + fileNameFor(caseName) + ".net.log") {
    if (!DeleteFileA(netLog_.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        fail("cannot delete the old net log " + netLog_);
}

std::string CaseContext::programPath(const std::string& executable) const {
    return settings_.programDir + "\\" + executable;
}

}  // namespace e2e
