#pragma once
#include "toolkit/component.h"

namespace quillcast {

// The About box: built afresh at every Execute and shown modally.
class TLMDAboutDlg : public TFormComponent {
public:
    using TFormComponent::TFormComponent;
    std::string_view ClassName() const override { return "TLMDAboutDlg"; }
    void ReadProperty(std::string_view name, std::string_view value) override;
    bool Execute();
};

}  // namespace quillcast
