#pragma once
#include <string>

#include "toolkit/component.h"
#include "toolkit/gradient_fill.h"
#include "toolkit/handles.h"
#include "toolkit/model/property_values.h"
#include "toolkit/model/title_geometry.h"

namespace quillcast {

// A decorative caption: its letters set along a peak, each extruded upward,
// the whole shape filled with a band gradient over the label's height. Outside
// the letters the label is transparent; the shape has hard edges.
class TLMDGraphicLabel : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::string_view ClassName() const override { return "TLMDGraphicLabel"; }
    void ReadProperty(std::string_view name, std::string_view value) override;
    void Loaded() override;
    void Describe(std::string& out) const override;
    void Paint(HDC dc) override;

private:
    void ReadFontProperty(std::string_view name, std::string_view value);
    void ReadAttributes(std::string_view value);
    FontHandle CreateTitleFont() const;
    // The letters' outlines, laid out once: the caption, font and size never change.
    void BuildShape(HFONT font, int width, int height);

    // Font as designed; the form scales its height.
    std::string fontName_ = "MS Sans Serif";
    int fontHeight_ = -11;
    int fontWeight_ = FW_NORMAL;
    bool italic_ = false, underline_ = false, strikeOut_ = false;
    BYTE charset_ = DEFAULT_CHARSET;
    bool parentFont_ = true;

    TitleEffect effect_;
    bool perspective_ = false;
    bool transparent_ = false;
    ColorValue backColor_ = ColorValue::System(COLOR_BTNFACE);
    TGradientFill fill_{ColorValue::Rgb(0, 0, 255), ColorValue::Rgb(0, 0, 0), 16};

    // Built in Loaded.
    RegionHandle shape_;  // in the label's own coordinates
    std::string faceUsed_;
    int lineHeight_ = 0;
};

}  // namespace quillcast
