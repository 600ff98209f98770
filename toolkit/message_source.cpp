#include "toolkit/message_source.h"

namespace quillcast {

TMessageSource::Got TMessageSource::Next(MSG& message) noexcept {
    for (;;) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) return Got::Quit;
        if (got != -1) {
            failuresInARow_ = 0;
            return Got::Message;
        }
        if (++failuresInARow_ >= kFailuresInARowToGiveUp) return Got::Broken;
    }
}

}  // namespace quillcast
