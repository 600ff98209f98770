#pragma once
#include "toolkit/component.h"
#include "toolkit/handles.h"

namespace quillcast {

// A flat button without a window: glyph and caption over the form's background,
// a raised edge while the pointer is over it, a sunken one while pressed. It
// never takes the focus; a click is a press and a release on the button.
class TSpeedButton : public TGraphicControl {
public:
    enum class State { Rest, Hover, Pressed };

    using TGraphicControl::TGraphicControl;
    std::string_view ClassName() const override { return "TSpeedButton"; }
    void ReadProperty(std::string_view name, std::string_view value) override;
    void Loaded() override;
    void Describe(std::string& out) const override;
    void Paint(HDC dc) override;

    // Runs the OnClick handler, exactly as a mouse click does.
    void Click();
    State CurrentState() const noexcept;

    bool TakesMouse() const noexcept override { return true; }
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(POINT point) override;
    void MouseMove(POINT point) override;
    void MouseUp(POINT point) override;
    void CancelMode() override;

private:
    void SetFlags(bool hover, bool down, bool inside);
    void PaintGlyph(HDC dc, int x, int y) const;

    TNotifyEvent onClick_;
    std::string glyphName_;
    BitmapHandle glyph_;
    BitmapHandle mask_;
    SIZE glyphSize_{};
    COLORREF transparent_ = 0;
    bool flat_ = false;
    bool hover_ = false;
    bool down_ = false;          // the left button went down on us and is held
    bool pointerInside_ = false;  // while down: is the pointer still over us
};

}  // namespace quillcast
