// The period rule of the error box over arbitrary bytes.
// Input: a mode byte (taken modulo 4) choosing the code page, then for mode 3
// 32 bytes of lead-byte bitmap, then the message to the end. Modes: 0 no
// lead-byte test at all, 1 a single-byte code page, 2 Shift-JIS lead bytes,
// 3 any set of lead bytes.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/model/error_text.h"
#include "support/byte_reader.h"
#include "support/fuzz_check.h"

namespace {

using quillcast::LeadByteTest;

bool ShiftJisLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Single-byte code page: a period exactly when the last byte sorts after '.'.
bool SingleBytePeriod(std::string_view message) {
    return !message.empty() && static_cast<unsigned char>(message.back()) > '.';
}

// Splits the message into characters from the start (a lead byte with a byte
// after it makes a pair; one at the very end stands alone) and applies the rule
// to the last character.
bool ReferencePeriod(std::string_view message, const LeadByteTest& isLeadByte) {
    std::size_t lastLength = 0;
    for (std::size_t at = 0; at < message.size(); at += lastLength) {
        const bool lead = isLeadByte && isLeadByte(static_cast<unsigned char>(message[at]));
        lastLength = lead && message.size() - at >= 2 ? 2 : 1;
    }
    if (lastLength == 2) return true;
    return SingleBytePeriod(message);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillcast::fuzz::ByteReader input(data, size);
    LeadByteTest isLeadByte;
    std::array<std::uint8_t, 32> leadBitmap{};
    switch (input.Byte() % 4) {
        case 0: break;
        case 1: isLeadByte = [](unsigned char) { return false; }; break;
        case 2: isLeadByte = ShiftJisLeadByte; break;
        case 3:
            for (auto& bits : leadBitmap) bits = input.Byte();
            isLeadByte = [&leadBitmap](unsigned char c) { return (leadBitmap[c / 8] >> (c % 8) & 1) != 0; };
            break;
    }
    const std::string_view message = input.Rest();

    const std::string text = quillcast::ErrorReportText(message, isLeadByte);
    // The message whole, then at most one byte, and that byte only a period.
    QC_FUZZ_CHECK(text.size() == message.size() || text.size() == message.size() + 1);
    QC_FUZZ_CHECK(std::string_view(text).substr(0, message.size()) == message);
    const bool periodAdded = text.size() == message.size() + 1;
    if (periodAdded) QC_FUZZ_CHECK(text.back() == '.');
    QC_FUZZ_CHECK(periodAdded == ReferencePeriod(message, isLeadByte));

    // Without a lead byte in the message every code page reads it byte by byte.
    const bool anyLeadByte = isLeadByte && std::any_of(message.begin(), message.end(), [&](char c) {
                                 return isLeadByte(static_cast<unsigned char>(c));
                             });
    if (!anyLeadByte) QC_FUZZ_CHECK(periodAdded == SingleBytePeriod(message));
    return 0;
}
