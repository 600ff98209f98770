#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/handles.h"
#include "toolkit/model/layout.h"
#include "toolkit/model/property_values.h"

namespace quillcast {

class TApplication;

// Paints a form's whole client area in place of its plain colour.
class TBackgroundPainter {
public:
    virtual void PaintBackground(HDC dc, const RECT& client) = 0;

protected:
    ~TBackgroundPainter() = default;
};

// A top-level window built from its layout: it creates its components in layout
// order, binds them to fields and their events to handlers by name, paints the
// windowless controls, routes the mouse to them and keeps the keyboard order.
class TForm : public TComponent {
public:
    explicit TForm(TApplication& application);
    ~TForm() override;

    // Builds the window (hidden) and every component from Layout().
    void Create();
    void Show(int showCommand);
    // Asks to close; the main form's close ends the program.
    void Close();

    HWND Handle() const noexcept { return window_.Get(); }
    TApplication& Application() const noexcept { return application_; }
    HFONT Font() const noexcept { return font_.Get(); }
    int Scale(int designed) const noexcept;
    POINT ScrollOffset() const noexcept { return scroll_; }
    COLORREF ResolveColor(const ColorValue& color) const noexcept;

    void SetBackgroundPainter(TBackgroundPainter* painter) noexcept { background_ = painter; }
    void AddGraphicControl(TGraphicControl* control);
    void AddWinControl(TWinControl* control);
    void InvalidateRect(const RECT& rect) const noexcept;
    void ControlFocused(TWinControl* control) noexcept { activeControl_ = control; }
    void SelectNext(bool forward);
    TWinControl* ActiveControl() const noexcept { return activeControl_; }
    TWinControl* FirstTabControl() const noexcept;

    // Builds a font as a layout describes it; when the system substitutes the
    // face, the size is chosen so that the text height stays as designed.
    FontHandle CreateLayoutFont(std::string_view face, int height, bool bold, int designedTextHeight) const;

    std::string_view ClassName() const override = 0;

protected:
    virtual const FormLayout& Layout() const = 0;
    // Binds a created component to the field of the same name.
    virtual void BindField(std::string_view name, TComponent* component) = 0;

public:
    // Handlers by name, for event properties in the layout. Unknown names throw.
    virtual TNotifyEvent NotifyHandler(std::string_view name);
    virtual TKeyPressEvent KeyPressHandler(std::string_view name);

    void ReadProperty(std::string_view name, std::string_view value) override;
    void Describe(std::string& out) const override;
    void PaintClient(HDC dc, const RECT& client);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateWindowHandle();
    void CreateComponents();
    void OnPaint();
    HDC PaintBuffer(HDC like, int width, int height);
    void OnMouse(UINT message, POINT point);
    void SetHover(TGraphicControl* control);
    TGraphicControl* ControlAt(POINT point) const noexcept;
    bool OnInspect(HWND replyTo, const COPYDATASTRUCT& request) const;
    void UpdateScrollBars();
    void ScrollBy(int dx, int dy);
    void OnScroll(int bar, WORD request);
    void CreateHintWindow();
    COLORREF BackgroundColor() const noexcept;

    TApplication& application_;
    WindowHandle window_;
    // The off-screen picture of the client area; the bitmap outlives the DC it is selected into.
    BitmapHandle paintBitmap_;
    MemoryDc paintBuffer_;
    SIZE paintBufferSize_{};
    FontHandle font_;
    WindowHandle hintWindow_;
    std::vector<TGraphicControl*> graphicControls_;  // paint order
    std::vector<TWinControl*> winControls_;
    TBackgroundPainter* background_ = nullptr;
    TGraphicControl* hover_ = nullptr;
    TGraphicControl* captured_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    bool everActivated_ = false;
    bool updatingScrollBars_ = false;
    POINT scroll_{};
    // Designed window properties.
    RECT designedWindow_{};
    std::string caption_;
    ColorValue color_ = ColorValue::System(COLOR_BTNFACE);
    std::string fontName_ = "MS Sans Serif";
    int fontHeight_ = -11;
    int designedTextHeight_ = 13;
    int actualTextHeight_ = 13;
};

}  // namespace quillcast
