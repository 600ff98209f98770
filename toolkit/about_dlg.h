#pragma once
#include "toolkit/about_box.h"
#include "toolkit/component.h"

namespace quillcast {

// The About box as a component of a form: it keeps the box's texts and options
// and, at every Execute, builds the box afresh, shows it modally and destroys it.
class TLMDAboutDlg : public TFormComponent {
public:
    using TFormComponent::TFormComponent;
    std::string_view ClassName() const override { return "TLMDAboutDlg"; }
    void ReadProperty(std::string_view name, std::string_view value) override;
    void Describe(std::string& out) const override;

    // Returns true whatever closed the box.
    bool Execute();

private:
    AboutBoxSettings settings_;
    HWND openBox_ = nullptr;  // while Execute runs
};

}  // namespace quillcast
