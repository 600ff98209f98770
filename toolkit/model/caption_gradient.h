#pragma once
#include <cstdint>
#include <vector>

namespace quillcast::about {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// One band of a gradient: the pixels [start, end) along its direction.
struct Band {
    int start = 0;
    int end = 0;
    Rgb colour;
    friend bool operator==(const Band&, const Band&) = default;
};

// `count` bands over `length` pixels from `first` to `last`. Band i has the colour
// first + (last - first) * i / (count - 1) and covers length * i / count up to
// length * (i + 1) / count, each quotient rounded to nearest with halves away from
// zero; where length < count some bands cover nothing.
std::vector<Band> GradientBands(int length, Rgb first, Rgb last, int count);

inline constexpr int kCaptionBands = 32;

// Whether the box paints its own title bar: always on displays of 256 colours or
// fewer; otherwise only where the system draws neither themed nor gradient ones.
struct CaptionConditions {
    int bitsPerPixel = 32;
    bool visualStyles = false;     // themes or desktop composition draw the frame
    bool systemGradient = false;   // the system already fills captions with a gradient
};
bool PaintsOwnCaption(const CaptionConditions& conditions);

// The caption text on the gradient: white where the system's caption text is
// black (it would vanish into the black end), else the system's colour.
Rgb CaptionTextColour(Rgb systemCaptionText);

}  // namespace quillcast::about
