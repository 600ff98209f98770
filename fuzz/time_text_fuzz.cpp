// The clock text under arbitrary raw locale settings and arbitrary readings.
// Input: a flags byte (bits 0..5: which of the six raw settings the source
// supplies, in the order separator, leading zero, clock, designator position,
// AM, PM; bit 6: four-byte readings instead of one-byte ones), the reading
// (hour, minute, second, millisecond), a second millisecond, then each supplied
// setting as a text with a one-byte length.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sending/locale_time_settings.h"
#include "sending/time_text.h"
#include "support/byte_reader.h"
#include "support/fuzz_check.h"

namespace {

using quillcast::fuzz::ByteReader;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The numeric rule read straight from its description: trim the blanks at both
// ends, drop one sign, and what is left must be digits, not all of them '0'.
bool ReferenceIsNonzeroNumber(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    std::string_view core = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (core.front() == '+' || core.front() == '-') core.remove_prefix(1);
    if (core.empty() || !std::all_of(core.begin(), core.end(), IsDigit)) return false;
    return std::any_of(core.begin(), core.end(), [](char c) { return c != '0'; });
}

bool ReferenceFlag(const std::optional<std::string>& text) {
    return text.has_value() && ReferenceIsNonzeroNumber(*text);
}

std::optional<std::string> ReadSetting(ByteReader& input, std::uint8_t flags, int bit) {
    if ((flags & (1u << bit)) == 0) return std::nullopt;
    return std::string(input.Text());
}

// Two digits read back as a number, or -1 when they are not two digits.
int TwoDigits(std::string_view text) {
    if (text.size() != 2 || !IsDigit(text[0]) || !IsDigit(text[1])) return -1;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

void CheckClock(std::string_view clock, const quillcast::TimeOfDay& time,
                const quillcast::LocaleTimeSettings& settings) {
    const int hour = std::clamp(time.hour, 0, 23);
    const int shownHour = settings.clock24 ? hour : (hour % 12 == 0 ? 12 : hour % 12);
    const bool twoDigitHour = settings.leadingZero || shownHour >= 10;
    QC_FUZZ_CHECK(clock.size() == (twoDigitHour ? 8u : 7u));
    const std::size_t hourDigits = clock.size() - 6;
    QC_FUZZ_CHECK(clock[hourDigits] == settings.separator);
    QC_FUZZ_CHECK(clock[hourDigits + 3] == settings.separator);

    const std::string_view hourText = clock.substr(0, hourDigits);
    QC_FUZZ_CHECK(std::all_of(hourText.begin(), hourText.end(), IsDigit));
    const int hourValue = hourDigits == 2 ? TwoDigits(hourText) : hourText[0] - '0';
    QC_FUZZ_CHECK(hourValue == shownHour);
    QC_FUZZ_CHECK(TwoDigits(clock.substr(hourDigits + 1, 2)) == std::clamp(time.minute, 0, 59));
    QC_FUZZ_CHECK(TwoDigits(clock.substr(hourDigits + 4, 2)) == std::clamp(time.second, 0, 60));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input(data, size);
    const std::uint8_t flags = input.Byte();
    const bool wide = (flags & 0x40) != 0;
    const auto reading = [&] { return wide ? input.WideInt() : input.SmallInt(); };
    quillcast::TimeOfDay time;
    time.hour = reading();
    time.minute = reading();
    time.second = reading();
    time.millisecond = reading();
    const int otherMillisecond = reading();

    quillcast::RawLocaleTimeSettings raw;
    raw.separator = ReadSetting(input, flags, 0);
    raw.leadingZero = ReadSetting(input, flags, 1);
    raw.clock = ReadSetting(input, flags, 2);
    raw.designatorPosition = ReadSetting(input, flags, 3);
    raw.amDesignator = ReadSetting(input, flags, 4);
    raw.pmDesignator = ReadSetting(input, flags, 5);

    for (const auto* numeric : {&raw.leadingZero, &raw.clock, &raw.designatorPosition}) {
        if (numeric->has_value()) {
            QC_FUZZ_CHECK(quillcast::IsNonzeroLocaleNumber(**numeric) == ReferenceIsNonzeroNumber(**numeric));
        }
    }

    const quillcast::LocaleTimeSettings settings = quillcast::InterpretLocaleTimeSettings(raw);
    const bool oneCharacter = raw.separator.has_value() && raw.separator->size() == 1;
    QC_FUZZ_CHECK(settings.separator == (oneCharacter ? raw.separator->front() : ':'));
    QC_FUZZ_CHECK(settings.leadingZero == ReferenceFlag(raw.leadingZero));
    QC_FUZZ_CHECK(settings.clock24 == ReferenceFlag(raw.clock));
    QC_FUZZ_CHECK(settings.designatorBefore == ReferenceFlag(raw.designatorPosition));
    QC_FUZZ_CHECK(settings.am == raw.amDesignator.value_or("am"));
    QC_FUZZ_CHECK(settings.pm == raw.pmDesignator.value_or("pm"));

    const std::string text = quillcast::TimeText(time, settings);
    if (settings.clock24) {
        CheckClock(text, time, settings);
    } else {
        // The designator of the half of the day, kept whole, and one space.
        const std::string& designator = std::clamp(time.hour, 0, 23) < 12 ? settings.am : settings.pm;
        QC_FUZZ_CHECK(text.size() >= designator.size() + 1);
        const std::string_view view = text;
        if (settings.designatorBefore) {
            QC_FUZZ_CHECK(view.substr(0, designator.size()) == designator);
            QC_FUZZ_CHECK(view[designator.size()] == ' ');
            CheckClock(view.substr(designator.size() + 1), time, settings);
        } else {
            const std::size_t clockSize = view.size() - designator.size() - 1;
            QC_FUZZ_CHECK(view.substr(clockSize + 1) == designator);
            QC_FUZZ_CHECK(view[clockSize] == ' ');
            CheckClock(view.substr(0, clockSize), time, settings);
        }
    }

    // Milliseconds are dropped, never rounded: they cannot change the text.
    quillcast::TimeOfDay otherTime = time;
    otherTime.millisecond = otherMillisecond;
    QC_FUZZ_CHECK(quillcast::TimeText(otherTime, settings) == text);
    return 0;
}
