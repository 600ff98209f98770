#pragma once
#include <windows.h>

namespace quillcast {

// The thread's message queue as a message loop reads it. A message the system could
// not deliver (one too large to carry over from another process, say) is a failure
// of that message only, and the next one is awaited; a queue that fails again and
// again would only spin the loop, so a long run of failures counts as broken.
class TMessageSource {
public:
    enum class Got { Message, Quit, Broken };
    Got Next(MSG& message) noexcept;

private:
    static constexpr int kFailuresInARowToGiveUp = 1000;
    int failuresInARow_ = 0;
};

}  // namespace quillcast
