#pragma once
#include <string>

#include "sending/locale_time_settings.h"

namespace quillcast {

// A reading of the local wall clock. Normal readings have hour 0..23,
// minute 0..59, second 0..59 (60 during a leap second) and millisecond 0..999,
// but nothing here relies on that.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// True for a time of day a schedule can name: 00:00:00 to 23:59:59.
bool IsScheduleTime(const TimeOfDay& time);

// The clock text the main window shows, in the user's regional format:
// - hours: as they are on the 24-hour clock; on the 12-hour clock 0 becomes 12
//   and 13..23 become 1..11. Two digits with the leading-zero setting, else as few as needed.
// - then separator, two-digit minutes, separator, two-digit seconds; the
//   milliseconds are dropped, never rounded up, so the text never runs ahead of the clock.
// - 12-hour clock only: the AM designator for hours 0..11, PM for 12..23, after
//   the time (" pm") or before it ("pm "); the space stays even when the designator is empty.
// Readings out of range are held to the nearest value in range first (hour 0..23,
// minute 0..59, second 0..60), so a leap second shows as ":60" and any other
// reading still gives a text of the usual shape.
std::string TimeText(const TimeOfDay& time, const LocaleTimeSettings& settings);

}  // namespace quillcast
