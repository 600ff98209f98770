#pragma once
#include <string>
#include <string_view>

namespace quillcast {

// The program the send action starts; found by name, the way the shell finds programs.
inline constexpr std::string_view kSendProgram = "net";

// The parameters handed to `net`: "send " + receiver + " " + message.
// Both texts pass exactly as typed: nothing is trimmed, quoted, escaped or checked,
// so what the user sees in the fields is what `net` receives.
std::string ComposeSendParameters(std::string_view receiver, std::string_view message);

}  // namespace quillcast
