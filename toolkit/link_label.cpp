#include "toolkit/link_label.h"

#include <commctrl.h>
#include <shellapi.h>

#include "toolkit/application.h"
#include "toolkit/handles.h"
#include "toolkit/model/about_facts.h"

namespace quillcast {
namespace {

constexpr UINT_PTR kSubclassId = 0x4C494E4B;  // any value unique among this control's subclasses
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr COLORREF kVisitedColour = RGB(128, 0, 128);

}  // namespace

TLinkLabel::TLinkLabel(TApplication& application, HWND parent, const std::string& text, const RECT& bounds,
                       HFONT font)
    : application_(application), font_(font), target_(about::LinkTarget(text)) {
    // SS_NOTIFY: a plain static lets the mouse fall through to its parent.
    window_ = CreateWindowExA(0, "Static", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOTIFY | SS_NOPREFIX,
                              bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                              nullptr, application.Instance(), nullptr);
    if (!window_) throw Exception("Error creating window for a link");
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!SetWindowSubclass(window_, &TLinkLabel::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        DestroyWindow(window_);
        throw Exception("Error creating window for a link");
    }
}

TLinkLabel::~TLinkLabel() {
    // Normally the parent has destroyed the window already; if not, it must not
    // call back into a destroyed object.
    if (window_) {
        HWND window = window_;
        Detach();
        DestroyWindow(window);
    }
}

void TLinkLabel::Detach() noexcept {
    if (window_) RemoveWindowSubclass(window_, &TLinkLabel::SubclassProc, kSubclassId);
    window_ = nullptr;
}

LRESULT CALLBACK TLinkLabel::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) noexcept {
    auto* link = reinterpret_cast<TLinkLabel*>(self);
    if (message == WM_NCDESTROY) {
        link->Detach();
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return Guarded(link->application_, [&] { return link->HandleMessage(message, wParam, lParam); });
}

LRESULT TLinkLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills the whole control
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SETCURSOR:
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        visited_ = true;
        pressed_ = true;
        SetCapture(window_);
        InvalidateRect(window_, nullptr, FALSE);
        return 0;
    case WM_LBUTTONUP:
        if (pressed_) {
            pressed_ = false;
            ReleaseCapture();
            RECT client;
            GetClientRect(window_, &client);
            const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&client, point)) Open();
        }
        return 0;
    case WM_CAPTURECHANGED:
        pressed_ = false;
        break;
    case WM_ENABLE:
        InvalidateRect(window_, nullptr, FALSE);
        break;
    default:
        break;
    }
    return DefSubclassProc(window_, message, wParam, lParam);
}

void TLinkLabel::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    SelectedObject selected(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    const COLORREF colour =
        !IsWindowEnabled(window_) ? GetSysColor(COLOR_GRAYTEXT) : visited_ ? kVisitedColour : kLinkColour;
    SetTextColor(dc, colour);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window_)) + 1, '\0');
    const int length = GetWindowTextA(window_, text.data(), static_cast<int>(text.size()));
    DrawTextA(dc, text.data(), length, &client, kTextFormat);
    EndPaint(window_, &paint);
}

void TLinkLabel::Open() {
    const HINSTANCE result =
        ShellExecuteA(GetParent(window_), "open", target_.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // The shell's old contract: values up to 32 are error codes.
    if (reinterpret_cast<INT_PTR>(result) <= 32 && window_) EnableWindow(window_, FALSE);
}

}  // namespace quillcast
