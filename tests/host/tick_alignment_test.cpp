#include <climits>
#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "sending/tick_alignment.h"

namespace quillcast {
namespace {

// The system timer tick that timers are rounded to (64 Hz, as Windows reports it).
constexpr std::int64_t kTimerTickUs = 15'600;

TEST(TickAlignment, EveryReadingAimsJustPastTheNextSecond) {
    for (int ms = 0; ms < 1000; ++ms) {
        const int landing = ms + MillisecondsToNextTick({12, 0, 30, ms});
        // Past the boundary by more than one timer tick, so rounding cannot land it
        // in the second just ended, and early enough to leave the second for a busy thread.
        EXPECT_GT(landing * 1000, 1'000'000 + kTimerTickUs) << ms;
        EXPECT_LE(landing, 1100) << ms;
    }
}

TEST(TickAlignment, AnyReadingGivesABoundedDelay) {
    const int values[] = {INT_MIN, -1000, -1, 0, 59, 60, 61, 999, 1000, 5000, INT_MAX};
    for (int hour : values) {
        for (int second : values) {
            for (int ms : values) {
                const int delay = MillisecondsToNextTick({hour, 30, second, ms});
                EXPECT_GE(delay, 1) << hour << ' ' << second << ' ' << ms;
                EXPECT_LE(delay, 1100) << hour << ' ' << second << ' ' << ms;
            }
        }
    }
    // A leap second lasts a second like any other: the next tick falls just after it.
    EXPECT_EQ(MillisecondsToNextTick({23, 59, 60, 250}), MillisecondsToNextTick({23, 59, 59, 250}));
}

// ---- A simulated day of ticks ----
//
// Time runs in microseconds from the moment the window is built. The clock
// reading at time t is its whole milliseconds. A due timer is handled late: up to
// one timer tick always, and now and then a stall of the UI thread of up to
// 0.9 s (a longer one would swallow the second whatever the timer does).

constexpr std::int64_t kDaySeconds = 86'400;

TimeOfDay ClockAt(std::int64_t us) {
    const std::int64_t ms = us / 1000;
    const std::int64_t second = ms / 1000;
    return {static_cast<int>(second / 3600 % 24), static_cast<int>(second / 60 % 60),
            static_cast<int>(second % 60), static_cast<int>(ms % 1000)};
}

class Lateness {
public:
    explicit Lateness(std::uint64_t seed) : rng_(seed) {}
    std::int64_t Next() {
        std::int64_t late = static_cast<std::int64_t>(rng_() % (kTimerTickUs + 1));
        if (rng_() % 400 == 0) late += 1 + static_cast<std::int64_t>(rng_() % 900'000);
        return late;
    }

private:
    std::mt19937_64 rng_;
};

struct DayCount {
    int missed = 0;   // clock seconds of the day with no tick
    int doubled = 0;  // clock seconds with more than one tick
};

// Counts ticks per clock second over one day, starting with the first whole second
// after the window was built.
class TickLedger {
public:
    explicit TickLedger(std::int64_t startUs) : firstSecond_(startUs / 1'000'000 + 1), ticks_(kDaySeconds, 0) {}
    std::int64_t EndUs() const { return (firstSecond_ + kDaySeconds) * 1'000'000; }
    void Tick(std::int64_t us) {
        const std::int64_t index = us / 1'000'000 - firstSecond_;
        if (index >= 0 && index < kDaySeconds) ++ticks_[index];
    }
    DayCount Count() const {
        DayCount count;
        for (int n : ticks_) {
            if (n == 0) ++count.missed;
            if (n > 1) ++count.doubled;
        }
        return count;
    }

private:
    std::int64_t firstSecond_;
    std::vector<int> ticks_;
};

// Each tick reads the clock and sets a one-shot timer for just after the next second.
DayCount SimulateAlignedTimer(std::int64_t builtUs, std::uint64_t seed) {
    Lateness lateness(seed);
    TickLedger ledger(builtUs);
    std::int64_t due = builtUs + 1000LL * MillisecondsToNextTick(ClockAt(builtUs));
    while (due < ledger.EndUs()) {
        const std::int64_t handled = due + lateness.Next();
        ledger.Tick(handled);
        due = handled + 1000LL * MillisecondsToNextTick(ClockAt(handled));
    }
    return ledger.Count();
}

// A timer repeating every 1000 ms, its period rounded up to whole timer ticks.
// Expiries keep their own pace whatever the thread does; an expiry that comes
// while the previous one is still waiting to be handled merges with it.
DayCount SimulateRepeatingTimer(std::int64_t builtUs, std::uint64_t seed) {
    Lateness lateness(seed);
    TickLedger ledger(builtUs);
    const std::int64_t period = (1'000'000 + kTimerTickUs - 1) / kTimerTickUs * kTimerTickUs;
    std::int64_t lastHandled = builtUs;
    for (std::int64_t expiry = builtUs + period; expiry < ledger.EndUs(); expiry += period) {
        if (expiry <= lastHandled) continue;
        lastHandled = expiry + lateness.Next();
        ledger.Tick(lastHandled);
    }
    return ledger.Count();
}

TEST(TickAlignmentSimulation, AlignedTimerTicksEverySecondOfADayExactlyOnce) {
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        const std::int64_t built = static_cast<std::int64_t>(seed * 7'919'113 % 1'000'000);
        const DayCount count = SimulateAlignedTimer(built, seed);
        EXPECT_EQ(count.missed, 0) << "seed " << seed;
        EXPECT_EQ(count.doubled, 0) << "seed " << seed;
    }
}

TEST(TickAlignmentSimulation, PlainRepeatingTimerMissesSeconds) {
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        const std::int64_t built = static_cast<std::int64_t>(seed * 7'919'113 % 1'000'000);
        const DayCount count = SimulateRepeatingTimer(built, seed);
        // Drifting 14 ms a tick, it passes over a whole second every minute or so.
        EXPECT_GT(count.missed, 1000) << "seed " << seed;
        RecordProperty("missed_seconds_seed_" + std::to_string(seed), count.missed);
    }
}

}  // namespace
}  // namespace quillcast
