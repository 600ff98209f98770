#pragma once
#include <cstdint>

namespace quillcast {

// WM_COPYDATA tags of the read-only inspection a form answers: the request names
// a component, the reply lists its class, place, size and texts as "Key=Value"
// lines. Test drivers and accessibility tools read the windowless controls so.
inline constexpr std::uintptr_t kInspectRequest = 0x51430001;
inline constexpr std::uintptr_t kInspectReply = 0x51430002;

}  // namespace quillcast
