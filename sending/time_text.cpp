#include "sending/time_text.h"

#include <algorithm>
#include <string_view>

namespace quillcast {

namespace {

int TwelveHourClockHour(int hour) {
    if (hour == 0) return 12;
    return hour > 12 ? hour - 12 : hour;
}

}  // namespace

bool IsScheduleTime(const TimeOfDay& time) {
    return time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59 &&
           time.second >= 0 && time.second <= 59;
}

std::string TimeText(const TimeOfDay& time, const LocaleTimeSettings& settings) {
    const int hour = std::clamp(time.hour, 0, 23);
    const int minute = std::clamp(time.minute, 0, 59);
    const int second = std::clamp(time.second, 0, 60);
    const int shownHour = settings.clock24 ? hour : TwelveHourClockHour(hour);
    const auto digit = [](int value) { return static_cast<char>('0' + value); };

    const char clock[] = {digit(shownHour / 10), digit(shownHour % 10), settings.separator,
                          digit(minute / 10),    digit(minute % 10),    settings.separator,
                          digit(second / 10),    digit(second % 10)};
    const bool twoDigitHour = settings.leadingZero || shownHour >= 10;
    const std::string_view clockText = std::string_view(clock, sizeof clock).substr(twoDigitHour ? 0 : 1);
    if (settings.clock24) return std::string(clockText);

    const std::string& designator = hour < 12 ? settings.am : settings.pm;
    std::string text;
    text.reserve(clockText.size() + 1 + designator.size());
    if (settings.designatorBefore) {
        text.append(designator).append(1, ' ').append(clockText);
    } else {
        text.append(clockText).append(1, ' ').append(designator);
    }
    return text;
}

}  // namespace quillcast
