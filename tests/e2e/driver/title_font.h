#pragma once
// The title's font as the program makes it, for working out where its letters must
// stand from this machine's own metrics.
#include <windows.h>

#include <string>

namespace e2e {

inline constexpr char kCaption[] = "Zuvo Quillcast";
inline constexpr char kTitleFace[] = "Arial";
inline constexpr int kTitleFontHeight = -40;
inline constexpr int kDesignedTextHeight = 13;

class TitleFont {
public:
    explicit TitleFont(int formTextHeight) {
        LOGFONTA font{};
        // The form scales a control's own font by its text height over the designed 13.
        font.lfHeight = MulDiv(kTitleFontHeight, formTextHeight, kDesignedTextHeight);
        font.lfWeight = FW_NORMAL;
        font.lfCharSet = DEFAULT_CHARSET;
        font.lfOutPrecision = OUT_TT_PRECIS;
        font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        lstrcpyA(font.lfFaceName, kTitleFace);
        font_ = CreateFontIndirectA(&font);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, font_);
        SetTextAlign(dc_, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
        SetBkMode(dc_, TRANSPARENT);
    }
    TitleFont(const TitleFont&) = delete;
    TitleFont& operator=(const TitleFont&) = delete;
    ~TitleFont() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        DeleteObject(font_);
    }

    std::string face() const {
        char name[LF_FACESIZE] = {};
        GetTextFaceA(dc_, LF_FACESIZE, name);
        return name;
    }
    SIZE extent(const std::string& text) const {
        SIZE size{};
        GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size;
    }
    // The box of the letter's outline laid down at base point (x, y); false for a
    // blank letter. Outlines are rounded to whole pixels where they land, so the
    // letter is measured exactly where it is to stand.
    bool outlineBox(char letter, int x, int y, RECT& box) const {
        BeginPath(dc_);
        TextOutA(dc_, x, y, &letter, 1);
        EndPath(dc_);
        HRGN region = PathToRegion(dc_);
        if (!region) return false;
        const int kind = GetRgnBox(region, &box);
        DeleteObject(region);
        return kind != NULLREGION && kind != ERROR;
    }

private:
    HFONT font_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace e2e
