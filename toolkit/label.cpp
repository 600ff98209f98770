#include "toolkit/label.h"

#include "toolkit/form.h"

namespace quillcast {

void TLabel::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "Color") color_ = ParseColor(value);
    else if (name == "ParentColor") ParseBoolean(value);  // an own Color is what the layout gives
    else if (name == "AutoSize") autoSize_ = ParseBoolean(value);
    else if (name == "Transparent") transparent_ = ParseBoolean(value);
    else TGraphicControl::ReadProperty(name, value);
}

void TLabel::Loaded() {
    if (autoSize_) {
        WindowDc screen(nullptr);
        SelectedObject font(screen.Get(), Form().Font());
        SIZE extent{};
        GetTextExtentPoint32A(screen.Get(), Caption().c_str(), static_cast<int>(Caption().size()), &extent);
        TEXTMETRICA metrics{};
        GetTextMetricsA(screen.Get(), &metrics);
        // Measured at the real font size; stored back in designed units.
        const int designedWidth = MulDiv(extent.cx, 100, Form().Scale(100));
        const int designedHeight = MulDiv(metrics.tmHeight, 100, Form().Scale(100));
        SetDesignedSize(designedWidth, designedHeight);
    }
    TGraphicControl::Loaded();
}

void TLabel::Paint(HDC dc) {
    RECT bounds = BoundsRect();
    if (!transparent_) {
        BrushHandle brush(CreateSolidBrush(Form().ResolveColor(color_)));
        FillRect(dc, &bounds, brush.Get());
    }
    SelectedObject font(dc, Form().Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextA(dc, Caption().c_str(), static_cast<int>(Caption().size()), &bounds,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace quillcast
