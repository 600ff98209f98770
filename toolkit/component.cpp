#include "toolkit/component.h"

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/model/property_values.h"

namespace quillcast {

// ---- TComponent ----

TComponent::~TComponent() { DestroyComponents(); }

void TComponent::DestroyComponents() noexcept {
    while (!components_.empty()) components_.pop_back();
}

void TComponent::ReadProperty(std::string_view name, std::string_view) { ThrowUnknownProperty(name_, name); }

void TComponent::Describe(std::string& out) const {
    out += "Name=" + name_ + "\nClass=" + std::string(ClassName()) + "\n";
}

TComponent* TComponent::Adopt(std::unique_ptr<TComponent> component) {
    components_.push_back(std::move(component));
    return components_.back().get();
}

TFormComponent::TFormComponent(TForm& form) noexcept : TComponent(&form), form_(form) {}

// ---- TControl ----

void TControl::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "Left") {
        const int width = designed_.right - designed_.left;
        designed_.left = ParseInteger(value);
        designed_.right = designed_.left + width;
    } else if (name == "Top") {
        const int height = designed_.bottom - designed_.top;
        designed_.top = ParseInteger(value);
        designed_.bottom = designed_.top + height;
    } else if (name == "Width") {
        designed_.right = designed_.left + ParseInteger(value);
    } else if (name == "Height") {
        designed_.bottom = designed_.top + ParseInteger(value);
    } else if (IsCaptionProperty(name)) {
        caption_ = value;
    } else if (name == "Hint") {
        hint_ = value;
    } else if (name == "ShowHint") {
        showHint_ = ParseBoolean(value);
    } else if (name == "ParentShowHint") {
        ParseBoolean(value);  // the control's own ShowHint decides
    } else {
        TComponent::ReadProperty(name, value);
    }
}

void TControl::SetDesignedSize(int width, int height) noexcept {
    designed_.right = designed_.left + width;
    designed_.bottom = designed_.top + height;
}

RECT TControl::BoundsRect() const noexcept {
    const TForm& form = Form();
    const POINT offset = form.ScrollOffset();
    const int left = form.Scale(designed_.left) - offset.x;
    const int top = form.Scale(designed_.top) - offset.y;
    return RECT{left, top, left + form.Scale(designed_.right - designed_.left),
                top + form.Scale(designed_.bottom - designed_.top)};
}

bool TControl::ContainsPoint(POINT clientPoint) const noexcept {
    const RECT bounds = BoundsRect();
    return PtInRect(&bounds, clientPoint) != FALSE;
}

void TControl::Describe(std::string& out) const {
    TComponent::Describe(out);
    const RECT r = BoundsRect();
    out += "Left=" + std::to_string(r.left) + "\nTop=" + std::to_string(r.top) +
           "\nWidth=" + std::to_string(r.right - r.left) + "\nHeight=" + std::to_string(r.bottom - r.top) +
           "\nText=" + CurrentText() + "\nHint=" + hint_ + "\nShowHint=" + (showHint_ ? "1" : "0") + "\n";
}

// ---- TGraphicControl ----

void TGraphicControl::Loaded() { Form().AddGraphicControl(this); }

void TGraphicControl::Invalidate() const noexcept { Form().InvalidateRect(BoundsRect()); }

// ---- TWinControl ----

namespace {
constexpr char kControlProperty[] = "QuillcastControl";
}

TWinControl::~TWinControl() {
    if (handle_) {
        // The form's window may already have destroyed its children with itself.
        if (IsWindow(handle_)) {
            SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
            RemovePropA(handle_, kControlProperty);
            DestroyWindow(handle_);
            LiveObjects::Released(LiveObjects::Kind::User);
        }
    }
}

void TWinControl::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "TabOrder") {
        tabOrder_ = ParseInteger(value);
    } else if (name == "BevelKind" || name == "BevelInner" || name == "BevelOuter") {
        // Flat bevels with no cuts draw nothing beyond the standard sunken border.
        if (value != "bkFlat" && value != "bvNone" && value != "bkNone")
            throw Exception("Unsupported " + std::string(name) + " '" + std::string(value) + "'");
    } else {
        TControl::ReadProperty(name, value);
    }
}

void TWinControl::Loaded() {
    TForm& form = Form();
    const RECT bounds = BoundsRect();
    handle_ = CreateWindowExA(WindowExStyle(), WindowClass(), Caption().c_str(), WS_CHILD | WS_VISIBLE | WindowStyle(),
                              bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                              form.Handle(), nullptr, form.Application().Instance(), nullptr);
    if (!handle_) throw Exception("Error creating window for " + Name());
    LiveObjects::Acquired(LiveObjects::Kind::User);
    SetPropA(handle_, kControlProperty, this);
    defaultProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::SubclassProc)));
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(form.Font()), FALSE);
    form.AddWinControl(this);
}

void TWinControl::Describe(std::string& out) const {
    TControl::Describe(out);
    out += "HasWindow=1\nHwnd=" + std::to_string(reinterpret_cast<std::uintptr_t>(handle_)) +
           "\nTabOrder=" + std::to_string(tabOrder_) + "\n";
}

std::string TWinControl::Text() const {
    if (!handle_) return Caption();
    const int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(handle_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void TWinControl::SetText(std::string_view text) {
    SetCaptionText(std::string(text));
    if (handle_) SetWindowTextA(handle_, std::string(text).c_str());
}

void TWinControl::SetFocus() const noexcept {
    if (handle_) ::SetFocus(handle_);
}

TWinControl* TWinControl::FromHandle(HWND window) noexcept {
    return window ? static_cast<TWinControl*>(GetPropA(window, kControlProperty)) : nullptr;
}

bool TWinControl::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_SETFOCUS) Form().ControlFocused(this);
    return false;
}

LRESULT TWinControl::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) const noexcept {
    return CallWindowProcA(defaultProc_, handle_, message, wParam, lParam);
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    TWinControl* self = FromHandle(window);
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return Guarded(self->Form().Application(), [&]() -> LRESULT {
        LRESULT result = 0;
        if (self->HandleMessage(message, wParam, lParam, result)) return result;
        return self->CallDefault(message, wParam, lParam);
    });
}

}  // namespace quillcast
