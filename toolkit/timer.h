#pragma once
#include <windows.h>

#include "toolkit/component.h"

namespace quillcast {

// A repeating timer whose ticks arrive as WM_TIMER messages of its form, on the
// form's thread, and run OnTimer. A 1000 ms timer ticks just after each whole
// second of the local clock.
class TTimer : public TFormComponent {
public:
    using TFormComponent::TFormComponent;
    ~TTimer() override;
    std::string_view ClassName() const override { return "TTimer"; }
    void ReadProperty(std::string_view name, std::string_view value) override;
    void Loaded() override;

    UINT_PTR Id() const noexcept { return reinterpret_cast<UINT_PTR>(this); }
    // One tick: re-arms the timer, then runs the handler.
    void Tick();

private:
    void Arm();
    UINT NextDelay() const noexcept;

    TNotifyEvent onTimer_;
    UINT interval_ = 1000;
    bool enabled_ = true;
    bool armed_ = false;
};

}  // namespace quillcast
