#include "toolkit/form.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "toolkit/application.h"
#include "toolkit/component_factory.h"
#include "toolkit/component_query_protocol.h"
#include "toolkit/timer.h"

namespace quillcast {
namespace {

constexpr char kFormWindowClass[] = "TfrmMain";

int TextHeightOf(HFONT font) noexcept {
    WindowDc screen(nullptr);
    SelectedObject selected(screen.Get(), font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen.Get(), &metrics);
    return metrics.tmHeight;
}

bool FaceIs(HFONT font, std::string_view face) noexcept {
    WindowDc screen(nullptr);
    SelectedObject selected(screen.Get(), font);
    char actual[LF_FACESIZE] = {};
    GetTextFaceA(screen.Get(), LF_FACESIZE, actual);
    return face.size() < LF_FACESIZE && lstrcmpiA(actual, std::string(face).c_str()) == 0;
}

FontHandle MakeFont(std::string_view face, int height, bool bold) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    std::memcpy(font.lfFaceName, face.data(), length);
    FontHandle handle(CreateFontIndirectA(&font));
    if (!handle) throw Exception("Cannot create the font " + std::string(face));
    return handle;
}

int ScreenPixelsPerInch() noexcept {
    WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

}  // namespace

TForm::TForm(TApplication& application) : TComponent(nullptr), application_(application) {}

TForm::~TForm() {
    // Components go first: their windows are children of this one.
    DestroyComponents();
    if (window_) SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, 0);
}

int TForm::Scale(int designed) const noexcept {
    return actualTextHeight_ == designedTextHeight_ ? designed
                                                    : MulDiv(designed, actualTextHeight_, designedTextHeight_);
}

COLORREF TForm::ResolveColor(const ColorValue& color) const noexcept {
    return color.isSystem ? GetSysColor(color.systemIndex) : RGB(color.red, color.green, color.blue);
}

COLORREF TForm::BackgroundColor() const noexcept { return ResolveColor(color_); }

FontHandle TForm::CreateLayoutFont(std::string_view face, int height, bool bold, int designedTextHeight) const {
    const int dpi = ScreenPixelsPerInch();
    const int scaledHeight = MulDiv(height, dpi, 96);
    FontHandle font = MakeFont(face, scaledHeight, bold);
    if (designedTextHeight <= 0 || FaceIs(font.Get(), face)) return font;
    // The system put another face in. Look for a substitute, among faces close
    // in look, and a size whose text height is the designed one, so that the
    // layout keeps its proportions and is not scaled at all at 96 dpi.
    const int target = MulDiv(designedTextHeight, dpi, 96);
    struct Choice {
        std::string_view face;
        int height;
        int error;
    };
    Choice best{face, scaledHeight, std::abs(TextHeightOf(font.Get()) - target)};
    static constexpr std::string_view kSubstitutes[] = {"", "Microsoft Sans Serif", "Tahoma", "DejaVu Sans",
                                                        "Liberation Sans", "Arial"};
    for (std::string_view candidateFace : kSubstitutes) {
        if (candidateFace.empty()) candidateFace = face;
        for (int delta : {0, 1, -1, 2, -2}) {
            if (best.error == 0) break;
            const int height = scaledHeight + (scaledHeight < 0 ? -delta : delta);
            if (height == 0) continue;
            FontHandle trial = MakeFont(candidateFace, height, bold);
            const int error = std::abs(TextHeightOf(trial.Get()) - target);
            if (error < best.error) best = Choice{candidateFace, height, error};
        }
    }
    return MakeFont(best.face, best.height, bold);
}

void TForm::ReadProperty(std::string_view name, std::string_view value) {
    auto setEdge = [&](LONG RECT::*start, LONG RECT::*end) {
        const LONG size = designedWindow_.*end - designedWindow_.*start;
        designedWindow_.*start = ParseInteger(value);
        designedWindow_.*end = designedWindow_.*start + size;
    };
    if (name == "Left") setEdge(&RECT::left, &RECT::right);
    else if (name == "Top") setEdge(&RECT::top, &RECT::bottom);
    else if (name == "Width") designedWindow_.right = designedWindow_.left + ParseInteger(value);
    else if (name == "Height") designedWindow_.bottom = designedWindow_.top + ParseInteger(value);
    else if (name == "Caption") caption_ = value;
    else if (name == "Color") color_ = ParseColor(value);
    else if (name == "Font.Name") fontName_ = value;
    else if (name == "Font.Height") fontHeight_ = ParseInteger(value);
    else if (name == "TextHeight") designedTextHeight_ = ParseInteger(value);
    else if (name == "PixelsPerInch") ParseInteger(value);
    else if (name == "OldCreateOrder") ParseBoolean(value);
    else if (name == "Font.Charset" || name == "Font.Color" || name == "Font.Style") return;
    else TComponent::ReadProperty(name, value);
}

void TForm::Create() {
    const FormLayout& layout = Layout();
    SetName(layout.name);
    for (const auto& property : layout.properties) ReadProperty(property.name, property.value);
    font_ = CreateLayoutFont(fontName_, fontHeight_, false, designedTextHeight_);
    actualTextHeight_ = TextHeightOf(font_.Get());
    CreateWindowHandle();
    CreateComponents();
    UpdateScrollBars();
}

void TForm::CreateWindowHandle() {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExA(application_.Instance(), kFormWindowClass, &windowClass)) {
        windowClass = WNDCLASSEXA{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &TForm::WindowProc;
        windowClass.hInstance = application_.Instance();
        windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        windowClass.hIcon = LoadIconA(application_.Instance(), "MAINICON");
        windowClass.lpszClassName = kFormWindowClass;
        if (!RegisterClassExA(&windowClass)) throw Exception("Cannot register the window class");
    }
    HWND handle = CreateWindowExA(0, kFormWindowClass, caption_.c_str(),
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                  designedWindow_.left, designedWindow_.top,
                                  designedWindow_.right - designedWindow_.left,
                                  designedWindow_.bottom - designedWindow_.top, application_.Handle(), nullptr,
                                  application_.Instance(), this);
    if (!handle) throw Exception("Error creating window");
    if (window_.Get() != handle) window_.Reset(handle);  // normally attached at WM_NCCREATE
}

void TForm::CreateComponents() {
    const FormLayout& layout = Layout();
    for (const auto& description : layout.components) {
        TComponent* component = Adopt(CreateComponent(description.className, *this));
        component->SetName(description.name);
        BindField(description.name, component);
        for (const auto& property : description.properties) component->ReadProperty(property.name, property.value);
    }
    // Windows and painting come once every component has all its properties.
    for (const auto& component : Components()) component->Loaded();
    std::stable_sort(winControls_.begin(), winControls_.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    CreateHintWindow();
}

void TForm::AddGraphicControl(TGraphicControl* control) { graphicControls_.push_back(control); }
void TForm::AddWinControl(TWinControl* control) { winControls_.push_back(control); }

void TForm::InvalidateRect(const RECT& rect) const noexcept {
    if (window_) ::InvalidateRect(window_.Get(), &rect, FALSE);
}

TWinControl* TForm::FirstTabControl() const noexcept {
    for (TWinControl* control : winControls_)
        if (control->TabOrder() >= 0 && IsWindowEnabled(control->Handle())) return control;
    return nullptr;
}

void TForm::SelectNext(bool forward) {
    std::vector<TWinControl*> stops;
    for (TWinControl* control : winControls_)
        if (control->TabOrder() >= 0 && IsWindowEnabled(control->Handle()) && IsWindowVisible(control->Handle()))
            stops.push_back(control);
    if (stops.empty()) return;
    const auto current = std::find(stops.begin(), stops.end(), activeControl_);
    std::size_t index = 0;
    if (current != stops.end()) {
        const std::size_t at = static_cast<std::size_t>(current - stops.begin());
        index = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
    } else if (!forward) {
        index = stops.size() - 1;
    }
    TWinControl* next = stops[index];
    next->SetFocus();
    next->FocusedByKeyboard();
}

void TForm::Show(int showCommand) {
    ShowWindow(window_.Get(), showCommand);
    UpdateWindow(window_.Get());
}

void TForm::Close() {
    // No close query and no close handler: closing always hides the window,
    // and closing the main form ends the program.
    if (application_.MainForm() == this) application_.Terminate();
    else ShowWindow(window_.Get(), SW_HIDE);
}

TNotifyEvent TForm::NotifyHandler(std::string_view name) {
    throw Exception("Invalid property value: no method " + std::string(name));
}

TKeyPressEvent TForm::KeyPressHandler(std::string_view name) {
    throw Exception("Invalid property value: no method " + std::string(name));
}

void TForm::Describe(std::string& out) const {
    TComponent::Describe(out);
    out += "Text=" + caption_ + "\nTextHeight=" + std::to_string(actualTextHeight_) + "\n";
#ifdef QC_TEST_HOOKS
    // What the program's own owners hold right now: flat across repeated work, or a leak.
    out += "LiveKernel=" + std::to_string(LiveObjects::Live(LiveObjects::Kind::Kernel)) +
           "\nLiveGdi=" + std::to_string(LiveObjects::Live(LiveObjects::Kind::Gdi)) +
           "\nLiveUser=" + std::to_string(LiveObjects::Live(LiveObjects::Kind::User)) + "\n";
#endif
}

// ---- painting ----

void TForm::PaintClient(HDC dc, const RECT& client) {
    if (background_) {
        background_->PaintBackground(dc, client);
    } else {
        BrushHandle brush(CreateSolidBrush(BackgroundColor()));
        FillRect(dc, &client, brush.Get());
    }
    for (TGraphicControl* control : graphicControls_) {
        const RECT bounds = control->BoundsRect();
        RECT visible;
        if (!IntersectRect(&visible, &bounds, &client)) continue;
        SavedDcState saved(dc);
        IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
        control->Paint(dc);
    }
}

HDC TForm::PaintBuffer(HDC like, int width, int height) {
    // Kept from paint to paint and remade only when the client size changes:
    // a full repaint then allocates nothing.
    if (!paintBuffer_ || paintBufferSize_.cx != width || paintBufferSize_.cy != height) {
        paintBuffer_.Reset();  // first: it has the old bitmap selected
        paintBitmap_.Reset(CreateCompatibleBitmap(like, width, height));
        if (paintBitmap_) paintBuffer_.Reset(CreateCompatibleDC(like));
        if (!paintBuffer_) {
            paintBitmap_.Reset();
            paintBufferSize_ = SIZE{};
            return nullptr;
        }
        SelectObject(paintBuffer_.Get(), paintBitmap_.Get());
        paintBufferSize_ = SIZE{width, height};
    }
    return paintBuffer_.Get();
}

void TForm::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_.Get(), &paint);
    RECT client;
    GetClientRect(window_.Get(), &client);
    const RECT& area = paint.rcPaint;
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width > 0 && height > 0) {
        // Compose off-screen and copy once: no flicker while resizing.
        if (HDC buffer = PaintBuffer(dc, client.right, client.bottom)) {
            SavedDcState saved(buffer);
            IntersectClipRect(buffer, area.left, area.top, area.right, area.bottom);
            PaintClient(buffer, client);
            BitBlt(dc, area.left, area.top, width, height, buffer, area.left, area.top, SRCCOPY);
        } else {
            PaintClient(dc, client);
        }
    }
    EndPaint(window_.Get(), &paint);
}

// ---- mouse ----

TGraphicControl* TForm::ControlAt(POINT point) const noexcept {
    // The control painted last lies on top.
    for (auto it = graphicControls_.rbegin(); it != graphicControls_.rend(); ++it)
        if ((*it)->TakesMouse() && (*it)->ContainsPoint(point)) return *it;
    return nullptr;
}

void TForm::SetHover(TGraphicControl* control) {
    if (control == hover_) return;
    if (hover_) hover_->MouseLeave();
    hover_ = control;
    if (hover_) {
        hover_->MouseEnter();
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_.Get(), 0};
        TrackMouseEvent(&track);
    }
}

void TForm::OnMouse(UINT message, POINT point) {
    switch (message) {
    case WM_MOUSEMOVE:
        if (captured_) captured_->MouseMove(point);
        else SetHover(ControlAt(point));
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (TGraphicControl* control = ControlAt(point)) {
            captured_ = control;
            SetCapture(window_.Get());
            control->MouseDown(point);
        }
        break;
    case WM_LBUTTONUP:
        if (TGraphicControl* control = std::exchange(captured_, nullptr)) {
            ReleaseCapture();
            SetHover(control->ContainsPoint(point) ? control : ControlAt(point));
            control->MouseUp(point);  // may run a handler: last, after our state is settled
        }
        break;
    case WM_MOUSELEAVE:
        if (!captured_) SetHover(nullptr);
        break;
    default:
        break;
    }
}

// ---- hints ----

void TForm::CreateHintWindow() {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_.Get(), nullptr,
                               application_.Instance(), nullptr);
    if (!tip) return;  // hints are a nicety: the window works without them
    hintWindow_.Reset(tip);
    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 500);
    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 2500);
    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_RESHOW, 100);
    UINT_PTR id = 1;
    for (TGraphicControl* control : graphicControls_) {
        ++id;
        if (!control->ShowHint() || control->Hint().empty()) continue;
        TTTOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = window_.Get();
        tool.uId = id;
        tool.rect = control->BoundsRect();
        tool.lpszText = const_cast<char*>(control->Hint().c_str());
        SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// ---- scrolling: the controls keep their designed places, so a window smaller
// than their extent scrolls instead ----

void TForm::UpdateScrollBars() {
    // Showing or hiding a bar resizes the client area and comes back here.
    if (updatingScrollBars_) return;
    updatingScrollBars_ = true;
    HWND window = window_.Get();
    LONG right = 0, bottom = 0;
    for (const auto& component : Components()) {
        if (auto* control = dynamic_cast<TControl*>(component.get())) {
            const RECT& d = control->DesignedBounds();
            right = std::max(right, static_cast<LONG>(Scale(d.right)));
            bottom = std::max(bottom, static_cast<LONG>(Scale(d.bottom)));
        }
    }
    // Decide from the area the window would have with no bars at all, so that a
    // bar once shown does not keep itself needed.
    RECT client;
    GetClientRect(window, &client);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    LONG width = client.right + ((style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    LONG height = client.bottom + ((style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    bool horizontal = right > width, vertical = bottom > height;
    if (horizontal) height -= GetSystemMetrics(SM_CYHSCROLL);
    if (!vertical && bottom > height) vertical = true;
    if (vertical) width -= GetSystemMetrics(SM_CXVSCROLL);
    if (!horizontal && right > width) {
        horizontal = true;
        height -= GetSystemMetrics(SM_CYHSCROLL);
    }
    auto update = [&](int bar, bool needed, LONG extent, LONG page, LONG position) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        const LONG wanted = needed ? std::clamp<LONG>(position, 0, std::max<LONG>(0, extent - page)) : 0;
        info.nMax = needed ? extent - 1 : 0;
        info.nPage = needed ? static_cast<UINT>(std::max<LONG>(page, 0)) : 0;
        info.nPos = wanted;
        SetScrollInfo(window, bar, &info, TRUE);
        ShowScrollBar(window, bar, needed ? TRUE : FALSE);
        return wanted;
    };
    const LONG newX = update(SB_HORZ, horizontal, right, width, scroll_.x);
    const LONG newY = update(SB_VERT, vertical, bottom, height, scroll_.y);
    updatingScrollBars_ = false;
    if (newX != scroll_.x || newY != scroll_.y) ScrollBy(newX - scroll_.x, newY - scroll_.y);
}

void TForm::ScrollBy(int dx, int dy) {
    if (dx == 0 && dy == 0) return;
    scroll_.x += dx;
    scroll_.y += dy;
    ScrollWindowEx(window_.Get(), -dx, -dy, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE);
    ::InvalidateRect(window_.Get(), nullptr, FALSE);
}

void TForm::OnScroll(int bar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window_.Get(), bar, &info);
    int position = info.nPos;
    const int line = Scale(designedTextHeight_);
    switch (request) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
    }
    position = std::clamp(position, info.nMin, std::max(info.nMin, info.nMax - static_cast<int>(info.nPage) + 1));
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(window_.Get(), bar, &info, TRUE);
    if (bar == SB_HORZ) ScrollBy(position - scroll_.x, 0);
    else ScrollBy(0, position - scroll_.y);
}

// ---- the window procedure ----

LRESULT CALLBACK TForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCCREATE) self->window_.Reset(window);
    return Guarded(self->application_, [&] { return self->HandleMessage(message, wParam, lParam); });
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_.Get();
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT paints everything at once
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(window, &client);
        PaintClient(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_SIZE:
        UpdateScrollBars();
        ::InvalidateRect(window, nullptr, FALSE);
        break;
    case WM_HSCROLL:
        OnScroll(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        OnScroll(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSELEAVE:
        OnMouse(message, POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_CAPTURECHANGED:
        if (captured_ && reinterpret_cast<HWND>(lParam) != window) {
            std::exchange(captured_, nullptr)->CancelMode();
            SetHover(nullptr);
        }
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (TWinControl* control = TWinControl::FromHandle(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = control->ControlColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            // The first activation puts the focus on the first control of the tab
            // order, as if tabbed to; later ones give it back where it was.
            TWinControl* target = everActivated_ ? activeControl_ : nullptr;
            if (!target) target = FirstTabControl();
            if (target) {
                target->SetFocus();
                if (!everActivated_) target->FocusedByKeyboard();
            }
            everActivated_ = true;
            return 0;
        }
        break;
    case WM_SETFOCUS:
        if (activeControl_) activeControl_->SetFocus();
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            application_.Minimize();
            return 0;
        }
        break;
    case WM_TIMER:
        for (const auto& component : Components())
            if (auto* timer = dynamic_cast<TTimer*>(component.get()); timer && timer->Id() == wParam) {
                timer->Tick();
                return 0;
            }
        break;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_WININICHANGE:
        application_.SettingsChanged();
        break;
    case WM_COPYDATA:
        return OnInspect(reinterpret_cast<HWND>(wParam), *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_NCDESTROY:
        window_.Release();  // the system has destroyed it
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool TForm::OnInspect(HWND replyTo, const COPYDATASTRUCT& request) const {
    if (request.dwData != kInspectRequest || !IsWindow(replyTo)) return false;
    const std::string_view name(static_cast<const char*>(request.lpData), request.cbData);
    std::string reply;
    if (name == "*") {
        reply = "Components=";
        for (const auto& component : Components()) reply += component->Name() + ",";
        if (reply.back() == ',') reply.pop_back();
        reply += "\n";
    } else if (name == Name()) {
        Describe(reply);
    } else {
        for (const auto& component : Components())
            if (component->Name() == name) component->Describe(reply);
        if (reply.empty()) return false;
        // Every reply carries every key; those that do not apply read as nothing.
        for (const char* key : {"Left=0", "Top=0", "Width=0", "Height=0", "Text=", "Hint=", "HasWindow=0",
                                "Hwnd=0", "TabOrder=-1"}) {
            const std::string_view entry(key);
            const std::string name = std::string(entry.substr(0, entry.find('=') + 1));
            if (reply.compare(0, name.size(), name) != 0 && reply.find("\n" + name) == std::string::npos)
                reply.append(entry).append("\n");
        }
    }
    COPYDATASTRUCT answer{kInspectReply, static_cast<DWORD>(reply.size()), reply.data()};
    SendMessageA(replyTo, WM_COPYDATA, reinterpret_cast<WPARAM>(window_.Get()), reinterpret_cast<LPARAM>(&answer));
    return true;
}

}  // namespace quillcast
