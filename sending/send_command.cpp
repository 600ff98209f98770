#include "sending/send_command.h"

namespace quillcast {

std::string ComposeSendParameters(std::string_view receiver, std::string_view message) {
    constexpr std::string_view verb = "send ";
    std::string parameters;
    parameters.reserve(verb.size() + receiver.size() + 1 + message.size());
    parameters.append(verb).append(receiver).append(1, ' ').append(message);
    return parameters;
}

}  // namespace quillcast
