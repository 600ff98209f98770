#include "toolkit/timer.h"

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

void TTimer::Arm() {
    if (!SetTimer(Form().Handle(), Id(), interval_, nullptr)) throw Exception("Not enough timers available");
    armed_ = true;
}

void TTimer::Tick() {
    if (onTimer_) onTimer_(this);
}

}  // namespace quillcast
