#pragma once
#include "toolkit/component.h"

namespace quillcast {

// A single-line edit field. It selects its whole text when the keyboard brings
// the focus, and hands every typed character to OnKeyPress first.
class TEdit : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::string_view ClassName() const override { return "TEdit"; }
    void ReadProperty(std::string_view name, std::string_view value) override;
    void Loaded() override;
    void FocusedByKeyboard() override;

protected:
    const char* WindowClass() const override { return "EDIT"; }
    DWORD WindowStyle() const override { return WS_TABSTOP | ES_AUTOHSCROLL; }
    DWORD WindowExStyle() const override { return WS_EX_CLIENTEDGE; }
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    int MaxLength() const noexcept { return maxLength_; }

private:
    TKeyPressEvent onKeyPress_;
    int maxLength_ = 0;  // 0: as long as the system allows
};

}  // namespace quillcast
