#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace quillcast {

// Tells whether a byte opens a double-byte character in the current ANSI code page.
using LeadByteTest = std::function<bool(unsigned char)>;

// The text an error box shows for an exception's message: a period is added when
// the message is not empty and its last character sorts after "." (0x2E); a
// double-byte last character always gets one. Messages that already end in
// punctuation, a blank or a control character are shown as they are.
std::string ErrorReportText(std::string_view message, const LeadByteTest& isLeadByte);

}  // namespace quillcast
