#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillcast {

// A colour as layouts write it: an RGB value, or one of the system's colours,
// resolved only when painting so that a change of the desktop scheme shows.
struct ColorValue {
    bool isSystem = false;
    int systemIndex = 0;  // a COLOR_* index when isSystem
    std::uint8_t red = 0, green = 0, blue = 0;

    static constexpr ColorValue Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {false, 0, r, g, b}; }
    static constexpr ColorValue System(int index) { return {true, index, 0, 0, 0}; }
    friend bool operator==(const ColorValue&, const ColorValue&) = default;
};

// Each parser throws Exception with a message naming the value when it cannot read it:
// a layout with a bad value must fail loudly at start-up, not paint something else.
int ParseInteger(std::string_view value);
bool ParseBoolean(std::string_view value);
ColorValue ParseColor(std::string_view value);           // clSilver, clBtnFace, $00BBGGRR...
std::vector<std::string_view> ParseSet(std::string_view value);  // "[fsBold, fsItalic]"

// Throws the error a form raises for a property its component does not have.
[[noreturn]] void ThrowUnknownProperty(std::string_view component, std::string_view property);

}  // namespace quillcast
