#pragma once
#include "toolkit/component.h"
#include "toolkit/model/property_values.h"

namespace quillcast {

// Fills its form's background with a band gradient.
class TLMDFormFill : public TFormComponent {
public:
    using TFormComponent::TFormComponent;
    std::string_view ClassName() const override { return "TLMDFormFill"; }
    void ReadProperty(std::string_view name, std::string_view value) override;

private:
    ColorValue color_ = ColorValue::System(COLOR_BTNFACE);
    ColorValue endColor_ = ColorValue::Rgb(0, 0, 0);
    int colorCount_ = 16;
};

}  // namespace quillcast
