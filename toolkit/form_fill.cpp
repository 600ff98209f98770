#include "toolkit/form_fill.h"

#include "toolkit/model/exception.h"

namespace quillcast {

TLMDFormFill::~TLMDFormFill() {
    // The form outlives its components and may still paint after we are gone.
    if (registered_) Form().SetBackgroundPainter(nullptr);
}

void TLMDFormFill::ReadProperty(std::string_view name, std::string_view value) {
    if (fill_.ReadProperty(name, value)) return;
    if (name == "Enabled") {
        enabled_ = ParseBoolean(value);
    } else if (name == "PaintMode") {
        if (value != "pcControl") throw Exception("Unsupported value '" + std::string(value) + "' of PaintMode");
    } else {
        TFormComponent::ReadProperty(name, value);
    }
}

void TLMDFormFill::Loaded() {
    if (!enabled_) return;  // the form keeps its own colour
    Form().SetBackgroundPainter(this);
    registered_ = true;
}

void TLMDFormFill::Describe(std::string& out) const {
    TFormComponent::Describe(out);
    out += "ColorCount=" + std::to_string(fill_.ColorCount()) + "\nPainting=" + (registered_ ? "1" : "0") + "\n";
}

void TLMDFormFill::PaintBackground(HDC dc, const RECT& client) { fill_.Paint(dc, client, Form()); }

}  // namespace quillcast
