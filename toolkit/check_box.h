#pragma once
#include "toolkit/component.h"
#include "toolkit/handles.h"
#include "toolkit/model/property_values.h"

namespace quillcast {

// A two-state check box with its caption at the right, on its own colour.
class TCheckBox : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::string_view ClassName() const override { return "TCheckBox"; }
    void ReadProperty(std::string_view name, std::string_view value) override;
    void Loaded() override;
    void Describe(std::string& out) const override;
    HBRUSH ControlColor(HDC dc) override;

    bool Checked() const noexcept;
    void SetChecked(bool checked) noexcept;

protected:
    const char* WindowClass() const override { return "BUTTON"; }
    DWORD WindowStyle() const override { return WS_TABSTOP | BS_AUTOCHECKBOX; }

private:
    ColorValue color_ = ColorValue::System(COLOR_BTNFACE);
    bool initiallyChecked_ = false;
    BrushHandle brush_;
};

}  // namespace quillcast
