#include "toolkit/gradient_fill.h"

#include "toolkit/form.h"
#include "toolkit/model/exception.h"

namespace quillcast {
namespace {

RgbColor ToRgb(COLORREF color) noexcept { return RgbColor{GetRValue(color), GetGValue(color), GetBValue(color)}; }

// Only the look this program's layouts use is drawn; anything else must fail
// loudly at start-up rather than paint something different.
void RequireValue(std::string_view name, std::string_view value, std::string_view supported) {
    if (value != supported)
        throw Exception("Unsupported value '" + std::string(value) + "' of " + std::string(name));
}

}  // namespace

bool TGradientFill::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "FillObject.Style") RequireValue(name, value, "sfGradient");
    else if (name == "FillObject.Gradient.Color") color_ = ParseColor(value);
    else if (name == "FillObject.Gradient.EndColor") endColor_ = ParseColor(value);
    else if (name == "FillObject.Gradient.ColorCount") colorCount_ = ParseInteger(value);
    else if (name == "FillObject.Gradient.Style") RequireValue(name, value, "gstVertical");
    else if (name == "FillObject.Gradient.TwoColors") RequireValue(name, value, "True");
    else if (name == "FillObject.Gradient.PaletteRealize") ParseBoolean(value);  // true colour: no palette needed
    else return false;
    return true;
}

const std::vector<ColorRun>& TGradientFill::RunsFor(int height, COLORREF first, COLORREF last) {
    if (height != cachedHeight_ || first != cachedFirst_ || last != cachedLast_) {
        runs_ = GradientRuns(BandGradient{ToRgb(first), ToRgb(last), colorCount_}, height);
        cachedHeight_ = height;
        cachedFirst_ = first;
        cachedLast_ = last;
    }
    return runs_;
}

void TGradientFill::Paint(HDC dc, const RECT& rect, const TForm& form) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    // System colours are resolved at every paint, so a new desktop scheme shows.
    const auto& runs = RunsFor(rect.bottom - rect.top, form.ResolveColor(color_), form.ResolveColor(endColor_));
    RECT clip{};
    if (GetClipBox(dc, &clip) == ERROR) clip = rect;
    const HGDIOBJ brush = GetStockObject(DC_BRUSH);
    SelectedObject selected(dc, brush);
    const COLORREF previous = GetDCBrushColor(dc);
    for (const ColorRun& run : runs) {
        const RECT band{rect.left, rect.top + run.rows.begin, rect.right, rect.top + run.rows.end};
        if (band.bottom <= clip.top) continue;
        if (band.top >= clip.bottom) break;
        SetDCBrushColor(dc, RGB(run.color.red, run.color.green, run.color.blue));
        FillRect(dc, &band, static_cast<HBRUSH>(brush));
    }
    SetDCBrushColor(dc, previous);
}

}  // namespace quillcast
