#include "toolkit/speed_button.h"

#include "toolkit/application.h"
#include "toolkit/form.h"

namespace quillcast {
namespace {
constexpr int kGlyphSpacing = 4;
}

void TSpeedButton::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "OnClick") onClick_ = Form().NotifyHandler(value);
    else if (name == "Flat") flat_ = ParseBoolean(value);
    else if (name == "Glyph") glyphName_ = value;
    else TGraphicControl::ReadProperty(name, value);
}

void TSpeedButton::Loaded() {
    if (!glyphName_.empty()) {
        glyph_.Reset(static_cast<HBITMAP>(
            LoadImageA(Form().Application().Instance(), glyphName_.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        if (!glyph_) throw Exception("Cannot load the picture " + glyphName_);
        BITMAP info{};
        GetObjectA(glyph_.Get(), sizeof(info), &info);
        glyphSize_ = SIZE{info.bmWidth, info.bmHeight};
        // The bottom-left pixel names the colour that lets the background through;
        // the mask holds 1 exactly where a pixel has that colour and 0 elsewhere.
        MemoryDc memory(CreateCompatibleDC(nullptr));
        SelectedObject selected(memory.Get(), glyph_.Get());
        transparent_ = GetPixel(memory.Get(), 0, glyphSize_.cy - 1);
        mask_.Reset(CreateBitmap(glyphSize_.cx, glyphSize_.cy, 1, 1, nullptr));
        if (!mask_) throw Exception("Cannot make the mask of the picture " + glyphName_);
        MemoryDc maskDc(CreateCompatibleDC(nullptr));
        SelectedObject maskSelected(maskDc.Get(), mask_.Get());
        SetBkColor(memory.Get(), transparent_);
        BitBlt(maskDc.Get(), 0, 0, glyphSize_.cx, glyphSize_.cy, memory.Get(), 0, 0, SRCCOPY);
    }
    TGraphicControl::Loaded();
}

TSpeedButton::State TSpeedButton::CurrentState() const noexcept {
    if (down_ && pointerInside_) return State::Pressed;
    return hover_ ? State::Hover : State::Rest;
}

void TSpeedButton::Describe(std::string& out) const {
    TGraphicControl::Describe(out);
    static constexpr const char* kNames[] = {"Rest", "Hover", "Pressed"};
    out += "HasWindow=0\nHwnd=0\nTabOrder=-1\nState=" + std::string(kNames[static_cast<int>(CurrentState())]) + "\n";
}

void TSpeedButton::PaintGlyph(HDC dc, int x, int y) const {
    // Background ^ glyph, cleared where the glyph is opaque, ^ glyph again: the
    // background stays under transparent pixels and the glyph shows elsewhere.
    MemoryDc memory(CreateCompatibleDC(dc));
    MemoryDc maskDc(CreateCompatibleDC(dc));
    SelectedObject selected(memory.Get(), glyph_.Get());
    SelectedObject maskSelected(maskDc.Get(), mask_.Get());
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, x, y, glyphSize_.cx, glyphSize_.cy, memory.Get(), 0, 0, SRCINVERT);
    BitBlt(dc, x, y, glyphSize_.cx, glyphSize_.cy, maskDc.Get(), 0, 0, SRCAND);
    BitBlt(dc, x, y, glyphSize_.cx, glyphSize_.cy, memory.Get(), 0, 0, SRCINVERT);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
}

void TSpeedButton::Paint(HDC dc) {
    RECT bounds = BoundsRect();
    const State state = CurrentState();
    if (!flat_) DrawEdge(dc, &bounds, state == State::Pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    else if (state == State::Hover) DrawEdge(dc, &bounds, BDR_RAISEDINNER, BF_RECT);
    else if (state == State::Pressed) DrawEdge(dc, &bounds, BDR_SUNKENOUTER, BF_RECT);

    SelectedObject font(dc, Form().Font());
    SIZE text{};
    GetTextExtentPoint32A(dc, Caption().c_str(), static_cast<int>(Caption().size()), &text);
    const bool hasGlyph = static_cast<bool>(glyph_);
    const int groupWidth = (hasGlyph ? glyphSize_.cx : 0) + (hasGlyph && !Caption().empty() ? kGlyphSpacing : 0) + text.cx;
    const int shift = state == State::Pressed ? 1 : 0;
    int x = bounds.left + (bounds.right - bounds.left - groupWidth) / 2 + shift;
    const int middle = (bounds.top + bounds.bottom) / 2 + shift;
    if (hasGlyph) {
        PaintGlyph(dc, x, bounds.top + (bounds.bottom - bounds.top - glyphSize_.cy) / 2 + shift);
        x += glyphSize_.cx + kGlyphSpacing;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutA(dc, x, middle - text.cy / 2, Caption().c_str(), static_cast<int>(Caption().size()));
}

void TSpeedButton::Click() {
    if (onClick_) onClick_(this);
}

void TSpeedButton::SetFlags(bool hover, bool down, bool inside) {
    if (hover == hover_ && down == down_ && inside == pointerInside_) return;
    hover_ = hover;
    down_ = down;
    pointerInside_ = inside;
    Invalidate();
}

void TSpeedButton::MouseEnter() { SetFlags(true, down_, pointerInside_); }
void TSpeedButton::MouseLeave() { SetFlags(false, down_, pointerInside_); }
void TSpeedButton::MouseDown(POINT) { SetFlags(true, true, true); }
void TSpeedButton::MouseMove(POINT point) {
    const bool inside = ContainsPoint(point);
    SetFlags(inside, down_, inside);
}
void TSpeedButton::MouseUp(POINT point) {
    const bool clicked = down_ && ContainsPoint(point);
    SetFlags(ContainsPoint(point), false, false);
    if (clicked) Click();
}
void TSpeedButton::CancelMode() { SetFlags(false, false, false); }

}  // namespace quillcast
