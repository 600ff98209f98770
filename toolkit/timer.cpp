#include "toolkit/timer.h"

#include "sending/tick_alignment.h"
#include "toolkit/form.h"
#include "toolkit/model/exception.h"

namespace quillcast {

TTimer::~TTimer() {
    if (armed_) KillTimer(Form().Handle(), Id());
}

void TTimer::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "OnTimer") onTimer_ = Form().NotifyHandler(value);
    else if (name == "Interval") interval_ = static_cast<UINT>(ParseInteger(value));
    else if (name == "Enabled") enabled_ = ParseBoolean(value);
    else TFormComponent::ReadProperty(name, value);
}

void TTimer::Loaded() {
    if (enabled_ && interval_ > 0 && onTimer_) Arm();
}

UINT TTimer::NextDelay() const noexcept {
    if (interval_ != 1000) return interval_;
    // A once-a-second timer keeps step with the clock: each tick is aimed just
    // after the next whole second, so that no second of the clock goes without one.
    SYSTEMTIME now;
    GetLocalTime(&now);
    return static_cast<UINT>(MillisecondsToNextTick(TimeOfDay{now.wHour, now.wMinute, now.wSecond, now.wMilliseconds}));
}

void TTimer::Arm() {
    if (!SetTimer(Form().Handle(), Id(), NextDelay(), nullptr)) throw Exception("Not enough timers available");
    armed_ = true;
}

void TTimer::Tick() {
    if (interval_ == 1000) SetTimer(Form().Handle(), Id(), NextDelay(), nullptr);
    if (onTimer_) onTimer_(this);
}

}  // namespace quillcast
