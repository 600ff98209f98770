#include "toolkit/model/band_gradient.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <tuple>
#include <vector>

namespace quillcast {
namespace {

constexpr RgbColor kSilver{192, 192, 192};
constexpr RgbColor kMedGray{160, 160, 164};
constexpr RgbColor kBlue{0, 0, 255};
constexpr BandGradient kBackground{kSilver, kMedGray, 236};
constexpr BandGradient kTitle{kBlue, kSilver, 16};

std::string Show(const RgbColor& c) {
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

// The colour of every row, band by band, straight from the band rules.
std::vector<RgbColor> RowsByBands(const BandGradient& gradient, int height) {
    std::vector<RgbColor> rows;
    const int count = gradient.count < 1 ? 1 : gradient.count;
    for (int band = 0; band < count; ++band) {
        const RowRange range = BandRows(height, count, band);
        for (int row = range.begin; row < range.end; ++row) rows.push_back(BandColor(gradient, band));
    }
    return rows;
}

std::vector<RgbColor> RowsByRuns(const std::vector<ColorRun>& runs) {
    std::vector<RgbColor> rows;
    for (const ColorRun& run : runs)
        for (int row = run.rows.begin; row < run.rows.end; ++row) rows.push_back(run.color);
    return rows;
}

TEST(RoundedQuotient, RoundsHalvesAwayFromZeroOnBothSides) {
    const std::tuple<std::int64_t, std::int64_t, std::int64_t> cases[] = {
        {0, 7, 0},   {1, 2, 1},    {-1, 2, -1},  {3, 2, 2},   {-3, 2, -2},  {5, 4, 1},   {-5, 4, -1},
        {7, 4, 2},   {-7, 4, -2},  {-128, 235, -1}, {-112, 235, 0}, {89 * 7, 16, 39}, {89 * 8, 16, 45},
        {INT64_MAX, 1, INT64_MAX}, {INT64_MIN + 1, 1, INT64_MIN + 1}, {INT64_MAX, 2, INT64_MAX / 2 + 1}};
    for (const auto& [numerator, denominator, expected] : cases)
        EXPECT_EQ(RoundedQuotient(numerator, denominator), expected) << numerator << " / " << denominator;
}

TEST(BandColor, FirstAndLastBandsAreExactlyTheEndColours) {
    const BandGradient gradients[] = {
        kBackground, kTitle, {{0, 0, 0}, {255, 255, 255}, 2}, {{255, 1, 254}, {3, 200, 7}, 1000}, {{9, 9, 9}, {8, 10, 9}, 3}};
    for (const BandGradient& g : gradients) {
        SCOPED_TRACE(g.count);
        EXPECT_EQ(BandColor(g, 0), g.first);
        EXPECT_EQ(BandColor(g, g.count - 1), g.last);
    }
}

TEST(BandColor, BackgroundTakes57ColoursAndLeavesSilverAfterFourBands) {
    std::set<std::tuple<int, int, int>> distinct;
    for (int band = 0; band < kBackground.count; ++band) {
        const RgbColor c = BandColor(kBackground, band);
        distinct.insert({c.red, c.green, c.blue});
    }
    EXPECT_EQ(distinct.size(), 57u);
    for (int band = 0; band <= 3; ++band) EXPECT_EQ(Show(BandColor(kBackground, band)), "192,192,192") << band;
    EXPECT_EQ(Show(BandColor(kBackground, 4)), "191,191,192");
}

TEST(BandColor, AnExactHalfStepRoundsAwayFromZeroUpAndDown) {
    // Band 1 of 3 lies half a unit between the end colours.
    EXPECT_EQ(Show(BandColor({{10, 10, 10}, {9, 11, 10}, 3}, 1)), "9,11,10");
    EXPECT_EQ(Show(BandColor({{0, 0, 0}, {3, 255, 5}, 3}, 1)), "2,128,3");
}

TEST(BandColor, DegenerateCountsAndBandsStayInsideTheEndColours) {
    EXPECT_EQ(BandColor({kBlue, kSilver, 1}, 0), kBlue);
    EXPECT_EQ(BandColor({kBlue, kSilver, 0}, 0), kBlue);
    EXPECT_EQ(BandColor({kBlue, kSilver, -5}, 3), kBlue);
    EXPECT_EQ(BandColor(kTitle, -1), kBlue);
    EXPECT_EQ(BandColor(kTitle, 16), kSilver);
    EXPECT_EQ(BandColor({kBlue, kSilver, INT_MAX}, INT_MAX - 1), kSilver);
}

TEST(BandRows, TitleBandsSevenAndEightCoverTheirRows) {
    EXPECT_EQ(BandRows(89, 16, 7), (RowRange{39, 45}));
    EXPECT_EQ(BandRows(89, 16, 8), (RowRange{45, 50}));
}

TEST(BandRows, BandsTileTheHeightInOrderAndLeaveRowlessBandsBelowTheCount) {
    const std::pair<int, int> cases[] = {{89, 16}, {480, 236}, {441, 236}, {150, 236}, {16, 16},
                                         {15, 16}, {1, 236},   {7, 3},     {1080, 236}, {236, 236}};
    for (const auto& [height, count] : cases) {
        SCOPED_TRACE(std::to_string(height) + " rows, " + std::to_string(count) + " bands");
        int next = 0, withRows = 0;
        for (int band = 0; band < count; ++band) {
            const RowRange range = BandRows(height, count, band);
            EXPECT_EQ(range.begin, next) << "band " << band;
            EXPECT_GE(range.end, range.begin) << "band " << band;
            if (!range.Empty()) ++withRows;
            next = range.end;
        }
        EXPECT_EQ(next, height);
        EXPECT_EQ(withRows, std::min(height, count));
    }
}

TEST(BandRows, ZeroNegativeAndOutOfRangeGiveNoRows) {
    EXPECT_TRUE(BandRows(0, 16, 0).Empty());
    EXPECT_TRUE(BandRows(-89, 16, 3).Empty());
    EXPECT_TRUE(BandRows(89, 16, 16).Empty());
    EXPECT_TRUE(BandRows(89, 16, -1).Empty());
    EXPECT_EQ(BandRows(89, 0, 0), (RowRange{0, 89}));
    EXPECT_EQ(BandRows(INT_MAX, INT_MAX, INT_MAX - 1), (RowRange{INT_MAX - 1, INT_MAX}));
    EXPECT_EQ(BandRows(INT_MAX, 2, 1), (RowRange{INT_MAX / 2 + 1, INT_MAX}));
}

TEST(GradientRuns, PaintEveryRowAsTheBandsSay) {
    const std::pair<BandGradient, int> cases[] = {
        {kBackground, 441}, {kBackground, 480}, {kBackground, 150}, {kBackground, 1}, {kBackground, 1080},
        {kTitle, 89},       {kTitle, 10},       {{kBlue, kSilver, 1}, 5}, {{kBlue, kSilver, 0}, 5},
        {{{0, 0, 0}, {255, 255, 255}, 5000}, 3000}, {{{255, 0, 3}, {0, 255, 2}, 700}, 9000}};
    for (const auto& [gradient, height] : cases) {
        SCOPED_TRACE(std::to_string(gradient.count) + " bands over " + std::to_string(height) + " rows");
        const auto runs = GradientRuns(gradient, height);
        const auto rows = RowsByRuns(runs);
        const auto expected = RowsByBands(gradient, height);
        ASSERT_EQ(rows.size(), expected.size());
        for (std::size_t row = 0; row < rows.size(); ++row)
            ASSERT_EQ(Show(rows[row]), Show(expected[row])) << "row " << row;
        for (std::size_t i = 1; i < runs.size(); ++i) EXPECT_FALSE(runs[i].color == runs[i - 1].color) << "run " << i;
    }
}

TEST(GradientRuns, ALowAreaKeepsTheRemainingColoursInBandOrder) {
    // 100 rows for 236 bands: the runs' colours must darken steadily from silver to grey.
    const auto runs = GradientRuns(kBackground, 100);
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(runs.front().color, kSilver);
    EXPECT_EQ(runs.back().color, kMedGray);
    for (std::size_t i = 1; i < runs.size(); ++i) {
        EXPECT_LE(runs[i].color.red, runs[i - 1].color.red) << "run " << i;
        EXPECT_LE(runs[i].color.blue, runs[i - 1].color.blue) << "run " << i;
    }
}

TEST(GradientRuns, HugeAndEmptyAreasStayCheapAndWhole) {
    EXPECT_TRUE(GradientRuns(kBackground, 0).empty());
    EXPECT_TRUE(GradientRuns(kBackground, -1).empty());
    const BandGradient extremes[] = {{kSilver, kMedGray, INT_MAX}, {{0, 255, 0}, {255, 0, 255}, INT_MAX}, kBackground};
    for (const BandGradient& g : extremes) {
        const auto runs = GradientRuns(g, INT_MAX);
        ASSERT_FALSE(runs.empty());
        EXPECT_LE(runs.size(), 766u);
        EXPECT_EQ(runs.front().rows.begin, 0);
        EXPECT_EQ(runs.back().rows.end, INT_MAX);
        EXPECT_EQ(runs.front().color, g.first);
        EXPECT_EQ(runs.back().color, g.last);
        for (std::size_t i = 1; i < runs.size(); ++i) ASSERT_EQ(runs[i].rows.begin, runs[i - 1].rows.end);
    }
}

}  // namespace
}  // namespace quillcast
