#include "toolkit/graphic_label.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/model/exception.h"

namespace quillcast {
namespace {

// Only the look this program's layouts use is drawn; anything else must fail
// loudly at start-up rather than paint something different.
void RequireValue(std::string_view name, std::string_view value, std::string_view supported) {
    if (value != supported)
        throw Exception("Unsupported value '" + std::string(value) + "' of " + std::string(name));
}

BYTE ParseCharset(std::string_view value) {
    if (value == "DEFAULT_CHARSET") return DEFAULT_CHARSET;
    if (value == "ANSI_CHARSET") return ANSI_CHARSET;
    return static_cast<BYTE>(ParseInteger(value));
}

}  // namespace

void TLMDGraphicLabel::ReadProperty(std::string_view name, std::string_view value) {
    if (fill_.ReadProperty(name, value)) return;
    if (name.starts_with("Font.") || name == "ParentFont") ReadFontProperty(name, value);
    else if (name == "Transparent") transparent_ = ParseBoolean(value);
    else if (name == "BrushBackColor") backColor_ = ParseColor(value);
    else if (name == "Transform") RequireValue(name, value, "tmArrow");
    else if (name == "Factor") effect_.factor = ParseInteger(value);
    else if (name == "Attributes") ReadAttributes(value);
    else if (name == "Perspective") RequireValue(name, value, "tpFrog");
    else if (name == "PerspectiveDepth") effect_.perspectiveDepth = ParseInteger(value);
    // Turning letters is not drawn: both angles must stay upright.
    else if (name == "Toggle" || name == "FontFX.Angle" || name == "FontFX.Tracing") RequireValue(name, value, "0");
    else if (name == "FontFX.Style") RequireValue(name, value, "tdNone");
    else if (name == "InvertCaption" || name == "AutoSize") RequireValue(name, value, "False");
    // No frame: the custom bevel's defaults draw none.
    else if (name == "Bevel.Mode") RequireValue(name, value, "bmCustom");
    else if (name == "Bevel.StyleInner" || name == "Bevel.StyleOuter") RequireValue(name, value, "bvNone");
    else if (name == "Bevel.BorderWidth") RequireValue(name, value, "0");
    else TGraphicControl::ReadProperty(name, value);
}

void TLMDGraphicLabel::ReadFontProperty(std::string_view name, std::string_view value) {
    if (name == "ParentFont") {
        parentFont_ = ParseBoolean(value);
        return;
    }
    parentFont_ = false;  // setting any font property makes the font the label's own
    if (name == "Font.Name") fontName_ = value;
    else if (name == "Font.Height") fontHeight_ = ParseInteger(value);
    else if (name == "Font.Charset") charset_ = ParseCharset(value);
    else if (name == "Font.Color") ParseColor(value);  // the letters take the fill, never the font colour
    else if (name == "Font.Style") {
        for (std::string_view style : ParseSet(value)) {
            if (style == "fsBold") fontWeight_ = FW_BOLD;
            else if (style == "fsItalic") italic_ = true;
            else if (style == "fsUnderline") underline_ = true;
            else if (style == "fsStrikeOut") strikeOut_ = true;
            else throw Exception("Invalid property value '" + std::string(value) + "' of Font.Style");
        }
    } else {
        TGraphicControl::ReadProperty(name, value);
    }
}

void TLMDGraphicLabel::ReadAttributes(std::string_view value) {
    perspective_ = false;
    for (std::string_view attribute : ParseSet(value)) {
        if (attribute == "taPerspective") perspective_ = true;
        else if (attribute == "taToggled" || attribute == "taAutoToggled") continue;  // by angles that are 0
        else throw Exception("Unsupported value '" + std::string(attribute) + "' of Attributes");
    }
}

FontHandle TLMDGraphicLabel::CreateTitleFont() const {
    LOGFONTA font{};
    // The form's text-height rule scales a control's own font like its bounds.
    font.lfHeight = Form().Scale(fontHeight_);
    font.lfWeight = fontWeight_;
    font.lfItalic = italic_;
    font.lfUnderline = underline_;
    font.lfStrikeOut = strikeOut_;
    font.lfCharSet = charset_;
    // Outlines are needed for the shape: where the face is missing, ask for a
    // TrueType sans-serif in its place.
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    const std::size_t length = std::min<std::size_t>(fontName_.size(), LF_FACESIZE - 1);
    std::memcpy(font.lfFaceName, fontName_.data(), length);
    FontHandle handle(CreateFontIndirectA(&font));
    if (!handle) throw Exception("Cannot create the font " + fontName_);
    return handle;
}

void TLMDGraphicLabel::Loaded() {
    TGraphicControl::Loaded();
    const RECT bounds = BoundsRect();
    if (parentFont_) {
        BuildShape(Form().Font(), bounds.right - bounds.left, bounds.bottom - bounds.top);
    } else {
        const FontHandle font = CreateTitleFont();
        BuildShape(font.Get(), bounds.right - bounds.left, bounds.bottom - bounds.top);
    }
}

void TLMDGraphicLabel::BuildShape(HFONT font, int width, int height) {
    MemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc) throw Exception("Cannot draw the title " + Name());
    SelectedObject selected(dc.Get(), font);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc.Get(), LF_FACESIZE, face);
    faceUsed_ = face;

    const std::string& caption = Caption();
    SIZE line{};
    GetTextExtentPoint32A(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &line);
    lineHeight_ = line.cy;
    if (caption.empty()) {
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc.Get(), &metrics);
        lineHeight_ = metrics.tmHeight;
    }
    std::vector<int> advances;
    advances.reserve(caption.size());
    for (const char& letter : caption) {
        SIZE extent{};
        GetTextExtentPoint32A(dc.Get(), &letter, 1, &extent);
        advances.push_back(extent.cx);
    }
    TitleEffect effect = effect_;
    if (!perspective_) effect.perspectiveDepth = 0;
    const auto letters = LayOutTitle(advances, lineHeight_, height, effect);

    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextAlign(dc.Get(), TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    shape_.Reset(CreateRectRgn(0, 0, 0, 0));
    if (!shape_) throw Exception("Cannot draw the title " + Name());
    for (std::size_t i = 0; i < letters.size(); ++i) {
        // Letters that start beyond the right edge are cut off whole.
        if (letters[i].base.x >= width) continue;
        for (const TitlePoint& copy : letters[i].copies) {
            BeginPath(dc.Get());
            TextOutA(dc.Get(), copy.x, copy.y, &caption[i], 1);
            EndPath(dc.Get());
            // A blank letter has no outline and gives no region: it only moves the pen.
            RegionHandle outline(PathToRegion(dc.Get()));
            if (outline) CombineRgn(shape_.Get(), shape_.Get(), outline.Get(), RGN_OR);
        }
    }
}

void TLMDGraphicLabel::Describe(std::string& out) const {
    TGraphicControl::Describe(out);
    RECT box{};
    const int kind = shape_ ? GetRgnBox(shape_.Get(), &box) : NULLREGION;
    out += "HasWindow=0\nHwnd=0\nTabOrder=-1\nFontFace=" + faceUsed_ + "\nLineHeight=" + std::to_string(lineHeight_) +
           "\nShapeEmpty=" + (kind == NULLREGION || kind == ERROR ? "1" : "0") + "\n";
}

void TLMDGraphicLabel::Paint(HDC dc) {
    const RECT bounds = BoundsRect();
    if (!transparent_) {
        BrushHandle brush(CreateSolidBrush(Form().ResolveColor(backColor_)));
        FillRect(dc, &bounds, brush.Get());
    }
    if (!shape_) return;
    SavedDcState saved(dc);
    // Clip regions live in device coordinates: move the shape to where the
    // label's corner lands on the device, select it, and put it back.
    POINT corner{bounds.left, bounds.top};
    LPtoDP(dc, &corner, 1);
    OffsetRgn(shape_.Get(), corner.x, corner.y);
    const int clip = ExtSelectClipRgn(dc, shape_.Get(), RGN_AND);
    OffsetRgn(shape_.Get(), -corner.x, -corner.y);
    if (clip == NULLREGION || clip == ERROR) return;
    fill_.Paint(dc, bounds, Form());
}

}  // namespace quillcast
