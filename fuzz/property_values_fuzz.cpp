// The parsers of layout property values over arbitrary text: they return a value
// that fits what they read, or throw quillcast::Exception naming the value;
// nothing else escapes. Input: a selector byte (taken modulo 5), then the value
// to the end; for the unknown-property error, a component name with a one-byte
// length and the property name to the end.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/byte_reader.h"
#include "support/fuzz_check.h"
#include "toolkit/model/exception.h"
#include "toolkit/model/property_values.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

void CheckInteger(std::string_view value) {
    const int parsed = quillcast::ParseInteger(value);
    // Accepted: an optional minus and decimal digits, nothing around them.
    const std::string_view digits = value.substr(!value.empty() && value.front() == '-' ? 1 : 0);
    QC_FUZZ_CHECK(!digits.empty() && std::all_of(digits.begin(), digits.end(), IsDigit));
    QC_FUZZ_CHECK((parsed < 0) == (value.front() == '-' && digits.find_first_not_of('0') != std::string_view::npos));
}

void CheckBoolean(std::string_view value) {
    const bool parsed = quillcast::ParseBoolean(value);
    QC_FUZZ_CHECK(value == (parsed ? "True" : "False"));
}

void CheckColor(std::string_view value) {
    const quillcast::ColorValue parsed = quillcast::ParseColor(value);
    if (value.substr(0, 2) == "cl") return;  // a named colour
    // "$00BBGGRR"
    QC_FUZZ_CHECK(value.size() == 9 && value.substr(0, 3) == "$00");
    QC_FUZZ_CHECK(std::all_of(value.begin() + 3, value.end(), IsHexDigit));
    QC_FUZZ_CHECK(!parsed.isSystem);
    const auto channel = [&](std::size_t at) { return std::stoi(std::string(value.substr(at, 2)), nullptr, 16); };
    QC_FUZZ_CHECK(parsed.blue == channel(3) && parsed.green == channel(5) && parsed.red == channel(7));
}

void CheckSet(std::string_view value) {
    const std::vector<std::string_view> members = quillcast::ParseSet(value);
    QC_FUZZ_CHECK(value.size() >= 2 && value.front() == '[' && value.back() == ']');
    const std::string_view inside = value.substr(1, value.size() - 2);
    const auto commas = static_cast<std::size_t>(std::count(inside.begin(), inside.end(), ','));
    QC_FUZZ_CHECK(members.size() == (inside.empty() ? 0 : commas + 1));
    for (std::string_view member : members) {
        // Views into the value itself, trimmed, one member each.
        QC_FUZZ_CHECK(member.data() >= inside.data() && member.data() + member.size() <= inside.data() + inside.size());
        QC_FUZZ_CHECK(!member.empty() && member.front() != ' ' && member.back() != ' ' && !Contains(member, ","));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillcast::fuzz::ByteReader input(data, size);
    const int parser = input.Byte() % 5;
    std::string_view named;  // what the error message must name
    std::string_view alsoNamed;
    try {
        switch (parser) {
            case 0: CheckInteger(named = input.Rest()); break;
            case 1: CheckBoolean(named = input.Rest()); break;
            case 2: CheckColor(named = input.Rest()); break;
            case 3: CheckSet(named = input.Rest()); break;
            case 4: {
                alsoNamed = input.Text();
                named = input.Rest();
                quillcast::ThrowUnknownProperty(alsoNamed, named);
            }
        }
    } catch (const quillcast::Exception& error) {
        QC_FUZZ_CHECK(Contains(error.Message(), named) && Contains(error.Message(), alsoNamed));
        return 0;
    } catch (...) {
        QC_FUZZ_CHECK(!"only quillcast::Exception may escape a parser");
    }
    return 0;
}
