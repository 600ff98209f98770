#include "toolkit/caption_fill.h"

#include "toolkit/handles.h"
#include "toolkit/model/caption_gradient.h"

namespace quillcast {
namespace {

// Visual styles are looked up at run time: the system may lack them altogether.
bool VisualStylesActive() noexcept {
    HMODULE theming = LoadLibraryA("uxtheme.dll");
    if (!theming) return false;
    using IsAppThemedFunction = BOOL(WINAPI*)();
    auto isAppThemed = reinterpret_cast<IsAppThemedFunction>(
        reinterpret_cast<void*>(GetProcAddress(theming, "IsAppThemed")));
    const bool themed = isAppThemed && isAppThemed();
    FreeLibrary(theming);
    return themed;
}

// The DC of a whole window, frame and title bar included, for the length of a scope.
class WholeWindowDc {
public:
    explicit WholeWindowDc(HWND window) noexcept : window_(window), dc_(GetWindowDC(window)) {}
    WholeWindowDc(const WholeWindowDc&) = delete;
    WholeWindowDc& operator=(const WholeWindowDc&) = delete;
    ~WholeWindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC Get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

about::Rgb ToRgb(COLORREF colour) noexcept { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

COLORREF ToColorRef(const about::Rgb& colour) noexcept { return RGB(colour.red, colour.green, colour.blue); }

}  // namespace

TCaptionFill::TCaptionFill() {
    about::CaptionConditions conditions;
    {
        WindowDc screen(nullptr);
        conditions.bitsPerPixel = GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES);
    }
    BOOL gradient = FALSE;
    SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &gradient, 0);
    conditions.systemGradient = gradient != FALSE;
    conditions.visualStyles = VisualStylesActive();
    enabled_ = about::PaintsOwnCaption(conditions);
}

LRESULT TCaptionFill::HandleNonClient(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCACTIVATE) active_ = wParam != FALSE;
    const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
    if (enabled_ && active_) Paint(window);
    return result;
}

void TCaptionFill::Paint(HWND window) const {
    // The title bar lies between the top frame and the client area, less the
    // one-pixel line the system keeps under it.
    RECT windowRect;
    GetWindowRect(window, &windowRect);
    POINT clientOrigin{0, 0};
    ClientToScreen(window, &clientOrigin);
    const int frameX = clientOrigin.x - windowRect.left;
    const int frameY = frameX;  // a dialog frame is as thick at the top as at the sides
    RECT caption{frameX, frameY, windowRect.right - windowRect.left - frameX,
                 frameY + GetSystemMetrics(SM_CYCAPTION) - 1};
    if (caption.bottom > clientOrigin.y - windowRect.top) caption.bottom = clientOrigin.y - windowRect.top;
    if (caption.right <= caption.left || caption.bottom <= caption.top) return;

    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    FontHandle font;  // outlives the DC state below, so it is never deleted while selected
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        font.Reset(CreateFontIndirectA(&metrics.lfCaptionFont));

    const WholeWindowDc windowDc(window);
    HDC dc = windowDc.Get();
    if (!dc) return;
    {
        SavedDcState saved(dc);
        const auto bands = about::GradientBands(caption.right - caption.left, about::Rgb{},
                                                ToRgb(GetSysColor(COLOR_ACTIVECAPTION)), about::kCaptionBands);
        HBRUSH bandBrush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
        for (const auto& band : bands) {
            if (band.end <= band.start) continue;
            SetDCBrushColor(dc, ToColorRef(band.colour));
            const RECT area{caption.left + band.start, caption.top, caption.left + band.end, caption.bottom};
            FillRect(dc, &area, bandBrush);
        }

        // The close box, where the system puts it.
        const int buttonWidth = GetSystemMetrics(SM_CXSIZE) - 2, buttonHeight = GetSystemMetrics(SM_CYSIZE) - 4;
        RECT closeBox{caption.right - 2 - buttonWidth, caption.top + 2, caption.right - 2,
                      caption.top + 2 + buttonHeight};
        DrawFrameControl(dc, &closeBox, DFC_CAPTION, DFCS_CAPTIONCLOSE);

        if (font) SelectObject(dc, font.Get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(about::CaptionTextColour(ToRgb(GetSysColor(COLOR_CAPTIONTEXT)))));
        const int length = GetWindowTextLengthA(window);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        const int copied = GetWindowTextA(window, text.data(), length + 1);
        RECT textArea{caption.left + 3, caption.top, closeBox.left - 2, caption.bottom};
        DrawTextA(dc, text.data(), copied, &textArea,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

}  // namespace quillcast
