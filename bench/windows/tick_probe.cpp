// How the program's clock ticks sit on the seconds of the local clock. Prints
// figures; never fails on them.
//
//   tick_probe.exe [minutes=10]
//
// Starts quillcast.exe from its own folder and, for `minutes`, polls the text of
// timeNow about once a millisecond: every text that a tick wrote is logged with this
// tool's GetLocalTime reading, and timeNow is set to a marker text at once, so that a
// second tick in the same second shows as a change too (the program overwrites
// timeNow at every tick whatever it holds). Each tick is placed on the second that its
// text names; that gives the seconds that got no tick, those that got two or more, and
// how long after the turn of its second each tick was seen (an upper bound of its
// offset: the polling adds up to a millisecond or two).
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bench/windows/bench_support.h"

namespace {

using namespace bench;

constexpr char kMarker[] = "-";  // no tick ever writes this
constexpr long long kSecondsPerDay = 24 * 60 * 60;

// The local clock in whole seconds since 1601 (so that days follow on) and milliseconds.
struct ClockReading {
    long long second = 0;
    int millisecond = 0;
};

ClockReading ReadLocalClock() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME stamp;
    SystemTimeToFileTime(&now, &stamp);
    const ULARGE_INTEGER ticks{{stamp.dwLowDateTime, stamp.dwHighDateTime}};
    return {static_cast<long long>(ticks.QuadPart / 10'000'000ULL), now.wMilliseconds};
}

std::string TimeOfDay(long long second) {
    const long long ofDay = second % kSecondsPerDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", ofDay / 3600, ofDay / 60 % 60, ofDay % 60);
    return text;
}

// The second of the day that a time text names: three numbers h, m, s in that order
// with anything between them, and "AM"/"PM" (any case) anywhere for the 12-hour clock.
std::optional<long long> SecondOfDayIn(const std::string& text) {
    std::vector<int> numbers;
    std::string letters;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isdigit(c)) {
            int value = 0;
            std::size_t digits = 0;
            for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && digits < 3; ++i, ++digits)
                value = value * 10 + (text[i] - '0');
            numbers.push_back(value);
        } else {
            if (std::isalpha(c)) letters += static_cast<char>(std::toupper(c));
            ++i;
        }
    }
    if (numbers.size() != 3) return std::nullopt;
    int hour = numbers[0];
    const int minute = numbers[1], second = numbers[2];
    if (letters == "AM" || letters == "PM") {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + (letters == "PM" ? 12 : 0);
    } else if (!letters.empty()) {
        return std::nullopt;
    }
    if (hour > 23 || minute > 59 || second > 60) return std::nullopt;
    return hour * 3600LL + minute * 60 + second;
}

// ---- the program under measurement ----

std::optional<std::string> TextOf(HWND window) {
    char text[256];
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000,
                             &copied))
        return std::nullopt;
    return std::string(text, std::min<std::size_t>(copied, sizeof text - 1));
}

// ---- measurements ----

struct Tick {
    long long second;   // the second its text names, on the clock's count
    double offsetMs;    // when it was seen, after the turn of that second
};

// The sample at the rank rounded from fraction x (count - 1). Not bench::Percentile
// (rank share x count, rounded down), whose p99 lies one sample higher on some counts:
// kept so that the offsets compare with the figures taken so far.
double RoundedPercentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

void MeasureTicks(HWND clock, int minutes) {
    std::vector<Tick> ticks;
    std::vector<std::string> unplaced;  // texts that name no second within one of the clock's
    long long polls = 0, failedPolls = 0;

    SendMessageTimeoutA(clock, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kMarker), SMTO_NORMAL, 5000, nullptr);
    const double end = NowMs() + minutes * 60'000.0;
    while (NowMs() < end) {
        ++polls;
        const auto text = TextOf(clock);
        const ClockReading seen = ReadLocalClock();
        if (!text) {
            ++failedPolls;
        } else if (*text != kMarker) {
            SendMessageTimeoutA(clock, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kMarker), SMTO_NORMAL, 5000, nullptr);
            const auto ofDay = SecondOfDayIn(*text);
            // The tick was written at most a moment ago: its second is the one seen now
            // or the one before it.
            std::optional<long long> second;
            for (long long candidate : {seen.second, seen.second - 1})
                if (ofDay && candidate % kSecondsPerDay == *ofDay % kSecondsPerDay) second = candidate;
            if (second)
                ticks.push_back({*second, static_cast<double>(seen.second - *second) * 1000 + seen.millisecond});
            else
                unplaced.push_back(*text + " seen at " + TimeOfDay(seen.second) + "." + std::to_string(seen.millisecond));
        }
        Sleep(1);
    }

    std::map<long long, int> perSecond;
    std::vector<double> offsets;
    for (const Tick& tick : ticks) {
        ++perSecond[tick.second];
        offsets.push_back(tick.offsetMs);
    }
    std::vector<long long> missed, twice;
    if (!perSecond.empty()) {
        for (long long second = perSecond.begin()->first; second <= perSecond.rbegin()->first; ++second) {
            const auto found = perSecond.find(second);
            if (found == perSecond.end()) missed.push_back(second);
            else if (found->second > 1) twice.push_back(second);
        }
    }
    const long long span = perSecond.empty() ? 0 : perSecond.rbegin()->first - perSecond.begin()->first + 1;
    std::printf("ticks                      %zu seen over %lld clock seconds (%d min), %lld polls, %lld unanswered\n",
                ticks.size(), span, minutes, polls, failedPolls);
    std::printf("seconds_missed             %zu (target 0)\n", missed.size());
    std::printf("seconds_ticked_twice       %zu (target 0)\n", twice.size());
    std::printf("tick_offset_ms             median %.0f   p99 %.0f   worst %.0f   best %.0f (seen after the turn of the second)\n",
                RoundedPercentile(offsets, 0.5), RoundedPercentile(offsets, 0.99), RoundedPercentile(offsets, 1.0),
                RoundedPercentile(offsets, 0.0));
    if (!unplaced.empty()) std::printf("texts_not_on_the_clock     %zu\n", unplaced.size());
    const auto listSome = [](const char* what, const std::vector<long long>& seconds) {
        for (std::size_t i = 0; i < seconds.size() && i < 10; ++i) std::printf("  %s %s\n", what, TimeOfDay(seconds[i]).c_str());
    };
    listSome("missed", missed);
    listSome("twice ", twice);
    for (std::size_t i = 0; i < unplaced.size() && i < 10; ++i) std::printf("  not on the clock: %s\n", unplaced[i].c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    Process program(Folder() + "quillcast.exe");
    if (!program.Started()) {
        std::printf("cannot start quillcast.exe (error %lu)\n", GetLastError());
        return 1;
    }
    HWND form = program.Window("TfrmMain", 20000);
    Inspector inspector;
    HWND clock = form ? inspector.Window(form, "timeNow") : nullptr;
    if (!clock) {
        std::printf("the main window or its timeNow field was not found\n");
        return 1;
    }
    // Past start-up: the first tick has been handled.
    const double firstTickDeadline = NowMs() + 5000;
    while (TextOf(clock).value_or("timeNow") == "timeNow" && NowMs() < firstTickDeadline) Sleep(10);

    MeasureTicks(clock, minutes);
    return 0;
}
