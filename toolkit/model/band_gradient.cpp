#include "toolkit/model/band_gradient.h"

#include <algorithm>

namespace quillcast {
namespace {

int EffectiveCount(int count) noexcept { return std::max(count, 1); }

std::uint8_t Channel(std::uint8_t from, std::uint8_t to, int band, int count) noexcept {
    if (count <= 1) return from;
    const std::int64_t step = RoundedQuotient(std::int64_t{to - from} * band, count - 1);
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(from + step, 0, 255));
}

// First row of band `band` (band == count gives the height).
std::int64_t BandStart(std::int64_t height, std::int64_t count, std::int64_t band) noexcept {
    return RoundedQuotient(height * band, count);
}

// The band that covers `row` (0 <= row < height): the last band whose first
// row is at or above it. round(height * i / count) <= row holds exactly when
// 2 * height * i < (2 * row + 1) * count.
std::int64_t BandAtRow(std::int64_t height, std::int64_t count, std::int64_t row) noexcept {
    const std::uint64_t numerator = static_cast<std::uint64_t>(2 * row + 1) * static_cast<std::uint64_t>(count);
    const std::uint64_t denominator = 2 * static_cast<std::uint64_t>(height);
    const std::uint64_t ceiling = numerator / denominator + (numerator % denominator != 0 ? 1 : 0);
    return std::clamp<std::int64_t>(static_cast<std::int64_t>(ceiling) - 1, 0, count - 1);
}

// The last band from `band` on whose colour channel still equals that of `band`.
// A channel's step round(delta * i / (count - 1)) keeps its magnitude s while
// 2 * |delta| * i < (2 * s + 1) * (count - 1).
std::int64_t LastBandOfSameChannel(std::uint8_t from, std::uint8_t to, std::int64_t band, std::int64_t count) noexcept {
    const std::int64_t delta = to > from ? to - from : from - to;
    if (delta == 0 || count <= 1) return count - 1;
    const std::int64_t step = RoundedQuotient(delta * band, count - 1);
    const std::int64_t numerator = (2 * step + 1) * (count - 1);
    const std::int64_t denominator = 2 * delta;
    const std::int64_t ceiling = numerator / denominator + (numerator % denominator != 0 ? 1 : 0);
    return std::clamp<std::int64_t>(ceiling - 1, band, count - 1);
}

std::int64_t LastBandOfSameColor(const BandGradient& gradient, std::int64_t band, std::int64_t count) noexcept {
    const RgbColor& a = gradient.first;
    const RgbColor& b = gradient.last;
    return std::min({LastBandOfSameChannel(a.red, b.red, band, count),
                     LastBandOfSameChannel(a.green, b.green, band, count),
                     LastBandOfSameChannel(a.blue, b.blue, band, count)});
}

}  // namespace

std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator) noexcept {
    if (denominator <= 0) return 0;
    const bool negative = numerator < 0;
    // Magnitude first, so that the half goes away from zero on both sides.
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(numerator)
                                             : static_cast<std::uint64_t>(numerator);
    const std::uint64_t divisor = static_cast<std::uint64_t>(denominator);
    std::uint64_t quotient = magnitude / divisor;
    if (magnitude % divisor >= divisor - magnitude % divisor) ++quotient;
    return negative ? -static_cast<std::int64_t>(quotient) : static_cast<std::int64_t>(quotient);
}

RgbColor BandColor(const BandGradient& gradient, int band) noexcept {
    const int count = EffectiveCount(gradient.count);
    band = std::clamp(band, 0, count - 1);
    return RgbColor{Channel(gradient.first.red, gradient.last.red, band, count),
                    Channel(gradient.first.green, gradient.last.green, band, count),
                    Channel(gradient.first.blue, gradient.last.blue, band, count)};
}

RowRange BandRows(int height, int count, int band) noexcept {
    count = EffectiveCount(count);
    if (height <= 0 || band < 0 || band >= count) return {};
    return RowRange{static_cast<int>(BandStart(height, count, band)),
                    static_cast<int>(BandStart(height, count, std::int64_t{band} + 1))};
}

std::vector<ColorRun> GradientRuns(const BandGradient& gradient, int height) {
    std::vector<ColorRun> runs;
    const int count = EffectiveCount(gradient.count);
    // One step per run of equal colour: a linear gradient of 8-bit channels has
    // at most 766 of them, whatever the height and the band count.
    for (std::int64_t row = 0; row < height;) {
        const std::int64_t band = BandAtRow(height, count, row);
        const std::int64_t lastOfColor = LastBandOfSameColor(gradient, band, count);
        const std::int64_t end = std::min<std::int64_t>(height, BandStart(height, count, lastOfColor + 1));
        const RgbColor color = BandColor(gradient, static_cast<int>(band));
        runs.push_back(ColorRun{RowRange{static_cast<int>(row), static_cast<int>(end)}, color});
        // The band at `row` ends below it; the guard keeps the walk finite even so.
        row = std::max(end, row + 1);
    }
    return runs;
}

}  // namespace quillcast
