#include "toolkit/model/title_geometry.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace quillcast {
namespace {

// Sizes come from font metrics and layout data; sums of absurd values stay in range.
int Clamped(std::int64_t value) noexcept { return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX)); }

}  // namespace

int LetterRise(int letterCount, int index, int factor) noexcept {
    // "letterCount / index > 2" as real numbers, without a division.
    const bool climbing = std::int64_t{letterCount} > 2 * std::int64_t{index};
    return Clamped(std::int64_t{factor} * (climbing ? index : std::int64_t{letterCount} - index));
}

int TitleBaseLine(int labelHeight, int lineHeight) noexcept { return Clamped(std::int64_t{labelHeight} - lineHeight / 4); }

std::vector<LetterPlacement> LayOutTitle(std::span<const int> advances, int lineHeight, int labelHeight,
                                         const TitleEffect& effect) {
    const int letterCount = Clamped(static_cast<std::int64_t>(advances.size()));
    const int baseLine = TitleBaseLine(labelHeight, lineHeight);
    const int depth = std::max(effect.perspectiveDepth, 0);
    std::vector<LetterPlacement> letters;
    letters.reserve(advances.size());
    std::int64_t pen = 0;
    for (int i = 1; i <= letterCount; ++i) {
        LetterPlacement letter;
        letter.rise = LetterRise(letterCount, i, effect.factor);
        letter.base = TitlePoint{Clamped(pen), Clamped(std::int64_t{baseLine} - letter.rise)};
        // A copy moved up by more than the base point's depth plus a line lies
        // wholly above the label and adds nothing: an absurd depth stays cheap.
        const int usefulDepth =
            static_cast<int>(std::clamp<std::int64_t>(std::int64_t{letter.base.y} + std::max(lineHeight, 0), 0, depth));
        letter.copies.reserve(static_cast<std::size_t>(usefulDepth) + 1);
        for (int up = 1; up <= usefulDepth; ++up)
            letter.copies.push_back(TitlePoint{letter.base.x, Clamped(std::int64_t{letter.base.y} - up)});
        letter.copies.push_back(letter.base);
        pen += std::int64_t{advances[static_cast<std::size_t>(i - 1)]} + effect.perspectiveDepth;
        letters.push_back(std::move(letter));
    }
    return letters;
}

}  // namespace quillcast
