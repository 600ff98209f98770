#include "app/model/error_text.h"

namespace quillcast {

std::string ErrorReportText(std::string_view message, const LeadByteTest& isLeadByte) {
    std::string text(message);
    if (text.empty()) return text;

    // Walk the characters from the start: only that finds where the last one begins
    // in a multi-byte code page. A lead byte at the very end stands alone.
    std::size_t lastStart = 0;
    bool lastIsDoubleByte = false;
    for (std::size_t i = 0; i < text.size();) {
        lastStart = i;
        const bool pair = isLeadByte && isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        lastIsDoubleByte = pair;
        i += pair ? 2 : 1;
    }
    if (lastIsDoubleByte || static_cast<unsigned char>(text[lastStart]) > '.') text.push_back('.');
    return text;
}

}  // namespace quillcast
