#pragma once
#include "toolkit/component.h"
#include "toolkit/model/property_values.h"

namespace quillcast {

// A caption painted by its form: opaque in its own colour unless transparent,
// sized to its text when AutoSize is on.
class TLabel : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::string_view ClassName() const override { return "TLabel"; }
    void ReadProperty(std::string_view name, std::string_view value) override;
    void Loaded() override;
    void Paint(HDC dc) override;

private:
    ColorValue color_ = ColorValue::System(COLOR_BTNFACE);
    bool autoSize_ = true;
    bool transparent_ = false;
};

}  // namespace quillcast
