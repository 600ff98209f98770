#include "toolkit/form_fill.h"

#include "toolkit/model/exception.h"

namespace quillcast {

void TLMDFormFill::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "FillObject.Style") {
        if (value != "sfGradient") throw Exception("Unsupported fill style '" + std::string(value) + "'");
    } else if (name == "FillObject.Gradient.Color") {
        color_ = ParseColor(value);
    } else if (name == "FillObject.Gradient.EndColor") {
        endColor_ = ParseColor(value);
    } else if (name == "FillObject.Gradient.ColorCount") {
        colorCount_ = ParseInteger(value);
    } else {
        TFormComponent::ReadProperty(name, value);
    }
}

}  // namespace quillcast
