#include "toolkit/model/property_values.h"

#include <array>
#include <charconv>

#include "toolkit/model/exception.h"

namespace quillcast {
namespace {

// System colour indices, as the window system numbers them.
constexpr int kColorWindow = 5, kColorWindowText = 8, kColorHighlight = 13, kColorBtnFace = 15,
              kColorBtnShadow = 16, kColorInfoBk = 24, kColorActiveCaption = 2;

struct NamedColor {
    std::string_view name;
    ColorValue color;
};

constexpr std::array kNamedColors = {
    NamedColor{"clBlack", ColorValue::Rgb(0, 0, 0)},
    NamedColor{"clWhite", ColorValue::Rgb(255, 255, 255)},
    NamedColor{"clSilver", ColorValue::Rgb(192, 192, 192)},
    NamedColor{"clMedGray", ColorValue::Rgb(160, 160, 164)},
    NamedColor{"clGray", ColorValue::Rgb(128, 128, 128)},
    NamedColor{"clRed", ColorValue::Rgb(255, 0, 0)},
    NamedColor{"clBlue", ColorValue::Rgb(0, 0, 255)},
    NamedColor{"clNavy", ColorValue::Rgb(0, 0, 128)},
    NamedColor{"clPurple", ColorValue::Rgb(128, 0, 128)},
    NamedColor{"clBtnFace", ColorValue::System(kColorBtnFace)},
    NamedColor{"clBtnShadow", ColorValue::System(kColorBtnShadow)},
    NamedColor{"clWindow", ColorValue::System(kColorWindow)},
    NamedColor{"clWindowText", ColorValue::System(kColorWindowText)},
    NamedColor{"clHighlight", ColorValue::System(kColorHighlight)},
    NamedColor{"clInfoBk", ColorValue::System(kColorInfoBk)},
    NamedColor{"clActiveCaption", ColorValue::System(kColorActiveCaption)},
};

[[noreturn]] void ThrowBadValue(std::string_view kind, std::string_view value) {
    throw Exception("'" + std::string(value) + "' is not a valid " + std::string(kind) + " value");
}

}  // namespace

int ParseInteger(std::string_view value) {
    int result = 0;
    const auto* end = value.data() + value.size();
    const auto [ptr, ec] = std::from_chars(value.data(), end, result);
    if (value.empty() || ec != std::errc() || ptr != end) ThrowBadValue("integer", value);
    return result;
}

bool ParseBoolean(std::string_view value) {
    if (value == "True") return true;
    if (value == "False") return false;
    ThrowBadValue("boolean", value);
}

ColorValue ParseColor(std::string_view value) {
    for (const auto& named : kNamedColors)
        if (named.name == value) return named.color;
    // "$00BBGGRR": blue in the high byte, as the window system stores a colour.
    if (value.size() == 9 && value[0] == '$' && value[1] == '0' && value[2] == '0') {
        unsigned bgr = 0;
        const auto [ptr, ec] = std::from_chars(value.data() + 3, value.data() + 9, bgr, 16);
        if (ec == std::errc() && ptr == value.data() + 9)
            return ColorValue::Rgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    }
    ThrowBadValue("colour", value);
}

std::vector<std::string_view> ParseSet(std::string_view value) {
    if (value.size() < 2 || value.front() != '[' || value.back() != ']') ThrowBadValue("set", value);
    std::vector<std::string_view> members;
    std::string_view rest = value.substr(1, value.size() - 2);
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        std::string_view item = rest.substr(0, comma);
        while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
        while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
        if (item.empty()) ThrowBadValue("set", value);
        members.push_back(item);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
        if (rest.empty()) ThrowBadValue("set", value);  // "[a,]": an empty last member
    }
    return members;
}

void ThrowUnknownProperty(std::string_view component, std::string_view property) {
    throw Exception("Error reading " + std::string(component) + "." + std::string(property) +
                    ": Property " + std::string(property) + " does not exist");
}

}  // namespace quillcast
