#pragma once
#include <cstdint>
#include <vector>

namespace quillcast {

struct RgbColor {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

// Horizontal colour bands that follow each other from top to bottom, the first
// in `first`, the last in `last`, the others evenly in between.
struct BandGradient {
    RgbColor first;
    RgbColor last;
    int count = 1;  // below 1 counts as one band
};

// Rows [begin, end) counted from the top of the painted rectangle.
struct RowRange {
    int begin = 0;
    int end = 0;
    bool Empty() const noexcept { return end <= begin; }
    friend bool operator==(const RowRange&, const RowRange&) = default;
};

// A stretch of rows of one colour: neighbouring bands of equal colour merged.
struct ColorRun {
    RowRange rows;
    RgbColor color;
    friend bool operator==(const ColorRun&, const ColorRun&) = default;
};

// numerator / denominator rounded to the nearest integer, a half away from zero.
// The denominator must be positive.
std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator) noexcept;

// Colour of band `band`; a band outside 0..count-1 takes the nearest end colour.
RgbColor BandColor(const BandGradient& gradient, int band) noexcept;

// Rows of band `band` in a rectangle `height` rows high. Bands get no row when
// the height is below the band count; out-of-range bands and heights get none.
RowRange BandRows(int height, int count, int band) noexcept;

// Every row of a rectangle `height` rows high, top to bottom, as runs of one
// colour (bands without rows left out). Work and size grow with the number of
// colour changes, never with the height or the band count, so any are cheap.
std::vector<ColorRun> GradientRuns(const BandGradient& gradient, int height);

}  // namespace quillcast
