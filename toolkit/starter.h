#pragma once
#include <windows.h>

#include <string>

#include "toolkit/component.h"
#include "toolkit/handles.h"

namespace quillcast {

// Starts a program through the shell and forgets it: no wait, nothing read
// back. It keeps the handle of the latest process until the next start, and
// the code of the latest failed start, without showing anything.
class TLMDStarter : public TFormComponent {
public:
    enum class Operation { Open, Print, Explore, Edit, Properties };
    enum class ShowOption {
        Hide, Maximize, Minimize, Restore, Show, ShowMaximized, ShowMinimized, ShowMinNoActive, ShowNA, ShowNormal
    };

    using TFormComponent::TFormComponent;
    std::string_view ClassName() const override { return "TLMDStarter"; }
    void ReadProperty(std::string_view name, std::string_view value) override;
    void Describe(std::string& out) const override;

    void SetCommand(std::string command) { command_ = std::move(command); }
    void SetParameters(std::string parameters) { parameters_ = std::move(parameters); }
    const std::string& Command() const noexcept { return command_; }
    const std::string& Parameters() const noexcept { return parameters_; }
    int LastError() const noexcept { return lastError_; }

    void Execute();

    static const char* Verb(Operation operation) noexcept;
    static int ShowCommand(ShowOption option) noexcept;

private:
    Operation operation_ = Operation::Open;
    ShowOption option_ = ShowOption::Show;
    std::string command_;
    std::string parameters_;
    std::string defaultDir_;
    KernelHandle process_;
    int lastError_ = 0;
};

}  // namespace quillcast
