#include "toolkit/starter.h"

#include <shellapi.h>

#include <array>

#include "toolkit/application.h"
#include "toolkit/form.h"

namespace quillcast {
namespace {

constexpr std::array<std::string_view, 5> kOperationNames = {"smOpen", "smPrint", "smExplore", "smEdit",
                                                              "smProperties"};
constexpr std::array<std::string_view, 10> kOptionNames = {
    "soSW_HIDE", "soSW_MAXIMIZE", "soSW_MINIMIZE", "soSW_RESTORE", "soSW_SHOW",
    "soSW_SHOWMAXIMIZED", "soSW_SHOWMINIMIZED", "soSW_SHOWMINNOACTIVE", "soSW_SHOWNA", "soSW_SHOWNORMAL"};

template <class Enum, std::size_t N>
Enum ParseEnum(const std::array<std::string_view, N>& names, std::string_view value) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == value) return static_cast<Enum>(i);
    throw Exception("Invalid property value '" + std::string(value) + "'");
}

// The shell's result codes that mean the program did not start.
bool IsStartFailure(INT_PTR code) noexcept {
    return code == SE_ERR_FNF || code == SE_ERR_PNF || code == SE_ERR_ACCESSDENIED || code == SE_ERR_OOM ||
           (code >= SE_ERR_SHARE && code <= SE_ERR_DLLNOTFOUND);
}

}  // namespace

void TLMDStarter::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "StartOperation") operation_ = ParseEnum<Operation>(kOperationNames, value);
    else if (name == "StartOption") option_ = ParseEnum<ShowOption>(kOptionNames, value);
    else if (name == "Command") command_ = value;
    else if (name == "Parameters") parameters_ = value;
    else if (name == "DefaultDir") defaultDir_ = value;
    else TFormComponent::ReadProperty(name, value);
}

const char* TLMDStarter::Verb(Operation operation) noexcept {
    static constexpr const char* kVerbs[] = {"open", "print", "explore", "edit", "properties"};
    return kVerbs[static_cast<int>(operation)];
}

int TLMDStarter::ShowCommand(ShowOption option) noexcept {
    static constexpr int kCommands[] = {SW_HIDE, SW_MAXIMIZE, SW_MINIMIZE, SW_RESTORE, SW_SHOW,
                                        SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED, SW_SHOWMINNOACTIVE, SW_SHOWNA,
                                        SW_SHOWNORMAL};
    return kCommands[static_cast<int>(option)];
}

void TLMDStarter::Execute() {
    // The previous process runs on; only our hold on it ends.
    process_.Reset();

    // The system starts no program with a command line longer than this; some
    // shells cut it short instead and would send a message the user never wrote.
    constexpr std::size_t kLongestCommandLine = 32767;
    if (command_.size() + 3 + parameters_.size() >= kLongestCommandLine) {
        lastError_ = ERROR_FILENAME_EXCED_RANGE;
        return;
    }

    SHELLEXECUTEINFOA request{};
    request.cbSize = sizeof(request);
    request.fMask = SEE_MASK_NOCLOSEPROCESS;
    TForm* mainForm = Form().Application().MainForm();
    request.hwnd = mainForm ? mainForm->Handle() : Form().Handle();
    request.lpVerb = Verb(operation_);
    request.lpFile = command_.c_str();
    request.lpParameters = parameters_.c_str();
    request.lpDirectory = defaultDir_.c_str();
    request.nShow = ShowCommand(option_);
    ShellExecuteExA(&request);

    process_.Reset(request.hProcess);
    const INT_PTR code = reinterpret_cast<INT_PTR>(request.hInstApp);
    if (IsStartFailure(code)) lastError_ = static_cast<int>(code);
}

void TLMDStarter::Describe(std::string& out) const {
    TFormComponent::Describe(out);
    out += "Command=" + command_ + "\nLastError=" + std::to_string(lastError_) +
           "\nHasProcess=" + (process_ ? "1" : "0") + "\n";
}

}  // namespace quillcast
