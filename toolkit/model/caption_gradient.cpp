#include "toolkit/model/caption_gradient.h"

#include "toolkit/model/band_gradient.h"

namespace quillcast::about {

// The caption's bands follow the same band rule as every gradient of the program.
std::vector<Band> GradientBands(int length, Rgb first, Rgb last, int count) {
    std::vector<Band> bands;
    if (count <= 0) return bands;
    if (length < 0) length = 0;
    const BandGradient gradient{{first.red, first.green, first.blue}, {last.red, last.green, last.blue}, count};
    bands.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const RgbColor colour = BandColor(gradient, i);
        const RowRange span = BandRows(length, count, i);
        bands.push_back({span.begin, span.end, Rgb{colour.red, colour.green, colour.blue}});
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
