#include "toolkit/model/caption_gradient.h"

#include <cstdlib>

namespace quillcast::about {
namespace {

// numerator / denominator rounded to nearest, halves away from zero (denominator > 0).
std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t magnitude = (std::llabs(numerator) * 2 + denominator) / (2 * denominator);
    return numerator < 0 ? -magnitude : magnitude;
}

std::uint8_t Channel(std::uint8_t first, std::uint8_t last, int i, int count) {
    if (count < 2) return first;
    return static_cast<std::uint8_t>(first + RoundedQuotient((static_cast<int>(last) - first) * std::int64_t{i},
                                                             count - 1));
}

}  // namespace

std::vector<Band> GradientBands(int length, Rgb first, Rgb last, int count) {
    std::vector<Band> bands;
    if (count <= 0) return bands;
    if (length < 0) length = 0;
    bands.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const Rgb colour{Channel(first.red, last.red, i, count), Channel(first.green, last.green, i, count),
                         Channel(first.blue, last.blue, i, count)};
        bands.push_back({static_cast<int>(RoundedQuotient(std::int64_t{length} * i, count)),
                         static_cast<int>(RoundedQuotient(std::int64_t{length} * (i + 1), count)), colour});
    }
    return bands;
}

bool PaintsOwnCaption(const CaptionConditions& conditions) {
    if (conditions.bitsPerPixel <= 8) return true;
    return !conditions.visualStyles && !conditions.systemGradient;
}

Rgb CaptionTextColour(Rgb systemCaptionText) {
    return systemCaptionText == Rgb{} ? Rgb{255, 255, 255} : systemCaptionText;
}

}  // namespace quillcast::about
