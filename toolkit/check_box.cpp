#include "toolkit/check_box.h"

#include "toolkit/form.h"

namespace quillcast {

void TCheckBox::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "Color") color_ = ParseColor(value);
    else if (name == "ParentColor") ParseBoolean(value);
    else if (name == "Checked") initiallyChecked_ = ParseBoolean(value);
    else TWinControl::ReadProperty(name, value);
}

void TCheckBox::Loaded() {
    TWinControl::Loaded();
    SetChecked(initiallyChecked_);
}

bool TCheckBox::Checked() const noexcept { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TCheckBox::SetChecked(bool checked) noexcept {
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::Describe(std::string& out) const {
    TWinControl::Describe(out);
    out += std::string("Checked=") + (Checked() ? "1" : "0") + "\n";
}

HBRUSH TCheckBox::ControlColor(HDC dc) {
    const COLORREF color = Form().ResolveColor(color_);
    if (!brush_) brush_.Reset(CreateSolidBrush(color));
    SetBkColor(dc, color);
    return brush_.Get();
}

}  // namespace quillcast
