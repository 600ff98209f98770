#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillcast {

class TForm;

class TObject {
public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;

// Anything that sits on a form and is built from its layout. The owner keeps
// its components alive exactly as long as itself.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner) noexcept : owner_(owner) {}
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    ~TComponent() override;

    virtual std::string_view ClassName() const = 0;
    const std::string& Name() const noexcept { return name_; }
    void SetName(std::string_view name) { name_ = name; }
    TComponent* Owner() const noexcept { return owner_; }

    // Takes one published property from the layout; unknown names are an error.
    virtual void ReadProperty(std::string_view name, std::string_view value);
    // All properties are read: the component may now create what it shows.
    virtual void Loaded() {}
    // Appends "Key=Value" lines describing the component, for tests and tools.
    virtual void Describe(std::string& out) const;

    TComponent* Adopt(std::unique_ptr<TComponent> component);
    const std::vector<std::unique_ptr<TComponent>>& Components() const noexcept { return components_; }

protected:
    // Destroys owned components, newest first, while the owner is still whole.
    void DestroyComponents() noexcept;

private:
    TComponent* owner_;
    std::string name_;
    std::vector<std::unique_ptr<TComponent>> components_;
};

// A component that lives on a form without a place of its own (timers, launchers).
class TFormComponent : public TComponent {
public:
    explicit TFormComponent(TForm& form) noexcept;
    TForm& Form() const noexcept { return form_; }

private:
    TForm& form_;
};

// A visible component with designed bounds, scaled by its form.
class TControl : public TFormComponent {
public:
    using TFormComponent::TFormComponent;

    void ReadProperty(std::string_view name, std::string_view value) override;
    void Describe(std::string& out) const override;

    // Bounds in the form's client coordinates, as placed (scaled, scrolled).
    RECT BoundsRect() const noexcept;
    const RECT& DesignedBounds() const noexcept { return designed_; }
    bool ContainsPoint(POINT clientPoint) const noexcept;
    virtual const std::string& Caption() const noexcept { return caption_; }
    // The text the control holds now, as the program reads it.
    virtual std::string CurrentText() const { return caption_; }
    const std::string& Hint() const noexcept { return hint_; }
    bool ShowHint() const noexcept { return showHint_; }

protected:
    void SetDesignedSize(int width, int height) noexcept;
    void SetCaptionText(std::string text) { caption_ = std::move(text); }
    bool IsCaptionProperty(std::string_view name) const noexcept { return name == "Caption" || name == "Text"; }

private:
    RECT designed_{};
    std::string caption_;
    std::string hint_;
    bool showHint_ = false;
};

// A control without a window: the form paints it and hit-tests the mouse for it.
class TGraphicControl : public TControl {
public:
    using TControl::TControl;
    void Loaded() override;
    virtual void Paint(HDC dc) = 0;
    virtual bool TakesMouse() const noexcept { return false; }
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void MouseDown(POINT) {}
    virtual void MouseMove(POINT) {}
    virtual void MouseUp(POINT) {}
    virtual void CancelMode() {}
    void Invalidate() const noexcept;
};

// A control with a child window of its own, sub-classed so that its events
// reach the component and no exception escapes into the window system.
class TWinControl : public TControl {
public:
    using TControl::TControl;
    ~TWinControl() override;

    void ReadProperty(std::string_view name, std::string_view value) override;
    void Loaded() override;
    void Describe(std::string& out) const override;

    HWND Handle() const noexcept { return handle_; }
    int TabOrder() const noexcept { return tabOrder_; }
    virtual std::string Text() const;
    virtual void SetText(std::string_view text);
    std::string CurrentText() const override { return Text(); }
    void SetFocus() const noexcept;
    // Focus arrives by Tab or at start: edits then select their whole text.
    virtual void FocusedByKeyboard() {}
    // A background brush for WM_CTLCOLOR*, or null for the system's default.
    virtual HBRUSH ControlColor(HDC) { return nullptr; }

    static TWinControl* FromHandle(HWND window) noexcept;

protected:
    virtual const char* WindowClass() const = 0;
    virtual DWORD WindowStyle() const = 0;
    virtual DWORD WindowExStyle() const { return 0; }
    // Messages of the child window; return true when handled (result in `result`).
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam) const noexcept;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND handle_ = nullptr;
    WNDPROC defaultProc_ = nullptr;
    int tabOrder_ = -1;
};

}  // namespace quillcast
