#include "sending/tick_alignment.h"

#include <algorithm>

namespace quillcast {

int MillisecondsToNextTick(const TimeOfDay& reading) {
    const int millisecond = std::clamp(reading.millisecond, 0, 999);
    return 1000 - millisecond + kTickMarginMs;
}

}  // namespace quillcast
