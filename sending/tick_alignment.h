#pragma once
#include "sending/time_text.h"

namespace quillcast {

// How long after a whole second of the local clock a tick is aimed. It exceeds
// one 15.6 ms system timer tick, so a timer rounded to that tick cannot fire
// before the second has turned.
inline constexpr int kTickMarginMs = 20;

// The delay, in milliseconds, from the given clock reading to the next tick:
// the next whole second plus kTickMarginMs. A timer that simply repeats every
// 1000 ms is stretched to a whole number of system timer ticks and slides
// through the second until some second gets no tick, and a schedule for that
// second never sends; re-aiming every tick at the next second keeps one tick
// in every second. Only the milliseconds count (every second ends on a whole
// second, a leap second too); readings outside 0..999 are held to that range,
// so the result always lies within kTickMarginMs + 1 .. 1000 + kTickMarginMs.
int MillisecondsToNextTick(const TimeOfDay& reading);

}  // namespace quillcast
