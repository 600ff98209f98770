#include "sending/tick_decision.h"

namespace quillcast {

namespace {

bool ScheduleMatches(const TimeOfDay& now, char separator, std::string_view scheduleText) {
    if (!IsScheduleTime(now)) return false;
    // The time as the schedule field writes it.
    const auto digit = [](int value) { return static_cast<char>('0' + value); };
    const char written[] = {digit(now.hour / 10),   digit(now.hour % 10),   separator,
                            digit(now.minute / 10), digit(now.minute % 10), separator,
                            digit(now.second / 10), digit(now.second % 10)};
    if (scheduleText.size() != sizeof written) return false;
    for (std::size_t i = 0; i < sizeof written; ++i) {
        const bool blankHourTens = i == 0 && scheduleText[i] == ' ';
        if ((blankHourTens ? '0' : scheduleText[i]) != written[i]) return false;
    }
    return true;
}

}  // namespace

TickDecision DecideTick(const TimeOfDay& now, const LocaleTimeSettings& settings, bool armed,
                        std::string_view scheduleText) {
    TickDecision decision;
    decision.timeText = TimeText(now, settings);
    decision.send = armed && ScheduleMatches(now, settings.separator, scheduleText);
    return decision;
}

}  // namespace quillcast
