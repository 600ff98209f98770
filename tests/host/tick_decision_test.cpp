#include <string>

#include <gtest/gtest.h>

#include "sending/tick_decision.h"

namespace quillcast {
namespace {

LocaleTimeSettings Locale(bool clock24, bool leadingZero, bool designatorBefore, char separator = ':',
                          std::string am = "am", std::string pm = "pm") {
    LocaleTimeSettings settings;
    settings.clock24 = clock24;
    settings.leadingZero = leadingZero;
    settings.designatorBefore = designatorBefore;
    settings.separator = separator;
    settings.am = std::move(am);
    settings.pm = std::move(pm);
    return settings;
}

const LocaleTimeSettings k24Zero = Locale(true, true, false);
const LocaleTimeSettings k24Bare = Locale(true, false, false);
const LocaleTimeSettings k12After = Locale(false, false, false, ':', "AM", "PM");
const LocaleTimeSettings k12ZeroBefore = Locale(false, true, true, ':', "AM", "PM");
const LocaleTimeSettings k12EmptyAfter = Locale(false, false, false, ':', "", "");
const LocaleTimeSettings k12EmptyBefore = Locale(false, false, true, ':', "", "");
const LocaleTimeSettings k24Dot = Locale(true, true, false, '.');
const LocaleTimeSettings k12Dot = Locale(false, false, false, '.');

struct FiringCase {
    const char* name;
    LocaleTimeSettings settings;
    TimeOfDay now;
    bool armed;
    const char* schedule;  // the schedule field's Text
    const char* timeText;  // what the clock field shows at that tick
    bool send;
};

class FiringRule : public testing::TestWithParam<FiringCase> {};

TEST_P(FiringRule, ShowsRegionalTextAndSendsOnlyAtTheScheduledSecond) {
    const FiringCase& c = GetParam();
    const TickDecision decision = DecideTick(c.now, c.settings, c.armed, c.schedule);
    EXPECT_EQ(decision.timeText, c.timeText);
    EXPECT_EQ(decision.send, c.send);
}

INSTANTIATE_TEST_SUITE_P(
    AcrossLocales, FiringRule,
    testing::Values(
        // 24-hour clock with leading zeros: the regional text and the entry agree.
        FiringCase{"H24Zero_Fires", k24Zero, {14, 5, 0, 0}, true, "14:05:00", "14:05:00", true},
        FiringCase{"H24Zero_LateInTheSecond", k24Zero, {14, 5, 0, 999}, true, "14:05:00", "14:05:00", true},
        FiringCase{"H24Zero_SecondAfter", k24Zero, {14, 5, 1, 0}, true, "14:05:00", "14:05:01", false},
        FiringCase{"H24Zero_SecondBefore", k24Zero, {14, 4, 59, 999}, true, "14:05:00", "14:04:59", false},
        FiringCase{"H24Zero_Unarmed", k24Zero, {14, 5, 0, 0}, false, "14:05:00", "14:05:00", false},
        FiringCase{"H24Zero_MorningHour", k24Zero, {9, 30, 0, 0}, true, "09:30:00", "09:30:00", true},
        FiringCase{"H24Zero_BlankHourTens", k24Zero, {9, 30, 0, 0}, true, " 9:30:00", "09:30:00", true},
        FiringCase{"H24Zero_Midnight", k24Zero, {0, 0, 0, 0}, true, "00:00:00", "00:00:00", true},
        FiringCase{"H24Zero_MidnightBlankTens", k24Zero, {0, 0, 0, 0}, true, " 0:00:00", "00:00:00", true},
        FiringCase{"H24Zero_LastSecond", k24Zero, {23, 59, 59, 0}, true, "23:59:59", "23:59:59", true},
        // 24-hour clock without leading zeros: morning hours fire, typed either way.
        FiringCase{"H24Bare_MorningTyped0", k24Bare, {9, 30, 0, 0}, true, "09:30:00", "9:30:00", true},
        FiringCase{"H24Bare_MorningBlankTens", k24Bare, {9, 30, 0, 0}, true, " 9:30:00", "9:30:00", true},
        FiringCase{"H24Bare_Afternoon", k24Bare, {14, 5, 0, 0}, true, "14:05:00", "14:05:00", true},
        FiringCase{"H24Bare_RegionalTextIsNoEntry", k24Bare, {9, 30, 0, 0}, true, "9:30:00", "9:30:00", false},
        // 12-hour clocks: entries are 24-hour times whatever the clock field shows.
        FiringCase{"H12After_Afternoon", k12After, {14, 5, 0, 0}, true, "14:05:00", "2:05:00 PM", true},
        FiringCase{"H12After_TwelveHourEntryIsAnotherTime", k12After, {14, 5, 0, 0}, true, "02:05:00",
                   "2:05:00 PM", false},
        FiringCase{"H12After_TwelveHourEntryFiresInTheMorning", k12After, {2, 5, 0, 0}, true, "02:05:00",
                   "2:05:00 AM", true},
        FiringCase{"H12After_JustAfterMidnight", k12After, {0, 0, 5, 0}, true, "00:00:05", "12:00:05 AM", true},
        FiringCase{"H12After_TwelveIsNoon", k12After, {0, 0, 5, 0}, true, "12:00:05", "12:00:05 AM", false},
        FiringCase{"H12After_Noon", k12After, {12, 0, 5, 0}, true, "12:00:05", "12:00:05 PM", true},
        FiringCase{"H12After_BlankHourTens", k12After, {9, 30, 0, 0}, true, " 9:30:00", "9:30:00 AM", true},
        FiringCase{"H12After_Unarmed", k12After, {14, 5, 0, 0}, false, "14:05:00", "2:05:00 PM", false},
        FiringCase{"H12ZeroBefore_Evening", k12ZeroBefore, {21, 30, 0, 0}, true, "21:30:00", "PM 09:30:00",
                   true},
        FiringCase{"H12ZeroBefore_BlankTensMorning", k12ZeroBefore, {9, 30, 0, 0}, true, " 9:30:00",
                   "AM 09:30:00", true},
        FiringCase{"H12EmptyAfter", k12EmptyAfter, {21, 30, 0, 0}, true, "21:30:00", "9:30:00 ", true},
        FiringCase{"H12EmptyAfter_RegionalTextIsNoEntry", k12EmptyAfter, {21, 30, 0, 0}, true, "9:30:00 ",
                   "9:30:00 ", false},
        FiringCase{"H12EmptyBefore_MorningBlankTens", k12EmptyBefore, {9, 30, 0, 0}, true, " 9:30:00",
                   " 9:30:00", true},
        FiringCase{"H12EmptyBefore_EveningNotTheSameEntry", k12EmptyBefore, {21, 30, 0, 0}, true, " 9:30:00",
                   " 9:30:00", false},
        // The separator in force is part of the comparison.
        FiringCase{"H24Dot_Fires", k24Dot, {14, 5, 0, 0}, true, "14.05.00", "14.05.00", true},
        FiringCase{"H24Dot_ColonEntryDoesNot", k24Dot, {14, 5, 0, 0}, true, "14:05:00", "14.05.00", false},
        FiringCase{"H12Dot_Fires", k12Dot, {14, 5, 0, 0}, true, "14.05.00", "2.05.00 pm", true},
        FiringCase{"H24Colon_DotEntryDoesNot", k24Zero, {14, 5, 0, 0}, true, "14.05.00", "14:05:00", false}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    EntriesThatNeverFire, FiringRule,
    testing::Values(
        FiringCase{"Empty", k24Zero, {0, 0, 0, 0}, true, "  :  :  ", "00:00:00", false},
        FiringCase{"HalfTypedSeconds", k24Zero, {14, 5, 0, 0}, true, "14:05:0 ", "14:05:00", false},
        FiringCase{"HalfTypedTensOfSeconds", k24Zero, {14, 5, 0, 0}, true, "14:05: 0", "14:05:00", false},
        FiringCase{"HourUnitsEmpty", k24Zero, {10, 5, 0, 0}, true, "1 :05:00", "10:05:00", false},
        FiringCase{"OnlyHourTensBlankCounts", k24Zero, {4, 5, 0, 0}, true, " 4: 5:00", "04:05:00", false},
        FiringCase{"BlankTensIsNotOne", k24Zero, {14, 5, 0, 0}, true, " 4:05:00", "14:05:00", false},
        FiringCase{"TwentyFour", k24Zero, {0, 0, 0, 0}, true, "24:00:00", "00:00:00", false},
        FiringCase{"TrailingBlank", k24Zero, {14, 5, 0, 0}, true, "14:05:00 ", "14:05:00", false},
        FiringCase{"LeadingBlanks", k24Zero, {14, 5, 0, 0}, true, "  14:05:00", "14:05:00", false},
        FiringCase{"NothingAtAll", k24Zero, {14, 5, 0, 0}, true, "", "14:05:00", false},
        FiringCase{"LeapSecondReading", k24Zero, {23, 59, 60, 0}, true, "23:59:60", "23:59:60", false},
        FiringCase{"HourReadingOutOfRange", k24Zero, {24, 0, 0, 0}, true, "24:00:00", "23:00:00", false},
        FiringCase{"ClampedReadingIsNotThatTime", k24Zero, {30, 0, 0, 0}, true, "23:00:00", "23:00:00", false},
        FiringCase{"NegativeReading", k24Zero, {-1, 0, 0, 0}, true, "00:00:00", "00:00:00", false}),
    [](const auto& row) { return std::string(row.param.name); });

// Whole-day sweeps: every entry that names a time of day fires at exactly one second
// of the day, whatever the regional clock; entries that name no time never do.
struct DaySweep {
    int sends = 0;
    int firstSecond = -1;
};

DaySweep SweepDay(const LocaleTimeSettings& settings, const std::string& schedule) {
    DaySweep sweep;
    for (int s = 0; s < 24 * 3600; ++s) {
        const TimeOfDay now{s / 3600, s / 60 % 60, s % 60, 0};
        if (DecideTick(now, settings, true, schedule).send) {
            if (sweep.sends++ == 0) sweep.firstSecond = s;
        }
    }
    return sweep;
}

TEST(FiringOverADay, TimeOfDayEntriesFireOnceADayWhateverTheRegionalClock) {
    struct Entry {
        const char* text;
        int second;
    };
    const Entry entries[] = {{"00:00:00", 0}, {" 9:30:00", 9 * 3600 + 30 * 60}, {"23:59:59", 86399}};
    // The two kinds of regional clock under which these entries used to be unreachable.
    for (const LocaleTimeSettings& locale : {k24Bare, k12After}) {
        for (const Entry& entry : entries) {
            const DaySweep sweep = SweepDay(locale, entry.text);
            EXPECT_EQ(sweep.sends, 1) << entry.text << " in " << DecideTick({14, 0, 0, 0}, locale, false, "").timeText;
            EXPECT_EQ(sweep.firstSecond, entry.second) << entry.text;
        }
    }
}

TEST(FiringOverADay, EntriesThatAreNoTimeOfDayNeverFire) {
    for (const char* entry : {"24:00:00", "99:99:99", "  :  :  "}) {
        EXPECT_EQ(SweepDay(k12After, entry).sends, 0) << entry;
    }
}

}  // namespace
}  // namespace quillcast
