#pragma once
#include <span>
#include <vector>

namespace quillcast {

// How the title's letters are set: along a peak, each extruded upward.
struct TitleEffect {
    int factor = 5;            // pixels of rise per letter
    int perspectiveDepth = 5;  // pixels of upward extrusion, also added to each advance
};

struct TitlePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TitlePoint&, const TitlePoint&) = default;
};

// One letter of the title, in the label's coordinates (y grows downward).
struct LetterPlacement {
    int rise = 0;
    TitlePoint base;                 // the letter's base point on its base line
    std::vector<TitlePoint> copies;  // base points where the letter is laid down, in order
};

// Rise of letter `index` (counted from 1) of `letterCount`: the letters climb by
// `factor` up to the middle and come down to the base line at the last one.
int LetterRise(int letterCount, int index, int factor) noexcept;

// The base line: a quarter of the line height above the label's bottom edge.
int TitleBaseLine(int labelHeight, int lineHeight) noexcept;

// Places the letters whose advance widths are given, starting at the label's
// left edge. Each letter is laid down at its base point moved up by 1, 2, ...,
// perspectiveDepth pixels and then at the base point itself; copies that would
// lie wholly above the label (higher than a line above the top) are left out.
std::vector<LetterPlacement> LayOutTitle(std::span<const int> advances, int lineHeight, int labelHeight,
                                         const TitleEffect& effect);

}  // namespace quillcast
