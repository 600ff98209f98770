#include "toolkit/graphic_label.h"

namespace quillcast {

void TLMDGraphicLabel::ReadProperty(std::string_view name, std::string_view value) {
    if (name.starts_with("Font.") || name.starts_with("FillObject.") || name.starts_with("Bevel.") ||
        name == "ParentFont" || name == "Transparent" || name == "Transform" || name == "Attributes" ||
        name == "Perspective")
        return;
    TGraphicControl::ReadProperty(name, value);
}

void TLMDGraphicLabel::Paint(HDC) {}

}  // namespace quillcast
