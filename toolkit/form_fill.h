#pragma once
#include "toolkit/component.h"
#include "toolkit/form.h"
#include "toolkit/gradient_fill.h"

namespace quillcast {

// Paints its form's whole client area with a band gradient in place of the
// form's plain colour. It has no place of its own on the form.
class TLMDFormFill : public TFormComponent, private TBackgroundPainter {
public:
    explicit TLMDFormFill(TForm& form) noexcept : TFormComponent(form) {}
    ~TLMDFormFill() override;

    std::string_view ClassName() const override { return "TLMDFormFill"; }
    void ReadProperty(std::string_view name, std::string_view value) override;
    void Loaded() override;
    void Describe(std::string& out) const override;

private:
    void PaintBackground(HDC dc, const RECT& client) override;

    TGradientFill fill_{ColorValue::System(COLOR_BTNFACE), ColorValue::Rgb(0, 0, 0), 16};
    bool enabled_ = true;
    bool registered_ = false;
};

}  // namespace quillcast
