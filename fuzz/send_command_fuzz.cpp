// Composition of the parameters handed to `net`, for any receiver and message.
// Input: receiver length (two bytes, little-endian, cut short at the end of
// input), the receiver, then the message to the end.
#include <cstddef>
#include <cstdint>
#include <string>

#include "sending/send_command.h"
#include "support/byte_reader.h"
#include "support/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillcast::fuzz::ByteReader input(data, size);
    const std::string_view receiver = input.LongText();
    const std::string_view message = input.Rest();

    const std::string parameters = quillcast::ComposeSendParameters(receiver, message);

    // Exactly "send " + receiver + " " + message: every byte passes as typed,
    // NULs, quotes and bytes above 0x7F included.
    QC_FUZZ_CHECK(parameters == "send " + std::string(receiver) + " " + std::string(message));
    QC_FUZZ_CHECK(parameters.size() == 6 + receiver.size() + message.size());
    QC_FUZZ_CHECK(parameters.compare(5, receiver.size(), receiver) == 0);
    QC_FUZZ_CHECK(parameters[5 + receiver.size()] == ' ');
    return 0;
}
