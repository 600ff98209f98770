// One tick of the clock timer: the text shown and whether the message goes now.
// Input: a flags byte (bit 0: armed, bit 1: 24-hour clock, bit 2: leading zero,
// bit 3: designator before, bit 4: four-byte readings instead of one-byte ones,
// bit 5: schedule written from the reading), the separator in force, the reading
// (hour, minute, second, millisecond), a second millisecond, then either the
// schedule field's text to the end or, with bit 5, pairs of (index, byte) that
// overwrite the schedule written from the reading: near misses of a match are
// then as common as matches.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "sending/tick_decision.h"
#include "support/byte_reader.h"
#include "support/fuzz_check.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of the two characters at `at`, or -1 when they are not two digits.
int FieldValue(std::string_view text, std::size_t at) {
    const char tens = text[at];
    const char units = text[at + 1];
    if (!IsDigit(tens) || !IsDigit(units)) return -1;
    return (tens - '0') * 10 + (units - '0');
}

// The firing rule, written from its description rather than from the code:
// an armed schedule, a reading within 00:00:00..23:59:59, eight characters with
// the separator in force at 2 and 5, and the three fields reading as the clock's
// hour, minute and second; an empty hour tens counts as '0'.
bool ReferenceFires(const quillcast::TimeOfDay& now, char separator, bool armed, std::string_view schedule) {
    if (!armed) return false;
    if (now.hour < 0 || now.hour > 23 || now.minute < 0 || now.minute > 59 || now.second < 0 || now.second > 59) {
        return false;
    }
    if (schedule.size() != 8 || schedule[2] != separator || schedule[5] != separator) return false;
    const int hour = schedule[0] == ' ' ? FieldValue(std::string("0") + schedule[1], 0) : FieldValue(schedule, 0);
    return hour == now.hour && FieldValue(schedule, 3) == now.minute && FieldValue(schedule, 6) == now.second;
}

// "HH:MM:SS" from the reading, each field taken modulo 100 so any reading gives two digits.
std::string WrittenFromReading(const quillcast::TimeOfDay& now, char separator) {
    std::string written;
    for (int field : {now.hour, now.minute, now.second}) {
        const int twoDigits = (field % 100 + 100) % 100;
        if (!written.empty()) written += separator;
        written += static_cast<char>('0' + twoDigits / 10);
        written += static_cast<char>('0' + twoDigits % 10);
    }
    return written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillcast::fuzz::ByteReader input(data, size);
    const std::uint8_t flags = input.Byte();
    const bool armed = (flags & 0x01) != 0;
    quillcast::LocaleTimeSettings settings;
    settings.clock24 = (flags & 0x02) != 0;
    settings.leadingZero = (flags & 0x04) != 0;
    settings.designatorBefore = (flags & 0x08) != 0;
    const bool wide = (flags & 0x10) != 0;
    settings.separator = input.Char();
    const auto reading = [&] { return wide ? input.WideInt() : input.SmallInt(); };
    quillcast::TimeOfDay now;
    now.hour = reading();
    now.minute = reading();
    now.second = reading();
    now.millisecond = reading();
    const int otherMillisecond = reading();
    std::string edited;
    if ((flags & 0x20) != 0) {
        edited = WrittenFromReading(now, settings.separator);
        while (!input.Empty()) {
            const std::size_t index = input.Byte() % edited.size();
            edited[index] = input.Char();
        }
    }
    const std::string_view schedule = (flags & 0x20) != 0 ? std::string_view(edited) : input.Rest();

    const quillcast::TickDecision decision = quillcast::DecideTick(now, settings, armed, schedule);
    QC_FUZZ_CHECK(decision.timeText == quillcast::TimeText(now, settings));
    QC_FUZZ_CHECK(decision.send == ReferenceFires(now, settings.separator, armed, schedule));
    QC_FUZZ_CHECK(!decision.send || (armed && schedule.size() == 8));

    // Disarming always silences the tick, and milliseconds never decide it.
    QC_FUZZ_CHECK(!quillcast::DecideTick(now, settings, false, schedule).send);
    quillcast::TimeOfDay sameSecond = now;
    sameSecond.millisecond = otherMillisecond;
    QC_FUZZ_CHECK(quillcast::DecideTick(sameSecond, settings, armed, schedule).send == decision.send);
    return 0;
}
