#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "sending/locale_time_settings.h"
#include "sending/time_text.h"

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

struct TimeTextCase {
    const char* name;
    LocaleTimeSettings settings;
    TimeOfDay time;
    const char* expected;
};

class TimeTextTable : public testing::TestWithParam<TimeTextCase> {};

TEST_P(TimeTextTable, RendersTheRegionalClockText) {
    const TimeTextCase& c = GetParam();
    EXPECT_EQ(TimeText(c.time, c.settings), c.expected);
}

const LocaleTimeSettings k24Zero = Locale(true, true, false);
const LocaleTimeSettings k24Bare = Locale(true, false, false);
const LocaleTimeSettings k12BareAfter = Locale(false, false, false);
const LocaleTimeSettings k12ZeroAfter = Locale(false, true, false);
const LocaleTimeSettings k12BareBefore = Locale(false, false, true);

INSTANTIATE_TEST_SUITE_P(
    PublishedExamples, TimeTextTable,
    testing::Values(
        TimeTextCase{"H24Zero_0930", k24Zero, {9, 30, 0, 0}, "09:30:00"},
        TimeTextCase{"H24Zero_1405", k24Zero, {14, 5, 0, 0}, "14:05:00"},
        TimeTextCase{"H24Zero_0000", k24Zero, {0, 0, 5, 0}, "00:00:05"},
        TimeTextCase{"H24Bare_0930", k24Bare, {9, 30, 0, 0}, "9:30:00"},
        TimeTextCase{"H24Bare_1405", k24Bare, {14, 5, 0, 0}, "14:05:00"},
        TimeTextCase{"H24Bare_0000", k24Bare, {0, 0, 5, 0}, "0:00:05"},
        TimeTextCase{"H12BareAfter_0930", k12BareAfter, {9, 30, 0, 0}, "9:30:00 am"},
        TimeTextCase{"H12BareAfter_1405", k12BareAfter, {14, 5, 0, 0}, "2:05:00 pm"},
        TimeTextCase{"H12BareAfter_0000", k12BareAfter, {0, 0, 5, 0}, "12:00:05 am"},
        TimeTextCase{"H12ZeroAfter_0930", k12ZeroAfter, {9, 30, 0, 0}, "09:30:00 am"},
        TimeTextCase{"H12ZeroAfter_1405", k12ZeroAfter, {14, 5, 0, 0}, "02:05:00 pm"},
        TimeTextCase{"H12ZeroAfter_0000", k12ZeroAfter, {0, 0, 5, 0}, "12:00:05 am"},
        TimeTextCase{"H12BareBefore_0930", k12BareBefore, {9, 30, 0, 0}, "am 9:30:00"},
        TimeTextCase{"H12BareBefore_1405", k12BareBefore, {14, 5, 0, 0}, "pm 2:05:00"},
        TimeTextCase{"H12BareBefore_0000", k12BareBefore, {0, 0, 5, 0}, "am 12:00:05"}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    HalfDayEdgesAndMilliseconds, TimeTextTable,
    testing::Values(
        TimeTextCase{"NoonIsPm", k12BareAfter, {12, 0, 0, 0}, "12:00:00 pm"},
        TimeTextCase{"LastAmSecond", k12BareAfter, {11, 59, 59, 0}, "11:59:59 am"},
        TimeTextCase{"OnePm", k12BareAfter, {13, 0, 0, 0}, "1:00:00 pm"},
        TimeTextCase{"LastSecondOfDay", k12BareAfter, {23, 59, 59, 0}, "11:59:59 pm"},
        TimeTextCase{"TenAmHasTwoDigitsAnyway", k12BareAfter, {10, 0, 0, 0}, "10:00:00 am"},
        TimeTextCase{"MillisecondsDroppedNotRounded", k24Zero, {14, 5, 59, 999}, "14:05:59"},
        TimeTextCase{"LastMillisecondOfDay", k24Zero, {23, 59, 59, 999}, "23:59:59"}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SeparatorsAndDesignators, TimeTextTable,
    testing::Values(
        TimeTextCase{"Dot", Locale(true, true, false, '.'), {14, 5, 0, 0}, "14.05.00"},
        TimeTextCase{"Space", Locale(true, false, false, ' '), {7, 8, 9, 0}, "7 08 09"},
        TimeTextCase{"HighByte", Locale(true, true, false, '\xB7'), {1, 2, 3, 0}, "01\xB7" "02\xB7" "03"},
        TimeTextCase{"UpperCaseAfter", Locale(false, false, false, ':', "AM", "PM"), {14, 5, 0, 0},
                     "2:05:00 PM"},
        TimeTextCase{"EmptyAmAfterKeepsSpace", Locale(false, false, false, ':', "", ""), {9, 30, 0, 0},
                     "9:30:00 "},
        TimeTextCase{"EmptyPmBeforeKeepsSpace", Locale(false, false, true, ':', "", ""), {21, 30, 0, 0},
                     " 9:30:00"},
        TimeTextCase{"OnlyAmEmpty", Locale(false, false, true, ':', "", "PM"), {21, 30, 0, 0},
                     "PM 9:30:00"},
        TimeTextCase{"LongDesignatorKeptWhole", Locale(false, true, true, '-', "vormittags", "x"),
                     {0, 1, 2, 0}, "vormittags 12-01-02"},
        TimeTextCase{"DesignatorsIgnoredOn24HourClock", Locale(true, false, true, ':', "AM", "PM"),
                     {21, 30, 0, 0}, "21:30:00"}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ReadingsOutOfRange, TimeTextTable,
    testing::Values(
        TimeTextCase{"LeapSecondShowsSixty", k24Zero, {23, 59, 60, 500}, "23:59:60"},
        TimeTextCase{"LeapSecondTwelveHour", k12BareAfter, {23, 59, 60, 0}, "11:59:60 pm"},
        TimeTextCase{"HourAboveDay", k24Zero, {24, 0, 0, 0}, "23:00:00"},
        TimeTextCase{"NegativeFields", k24Zero, {-1, -1, -1, -1}, "00:00:00"},
        TimeTextCase{"MinuteAndSecondTooLarge", k24Zero, {10, 75, 99, 5000}, "10:59:60"},
        TimeTextCase{"ExtremeIntegers", k12BareBefore, {INT_MAX, INT_MIN, INT_MAX, INT_MIN},
                     "pm 11:00:60"}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Reading the six raw settings a locale source returns ----

TEST(LocaleTimeSettingsTest, NothingSuppliedGivesTheDefaults) {
    const LocaleTimeSettings settings = InterpretLocaleTimeSettings({});
    EXPECT_EQ(settings.separator, ':');
    EXPECT_FALSE(settings.leadingZero);
    EXPECT_FALSE(settings.clock24);
    EXPECT_FALSE(settings.designatorBefore);
    EXPECT_EQ(settings.am, "am");
    EXPECT_EQ(settings.pm, "pm");
    EXPECT_EQ(TimeText({14, 5, 0, 0}, settings), "2:05:00 pm");
}

TEST(LocaleTimeSettingsTest, TypicalLocalesReadAsTheyAre) {
    const LocaleTimeSettings german =
        InterpretLocaleTimeSettings({".", "1", "1", "0", std::string(), std::string()});
    EXPECT_EQ(TimeText({9, 3, 7, 0}, german), "09.03.07");
    EXPECT_EQ(german.am, "");  // supplied empty stays empty, it is not "missing"
    EXPECT_EQ(german.pm, "");

    const LocaleTimeSettings chinese = InterpretLocaleTimeSettings({":", "0", "0", "1", "AM", "PM"});
    EXPECT_EQ(TimeText({21, 3, 7, 0}, chinese), "PM 9:03:07");
}

struct SeparatorCase {
    std::optional<std::string> raw;
    char expected;
};

TEST(LocaleTimeSettingsTest, SeparatorIsTheOneCharacterGivenElseColon) {
    const SeparatorCase cases[] = {
        {".", '.'},         {" ", ' '},      {"h", 'h'},       {std::nullopt, ':'},
        {"", ':'},          {"::", ':'},     {" .", ':'},      {std::string(100000, '.'), ':'},
        {std::string(1, '\0'), '\0'},
    };
    for (const SeparatorCase& c : cases) {
        RawLocaleTimeSettings raw;
        raw.separator = c.raw;
        EXPECT_EQ(InterpretLocaleTimeSettings(raw).separator, c.expected)
            << "raw separator of " << (c.raw ? c.raw->size() : 0) << " chars";
    }
}

struct NumberCase {
    const char* text;
    bool nonzero;
};

TEST(LocaleTimeSettingsTest, NumericSettingsAreZeroUnlessANonzeroNumber) {
    const NumberCase cases[] = {
        {"1", true},      {"2", true},       {"01", true},    {"+1", true},     {"-1", true},
        {" 1 ", true},    {"\t1", true},     {"0", false},    {"00", false},    {"-0", false},
        {"", false},      {" ", false},      {"-", false},    {"abc", false},   {"1a", false},
        {"a1", false},    {"1 1", false},    {"0x1", false},  {"$1", false},    {"1.0", false},
        {"99999999999999999999999999", true}, {"00000000000000000000000000", false},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(IsNonzeroLocaleNumber(c.text), c.nonzero) << '"' << c.text << '"';
        // Each of the three numeric settings reads its text the same way.
        const LocaleTimeSettings leading = InterpretLocaleTimeSettings({":", c.text, "0", "0", "", ""});
        const LocaleTimeSettings clock = InterpretLocaleTimeSettings({":", "0", c.text, "0", "", ""});
        const LocaleTimeSettings before = InterpretLocaleTimeSettings({":", "0", "0", c.text, "", ""});
        EXPECT_EQ(leading.leadingZero, c.nonzero) << '"' << c.text << '"';
        EXPECT_EQ(clock.clock24, c.nonzero) << '"' << c.text << '"';
        EXPECT_EQ(before.designatorBefore, c.nonzero) << '"' << c.text << '"';
    }
    EXPECT_FALSE(IsNonzeroLocaleNumber(std::string("1\0", 2)));  // an embedded NUL is junk
}

TEST(LocaleTimeSettingsTest, MissingDesignatorsDefaultAndHostileOnesAreKeptWhole) {
    RawLocaleTimeSettings raw;
    raw.pmDesignator = std::string(70000, 'P');
    const LocaleTimeSettings settings = InterpretLocaleTimeSettings(raw);
    EXPECT_EQ(settings.am, "am");
    EXPECT_EQ(settings.pm.size(), 70000u);
    const std::string text = TimeText({13, 0, 0, 0}, settings);
    EXPECT_EQ(text, "1:00:00 " + std::string(70000, 'P'));
}

}  // namespace
}  // namespace quillcast
