#include "toolkit/model/title_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace quillcast {
namespace {

std::vector<int> Rises(int letterCount, int factor = 5) {
    std::vector<int> rises;
    for (int i = 1; i <= letterCount; ++i) rises.push_back(LetterRise(letterCount, i, factor));
    return rises;
}

TEST(LetterRise, TheCaptionClimbsToItsSeventhLetterAndEndsOnTheBaseLine) {
    // "Zuvo Quillcast": 14 letters, the space included.
    EXPECT_EQ(Rises(14), (std::vector<int>{5, 10, 15, 20, 25, 30, 35, 30, 25, 20, 15, 10, 5, 0}));
}

TEST(LetterRise, AnOddCaptionSharesTheHighestRiseBetweenItsTwoMiddleLetters) {
    EXPECT_EQ(Rises(5), (std::vector<int>{5, 10, 10, 5, 0}));
    for (int n = 3; n <= 21; n += 2) {
        SCOPED_TRACE(n);
        const auto rises = Rises(n, 3);
        const int peak = *std::max_element(rises.begin(), rises.end());
        for (int i = 1; i <= n; ++i)
            EXPECT_EQ(rises[i - 1] == peak, i == (n - 1) / 2 || i == (n + 1) / 2) << "letter " << i;
        EXPECT_EQ(rises.back(), 0);
    }
}

TEST(LetterRise, ShortCaptionsAndOtherFactors) {
    EXPECT_EQ(Rises(1), (std::vector<int>{0}));
    EXPECT_EQ(Rises(2), (std::vector<int>{5, 0}));
    EXPECT_EQ(Rises(4, 7), (std::vector<int>{7, 14, 7, 0}));
    EXPECT_EQ(Rises(14, 0), std::vector<int>(14, 0));
}

TEST(TitleBaseLine, LiesAQuarterLineAboveTheBottomByIntegerDivision) {
    EXPECT_EQ(TitleBaseLine(89, 44), 78);
    EXPECT_EQ(TitleBaseLine(89, 47), 78);
    EXPECT_EQ(TitleBaseLine(89, 48), 77);
    EXPECT_EQ(TitleBaseLine(89, 3), 89);
    EXPECT_EQ(TitleBaseLine(0, 0), 0);
}

TEST(LayOutTitle, PlacesEachLetterAtThePenRaisedByItsRiseWithSixCopies) {
    const std::vector<int> advances = {24, 22, 20, 22, 11, 31, 22, 9, 9, 9, 20, 22, 20, 11};
    const auto letters = LayOutTitle(advances, 44, 89, TitleEffect{});
    ASSERT_EQ(letters.size(), advances.size());
    int pen = 0;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        SCOPED_TRACE("letter " + std::to_string(i + 1));
        const LetterPlacement& letter = letters[i];
        EXPECT_EQ(letter.rise, LetterRise(14, static_cast<int>(i) + 1, 5));
        EXPECT_EQ(letter.base, (TitlePoint{pen, 78 - letter.rise}));
        const std::vector<TitlePoint> copies = {{pen, letter.base.y - 1}, {pen, letter.base.y - 2},
                                                {pen, letter.base.y - 3}, {pen, letter.base.y - 4},
                                                {pen, letter.base.y - 5}, {pen, letter.base.y}};
        EXPECT_EQ(letter.copies, copies);
        pen += advances[i] + 5;
    }
    EXPECT_EQ(letters.back().base.y, 78);
    EXPECT_EQ(letters[6].base.y, 78 - 35);
    EXPECT_EQ(letters[5].base.x, 24 + 22 + 20 + 22 + 11 + 5 * 5);  // the space moved the pen on by 11 + 5
}

TEST(LayOutTitle, DepthAndFactorComeFromTheEffect) {
    const auto letters = LayOutTitle(std::vector<int>{10, 10, 10}, 20, 40, TitleEffect{2, 3});
    ASSERT_EQ(letters.size(), 3u);
    EXPECT_EQ(letters[0].base, (TitlePoint{0, 35 - 2}));
    EXPECT_EQ(letters[1].base, (TitlePoint{13, 35 - 2}));
    EXPECT_EQ(letters[2].base, (TitlePoint{26, 35}));
    EXPECT_EQ(letters[2].copies, (std::vector<TitlePoint>{{26, 34}, {26, 33}, {26, 32}, {26, 35}}));
}

TEST(LayOutTitle, EmptyAndAbsurdInputStayBounded) {
    EXPECT_TRUE(LayOutTitle({}, 44, 89, TitleEffect{}).empty());

    const auto flat = LayOutTitle(std::vector<int>{10, 10}, 44, 89, TitleEffect{5, -3});
    ASSERT_EQ(flat.size(), 2u);
    EXPECT_EQ(flat[0].copies, std::vector<TitlePoint>{flat[0].base});

    // An extrusion far taller than the label only adds copies that can still show.
    const auto deep = LayOutTitle(std::vector<int>{10}, 44, 89, TitleEffect{5, INT_MAX});
    ASSERT_EQ(deep.size(), 1u);
    EXPECT_EQ(deep[0].copies.size(), static_cast<std::size_t>(78 + 44 + 1));
    EXPECT_EQ(deep[0].copies.back(), deep[0].base);

    const auto wide = LayOutTitle(std::vector<int>{INT_MAX, INT_MAX, INT_MAX}, 44, 89, TitleEffect{INT_MAX, 5});
    ASSERT_EQ(wide.size(), 3u);
    EXPECT_EQ(wide[2].base.x, INT_MAX);
    EXPECT_EQ(wide[1].rise, INT_MAX);
}

}  // namespace
}  // namespace quillcast
