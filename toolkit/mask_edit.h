#pragma once
#include "toolkit/edit.h"

namespace quillcast {

// An edit field that may carry an input mask.
class TMaskEdit : public TEdit {
public:
    using TEdit::TEdit;
    std::string_view ClassName() const override { return "TMaskEdit"; }
    void ReadProperty(std::string_view name, std::string_view value) override;

    const std::string& EditMask() const noexcept { return editMask_; }

private:
    std::string editMask_;
};

}  // namespace quillcast
