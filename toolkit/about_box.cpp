#include "toolkit/about_box.h"

#include <algorithm>
#include <cstring>

#include "toolkit/application.h"
#include "toolkit/explode_effect.h"
#include "toolkit/form.h"
#include "toolkit/modal_session.h"
#include "toolkit/model/about_placement.h"

namespace quillcast {
namespace {

constexpr char kAboutBoxClass[] = "TAboutBox";
constexpr DWORD kBoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kBoxExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
constexpr int kAppNameId = 100;

// Metrics at the designed text height, scaled with the owner's font.
constexpr int kBoxWidth = 440;  // outer width, title bar and frame included
constexpr int kMargin = 12;
constexpr int kIconSize = 64;
constexpr int kIconPadding = 2;
constexpr int kShadowOffset = 4;
constexpr int kLineGap = 4;
constexpr int kSeparatorGap = 8;
constexpr int kFactsGap = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kAppNamePoints = 22;
constexpr COLORREF kShadowColour = RGB(128, 128, 128);

// Static texts wrap exactly as the measuring below assumes.
constexpr DWORD kTextStyle = SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL;
constexpr UINT kTextFormat = TLinkLabel::kTextFormat;

SIZE MeasureText(HDC dc, HFONT font, const std::string& text, int width, UINT format) {
    SelectedObject selected(dc, font);
    RECT bounds{0, 0, std::max(width, 1), 0};
    if (text.empty()) {
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        return {0, metrics.tmHeight};
    }
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &bounds, format | DT_CALCRECT);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

int AverageCharWidth(HDC dc, HFONT font) {
    SelectedObject selected(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return static_cast<int>(metrics.tmAveCharWidth);
}

FontHandle DerivedFont(HFONT base, bool bold, bool underline) {
    LOGFONTA font{};
    GetObjectA(base, sizeof(font), &font);
    if (bold) font.lfWeight = FW_BOLD;
    font.lfUnderline = underline ? TRUE : FALSE;
    FontHandle handle(CreateFontIndirectA(&font));
    if (!handle) throw Exception("Cannot create the font " + std::string(font.lfFaceName));
    return handle;
}

FontHandle AppNameFont() {
    LOGFONTA font{};
    {
        WindowDc screen(nullptr);
        font.lfHeight = -MulDiv(kAppNamePoints, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    }
    font.lfWeight = FW_BOLD;
    font.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(font.lfFaceName, "Arial");
    FontHandle handle(CreateFontIndirectA(&font));
    if (!handle) throw Exception("Cannot create the font Arial");
    return handle;
}

std::vector<about::FactLine> ReadSystemFacts() {
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof(memory);
    if (!GlobalMemoryStatusEx(&memory)) memory.ullTotalPhys = 0;
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    return about::SystemFactLines(memory.ullTotalPhys, system.dwNumberOfProcessors, system.dwProcessorType);
}

}  // namespace

TAboutBox::TAboutBox(TForm& owner, AboutBoxSettings settings) : owner_(owner), settings_(std::move(settings)) {}

TAboutBox::~TAboutBox() { DestroyBoxWindow(); }

void TAboutBox::DestroyBoxWindow() noexcept {
    // Not through the owner's Reset: the window lets go of its handle itself at
    // WM_NCDESTROY, while DestroyWindow is still running. Children go with it, and
    // the fonts they use outlive them.
    if (window_) DestroyWindow(window_.Get());
    if (window_) window_.Release();  // the window procedure was detached: nothing else will
}

int TAboutBox::Scale(int designed) const noexcept { return owner_.Scale(designed); }

void TAboutBox::Build() {
    CreateBoxWindow();
    CreateFonts();
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, kBoxStyle, FALSE, kBoxExStyle);
    const int clientWidth = kBoxWidth - (frame.right - frame.left);
    PlaceOnScreen(clientWidth, CreateContent(clientWidth));
}

void TAboutBox::ShowModal() {
    if (!window_) return;
    TModalSession session(owner_.Application(), window_.Get());
    if (settings_.explode) {
        RECT outline;
        GetWindowRect(window_.Get(), &outline);
        PlayExplodeEffect(outline);
    }
    ShowWindow(window_.Get(), SW_SHOWNORMAL);
    UpdateWindow(window_.Get());
    SetFocus(okButton_);
    session.Run([this] { return closed_ || !window_; });
    // Enabled before the box goes, so that activation returns to the owner.
    session.EnableOthers();
    DestroyBoxWindow();
    session.RestoreFocus();
}

void TAboutBox::CreateBoxWindow() {
    HINSTANCE instance = owner_.Application().Instance();
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExA(instance, kAboutBoxClass, &windowClass)) {
        windowClass = WNDCLASSEXA{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &TAboutBox::WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kAboutBoxClass;
        if (!RegisterClassExA(&windowClass)) throw Exception("Cannot register the window class");
    }
    HWND handle = CreateWindowExA(kBoxExStyle, kAboutBoxClass, settings_.captionTitle.c_str(), kBoxStyle, 0, 0,
                                  kBoxWidth, 100, owner_.Handle(), nullptr, instance, this);
    if (!handle) throw Exception("Error creating window");
    if (window_.Get() != handle) window_.Reset(handle);  // normally attached at WM_NCCREATE
    // A fixed box: its system menu offers only Move and Close.
    if (HMENU menu = GetSystemMenu(handle, FALSE)) {
        for (UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) DeleteMenu(menu, command, MF_BYCOMMAND);
    }
}

void TAboutBox::CreateFonts() {
    font_ = owner_.CreateLayoutFont("MS Sans Serif", -11, false, 13);
    boldFont_ = DerivedFont(font_.Get(), true, false);
    linkFont_ = DerivedFont(font_.Get(), false, true);
    nameFont_ = AppNameFont();
    const int size = Scale(kIconSize);
    icon_.Reset(static_cast<HICON>(
        LoadImageA(owner_.Application().Instance(), "MAINICON", IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

HWND TAboutBox::AddControl(const char* windowClass, const std::string& text, DWORD style, const RECT& bounds,
                           HFONT font, int id) {
    HWND control = CreateWindowExA(0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, bounds.left,
                                   bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, window_.Get(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   owner_.Application().Instance(), nullptr);
    if (!control) throw Exception("Error creating window");
    if (font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

int TAboutBox::CreateContent(int clientWidth) {
    WindowDc dc(window_.Get());
    const int margin = Scale(kMargin);
    const int frameSize = Scale(kIconSize) + 2 * Scale(kIconPadding) + 2;
    iconFrame_ = RECT{margin, margin, margin + frameSize, margin + frameSize};
    const int shadow = Scale(kShadowOffset);
    const int iconBottom = iconFrame_.bottom + shadow;

    const int left = iconFrame_.right + shadow + margin;
    const int width = std::max(clientWidth - margin - left, 1);
    int y = margin;
    for (const about::ColumnLine& line : about::ColumnLines(settings_.texts)) {
        switch (line.kind) {
        case about::LineKind::AppName: {
            // One pixel more each way for the highlight copy under the text.
            const SIZE size = MeasureText(dc.Get(), nameFont_.Get(), line.text, width - 1, kTextFormat);
            AddControl("Static", line.text, SS_OWNERDRAW, {left, y, left + width, y + size.cy + 1}, nameFont_.Get(),
                       kAppNameId);
            y += size.cy + 1 + Scale(kLineGap);
            break;
        }
        case about::LineKind::Version: {
            y = std::max(y, iconBottom);
            const SIZE size = MeasureText(dc.Get(), boldFont_.Get(), line.text, width, kTextFormat);
            AddControl("Static", line.text, kTextStyle, {left, y, left + width, y + size.cy}, boldFont_.Get());
            y += size.cy + Scale(kLineGap);
            break;
        }
        case about::LineKind::Description:
        case about::LineKind::Copyright: {
            const SIZE size = MeasureText(dc.Get(), font_.Get(), line.text, width, kTextFormat);
            AddControl("Static", line.text, kTextStyle, {left, y, left + width, y + size.cy}, font_.Get());
            y += size.cy + Scale(kLineGap);
            break;
        }
        case about::LineKind::WebLink:
        case about::LineKind::EMailLink: {
            // The link is about as wide as its text, so the hand shows over the text only;
            // a character's width to spare, since some fonts draw wider than they measure.
            const SIZE size = MeasureText(dc.Get(), linkFont_.Get(), line.text, width, kTextFormat);
            const int spare = AverageCharWidth(dc.Get(), linkFont_.Get());
            const int linkWidth = std::min(width, static_cast<int>(size.cx) + spare);
            links_.push_back(std::make_unique<TLinkLabel>(owner_.Application(), window_.Get(), line.text,
                                                          RECT{left, y, left + linkWidth, y + size.cy},
                                                          linkFont_.Get()));
            y += size.cy + Scale(kLineGap);
            break;
        }
        }
    }

    y += Scale(kSeparatorGap) - Scale(kLineGap);
    AddControl("Static", "", SS_ETCHEDHORZ, {left, y, left + width, y + 2}, nullptr);
    y += 2 + Scale(kSeparatorGap);

    const auto facts = ReadSystemFacts();
    int captionWidth = 0;
    for (const auto& fact : facts)
        captionWidth = std::max<int>(captionWidth,
                                     MeasureText(dc.Get(), font_.Get(), fact.caption, width, kTextFormat).cx);
    captionWidth = std::min(captionWidth, width / 2);
    const int valueLeft = left + captionWidth + Scale(kFactsGap);
    const int valueWidth = std::max(left + width - valueLeft, 1);
    for (const auto& fact : facts) {
        const int height =
            std::max(MeasureText(dc.Get(), font_.Get(), fact.caption, captionWidth, kTextFormat).cy,
                     MeasureText(dc.Get(), font_.Get(), fact.value, valueWidth, kTextFormat).cy);
        AddControl("Static", fact.caption, kTextStyle, {left, y, left + captionWidth, y + height}, font_.Get());
        AddControl("Static", fact.value, kTextStyle, {valueLeft, y, valueLeft + valueWidth, y + height},
                   font_.Get());
        y += height + Scale(2);
    }

    y += Scale(kMargin) - Scale(2);
    const int buttonLeft = clientWidth - margin - Scale(kButtonWidth);
    okButton_ = AddControl("Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP,
                           {buttonLeft, y, buttonLeft + Scale(kButtonWidth), y + Scale(kButtonHeight)}, font_.Get(),
                           IDOK);
    return y + Scale(kButtonHeight) + margin;
}

void TAboutBox::PlaceOnScreen(int clientWidth, int clientHeight) {
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, kBoxStyle, FALSE, kBoxExStyle);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const about::Point place = about::CentredOnScreen(width, height, GetSystemMetrics(SM_CXSCREEN),
                                                      GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(window_.Get(), nullptr, place.x, place.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- painting ----

void TAboutBox::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_.Get(), &paint);
    if (icon_) {
        // The icon as a framed picture: grey shadow, black frame, the icon inside.
        const int shadow = Scale(kShadowOffset);
        RECT shadowRect = iconFrame_;
        OffsetRect(&shadowRect, shadow, shadow);
        SetDCBrushColor(dc, kShadowColour);
        FillRect(dc, &shadowRect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        FillRect(dc, &iconFrame_, GetSysColorBrush(COLOR_BTNFACE));
        FrameRect(dc, &iconFrame_, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        const int inset = 1 + Scale(kIconPadding), size = Scale(kIconSize);
        DrawIconEx(dc, iconFrame_.left + inset, iconFrame_.top + inset, icon_.Get(), size, size, 0, nullptr,
                   DI_NORMAL);
    }
    EndPaint(window_.Get(), &paint);
}

void TAboutBox::DrawAppName(const DRAWITEMSTRUCT& item) const {
    // Sunken: the text over a copy of itself in the highlight colour, one pixel right and down.
    const int length = GetWindowTextLengthA(item.hwndItem);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(item.hwndItem, text.data(), length + 1);
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    SavedDcState saved(item.hDC);
    SelectObject(item.hDC, nameFont_.Get());
    SetBkMode(item.hDC, TRANSPARENT);
    RECT under{item.rcItem.left + 1, item.rcItem.top + 1, item.rcItem.right, item.rcItem.bottom};
    SetTextColor(item.hDC, GetSysColor(COLOR_HIGHLIGHT));
    DrawTextA(item.hDC, text.data(), copied, &under, kTextFormat);
    RECT over{item.rcItem.left, item.rcItem.top, item.rcItem.right - 1, item.rcItem.bottom - 1};
    SetTextColor(item.hDC, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextA(item.hDC, text.data(), copied, &over, kTextFormat);
}

// ---- the window procedure ----

LRESULT CALLBACK TAboutBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TAboutBox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCCREATE) self->window_.Reset(window);
    if (message == WM_NCDESTROY) {
        self->window_.Release();  // the system has destroyed it
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return Guarded(self->owner_.Application(), [&] { return self->HandleMessage(message, wParam, lParam); });
}

LRESULT TAboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_.Get();
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID != kAppNameId) break;
        DrawAppName(item);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            closed_ = true;
            return 0;
        }
        break;
    case WM_CLOSE:
        closed_ = true;  // destroyed once the modal loop has let go of it
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window, focus)) lastFocus_ = focus;
        } else {
            SetFocus(lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : okButton_);
        }
        return 0;
    case WM_NCPAINT:
    case WM_NCACTIVATE:
        if (settings_.captionFill) return captionFill_.HandleNonClient(window, message, wParam, lParam);
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace quillcast
