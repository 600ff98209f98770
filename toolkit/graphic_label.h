#pragma once
#include "toolkit/component.h"
#include "toolkit/model/property_values.h"

namespace quillcast {

// A decorative caption: letters set along a shape, extruded and gradient-filled.
class TLMDGraphicLabel : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::string_view ClassName() const override { return "TLMDGraphicLabel"; }
    void ReadProperty(std::string_view name, std::string_view value) override;
    void Paint(HDC dc) override;
};

}  // namespace quillcast
