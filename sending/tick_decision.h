#pragma once
#include <string>
#include <string_view>

#include "sending/locale_time_settings.h"
#include "sending/time_text.h"

namespace quillcast {

// What one tick of the clock timer does: the text to show in the clock field
// and whether to send the message now.
struct TickDecision {
    std::string timeText;
    bool send = false;
};

// Decides one tick from the clock reading, the regional settings, whether the
// schedule is armed and the schedule field's text (blanks as spaces, separators
// as the separator in force).
//
// timeText is the clock in the user's regional format (TimeText).
//
// The schedule is matched against the clock as the schedule field writes a time,
// not against the regional text: a 12-hour clock, hours without a leading zero or
// a designator would otherwise make most entries impossible to reach, and an
// armed schedule that can never fire looks exactly like one that will. So the
// message is sent when, and only when:
// - the schedule is armed, and
// - the reading is a time of day from 00:00:00 to 23:59:59, and
// - the schedule text, with a space in its first position (the hour tens left
//   empty) read as '0', equals byte for byte: two-digit hours 00..23, the
//   separator in force, two-digit minutes, the separator, two-digit seconds.
// Nothing else is trimmed, folded or parsed, so a half-typed entry never
// matches and 24:00:00 or 99:99:99 are never reached. Milliseconds play no part:
// every tick that falls within the scheduled second sends.
TickDecision DecideTick(const TimeOfDay& now, const LocaleTimeSettings& settings, bool armed,
                        std::string_view scheduleText);

}  // namespace quillcast
