#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <tuple>

#include "toolkit/model/about_facts.h"
#include "toolkit/model/about_placement.h"
#include "toolkit/model/caption_gradient.h"

namespace quillcast::about {
namespace {

// ---- system facts ----

TEST(ProcessorName, FollowsTheTableAndFallsBackToTheNumber) {
    const struct {
        std::uint32_t type;
        const char* name;
    } cases[] = {
        {386, "Intel 386"},    {486, "Intel 486"},        {586, "Intel Pentium"}, {2000, "Mips R2000"},
        {3000, "Mips R3000"},  {4000, "Mips R4000"},      {21064, "Alpha 21064"}, {8664, "8664"},
        {387, "387"},          {585, "585"},              {1000, "1000"},         {5000, "5000"},
        {21065, "21065"},      {0, "0"},                  {4294967295u, "4294967295"},
    };
    for (const auto& c : cases) EXPECT_EQ(ProcessorName(c.type), c.name) << c.type;
}

TEST(MemoryFigureText, WholeKilobytesWithTheFractionDropped) {
    const struct {
        std::uint64_t bytes;
        const char* text;
    } cases[] = {
        {0, "0 KB"},
        {1023, "0 KB"},
        {1024, "1 KB"},
        {2047, "1 KB"},
        {536870912, "524288 KB"},
        {8589934591ull, "8388607 KB"},  // just under 8 GiB: no rounding up
        {17179869184ull, "16777216 KB"},
        {std::numeric_limits<std::uint64_t>::max(), "18014398509481983 KB"},
    };
    for (const auto& c : cases) EXPECT_EQ(MemoryFigureText(c.bytes), c.text) << c.bytes;
}

TEST(SystemFactLines, CaptionsAndValuesInOrder) {
    const auto lines = SystemFactLines(4294967296ull, 8, 8664);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].caption, "Available Memory:");
    EXPECT_EQ(lines[0].value, "4194304 KB");
    EXPECT_EQ(lines[1].caption, "Platform, CPU:");
    EXPECT_EQ(lines[1].value, "8x 8664 or compatible");

    EXPECT_EQ(PlatformFigureText(1, 586), "1x Intel Pentium or compatible");
    EXPECT_EQ(PlatformFigureText(2, 3000), "2x Mips R3000 or compatible");
    // A system that reports nothing still gives a line.
    EXPECT_EQ(PlatformFigureText(0, 0), "0x 0 or compatible");
}

// ---- links and the column ----

TEST(LinkTarget, MailtoOnlyWhenTheTextHoldsAnAtSign) {
    const struct {
        const char* text;
        const char* target;
    } cases[] = {
        {"https://www.example.com/quillcast", "https://www.example.com/quillcast"},
        {"quillcast@example.com", "mailto:quillcast@example.com"},
        {"@", "mailto:@"},
        {"www.example.com/@me", "mailto:www.example.com/@me"},
        {"mailto:x@example.com", "mailto:mailto:x@example.com"},  // the text is never inspected further
        {"", ""},
        {"a b", "a b"},
    };
    for (const auto& c : cases) EXPECT_EQ(LinkTarget(c.text), c.target) << c.text;
}

TEST(IsBlankText, OnlySpacesCount) {
    EXPECT_TRUE(IsBlankText(""));
    EXPECT_TRUE(IsBlankText(" "));
    EXPECT_TRUE(IsBlankText("    "));
    EXPECT_FALSE(IsBlankText(" x "));
    EXPECT_FALSE(IsBlankText("\t"));
    EXPECT_FALSE(IsBlankText(std::string_view("\0", 1)));
}

std::string Kinds(const std::vector<ColumnLine>& lines) {
    std::string kinds;
    for (const auto& line : lines) kinds += "NVDCWE"[static_cast<int>(line.kind)];
    return kinds;
}

TEST(ColumnLines, KeepsTheOrderAndLeavesOutEmptyEntries) {
    const AboutTexts full{"Quillcast", "1.1.2.37", "Want send messages?", "Copyright (c) Zuvo",
                          "https://www.example.com/", "q@example.com"};
    const auto lines = ColumnLines(full);
    EXPECT_EQ(Kinds(lines), "NVDCWE");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].text, "Quillcast");
    EXPECT_EQ(lines[1].text, "1.1.2.37");
    EXPECT_EQ(lines[2].text, "Want send messages?");
    EXPECT_EQ(lines[3].text, "Copyright (c) Zuvo");
    EXPECT_EQ(lines[4].text, "https://www.example.com/");
    EXPECT_EQ(lines[5].text, "q@example.com");

    const struct {
        const char* label;
        AboutTexts texts;
        const char* kinds;
    } cases[] = {
        {"blank description", {"A", "1", "   ", "c", "w", "e"}, "NVCWE"},
        {"empty copyright", {"A", "1", "d", "", "w", "e"}, "NVDWE"},
        {"spaces-only copyright stays", {"A", "1", "d", "  ", "w", "e"}, "NVDCWE"},
        {"blank web address", {"A", "1", "d", "c", " ", "e"}, "NVDCE"},
        {"empty e-mail", {"A", "1", "d", "c", "w", ""}, "NVDCW"},
        {"nothing optional", {"", "", "", "", "", ""}, "NV"},
    };
    for (const auto& c : cases) EXPECT_EQ(Kinds(ColumnLines(c.texts)), c.kinds) << c.label;
}

// ---- placement and the opening animation ----

TEST(CentredOnScreen, CentresThenClampsToTheEdgesAndZero) {
    const struct {
        int boxWidth, boxHeight, screenWidth, screenHeight;
        Point expected;
    } cases[] = {
        {440, 300, 1280, 1024, {420, 362}},
        {440, 301, 1281, 1024, {420, 361}},   // odd remainders are cut
        {440, 300, 440, 300, {0, 0}},         // exactly the screen
        {1500, 300, 1280, 1024, {0, 362}},    // wider than the screen: left edge, never negative
        {440, 2000, 1280, 1024, {420, 0}},
        {441, 300, 440, 1024, {0, 362}},      // one pixel too wide
        {440, 300, 0, 0, {0, 0}},             // a screen that reports nothing
        {0, 0, 1280, 1024, {640, 512}},
        {std::numeric_limits<int>::max(), 10, std::numeric_limits<int>::min(), 10, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CentredOnScreen(c.boxWidth, c.boxHeight, c.screenWidth, c.screenHeight), c.expected)
            << c.boxWidth << "x" << c.boxHeight << " on " << c.screenWidth << "x" << c.screenHeight;
}

TEST(ExplodeOutlines, GrowsFromThePointerToTheBox) {
    const Rect box{420, 362, 440, 300};
    const Point pointer{1000, 900};
    const auto outlines = ExplodeOutlines(pointer, box);
    ASSERT_EQ(outlines.size(), 40u);
    // 1/40 of the way, the step cut towards zero: 1000 - 14 (of 14.5), 900 - 13 (of 13.45).
    EXPECT_EQ(outlines.front(), (Rect{986, 887, 11, 7}));
    EXPECT_EQ(outlines[19], (Rect{710, 631, 220, 150}));
    EXPECT_EQ(outlines.back(), box);
    for (std::size_t i = 1; i < outlines.size(); ++i) {
        EXPECT_GE(outlines[i].width, outlines[i - 1].width);
        EXPECT_GE(outlines[i].height, outlines[i - 1].height);
        EXPECT_LE(outlines[i].left, outlines[i - 1].left);
        EXPECT_LE(outlines[i].top, outlines[i - 1].top);
    }
}

TEST(ExplodeOutlines, PointerAboveLeftOfTheBoxMovesTheCornerRightAndDown) {
    const auto outlines = ExplodeOutlines({0, 0}, {400, 200, 80, 40}, 4);
    const std::vector<Rect> expected{{100, 50, 20, 10}, {200, 100, 40, 20}, {300, 150, 60, 30}, {400, 200, 80, 40}};
    EXPECT_EQ(outlines, expected);
}

TEST(ExplodeOutlines, DegenerateInputGivesNoOrPlainOutlines) {
    EXPECT_TRUE(ExplodeOutlines({5, 5}, {0, 0, 10, 10}, 0).empty());
    EXPECT_TRUE(ExplodeOutlines({5, 5}, {0, 0, 10, 10}, -3).empty());
    const auto tiny = ExplodeOutlines({7, 7}, {7, 7, 0, 0});
    ASSERT_EQ(tiny.size(), 40u);
    for (const auto& outline : tiny) EXPECT_EQ(outline, (Rect{7, 7, 0, 0}));
    // Far-apart corners must not overflow on the way.
    const int big = std::numeric_limits<int>::max();
    const auto wide = ExplodeOutlines({-big, -big}, {big, big, big, big});
    EXPECT_EQ(wide.back(), (Rect{big, big, big, big}));
}

// ---- title-bar gradient ----

TEST(GradientBands, CoversTheLengthInOrderWithExactEnds) {
    const Rgb black{0, 0, 0}, caption{10, 36, 106};
    for (int length : {0, 1, 7, 31, 32, 33, 200, 434, 1921}) {
        const auto bands = GradientBands(length, black, caption, kCaptionBands);
        ASSERT_EQ(bands.size(), 32u);
        EXPECT_EQ(bands.front().start, 0) << length;
        EXPECT_EQ(bands.back().end, length) << length;
        for (std::size_t i = 1; i < bands.size(); ++i) EXPECT_EQ(bands[i].start, bands[i - 1].end) << length;
        EXPECT_EQ(bands.front().colour, black);
        EXPECT_EQ(bands.back().colour, caption);
    }
}

TEST(GradientBands, RoundsHalvesAwayFromZero) {
    // 89 rows in 16 bands: band 7 covers rows 39 to 44, band 8 rows 45 to 49.
    const auto title = GradientBands(89, {0, 0, 255}, {192, 192, 192}, 16);
    EXPECT_EQ(std::tie(title[7].start, title[7].end), std::make_tuple(39, 45));
    EXPECT_EQ(std::tie(title[8].start, title[8].end), std::make_tuple(45, 50));
    // 236 bands from silver to medium grey take 57 colours; bands 0-3 stay silver.
    const auto background = GradientBands(1000, {192, 192, 192}, {160, 160, 164}, 236);
    std::set<std::tuple<int, int, int>> distinct;
    for (const auto& band : background) distinct.insert({band.colour.red, band.colour.green, band.colour.blue});
    EXPECT_EQ(distinct.size(), 57u);
    EXPECT_EQ(background[3].colour, (Rgb{192, 192, 192}));
    EXPECT_EQ(background[4].colour, (Rgb{191, 191, 192}));
    // Falling channel: 255 -> 0 over 3 bands is 255, 128 (127.5 rounded away from zero), 0.
    const auto falling = GradientBands(3, {255, 0, 0}, {0, 255, 0}, 3);
    EXPECT_EQ(falling[1].colour, (Rgb{127, 128, 0}));
}

TEST(GradientBands, DegenerateCounts) {
    EXPECT_TRUE(GradientBands(100, {}, {1, 2, 3}, 0).empty());
    EXPECT_TRUE(GradientBands(100, {}, {1, 2, 3}, -1).empty());
    const auto one = GradientBands(100, {9, 8, 7}, {1, 2, 3}, 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], (Band{0, 100, {9, 8, 7}}));
    for (const auto& band : GradientBands(-5, {}, {1, 2, 3}, 4)) EXPECT_EQ(band.start, band.end);
}

TEST(PaintsOwnCaption, OnlyWhereTheSystemDrawsPlainCaptionsOrFewColours) {
    const struct {
        CaptionConditions conditions;
        bool paints;
    } cases[] = {
        {{32, false, false}, true},  {{32, false, true}, false}, {{32, true, false}, false},
        {{16, true, true}, false},   {{8, false, true}, true},   {{8, true, true}, true},
        {{4, false, false}, true},   {{24, false, false}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PaintsOwnCaption(c.conditions), c.paints)
            << c.conditions.bitsPerPixel << " " << c.conditions.visualStyles << " " << c.conditions.systemGradient;
}

TEST(CaptionTextColour, WhiteOnlyInPlaceOfBlack) {
    EXPECT_EQ(CaptionTextColour({0, 0, 0}), (Rgb{255, 255, 255}));
    EXPECT_EQ(CaptionTextColour({255, 255, 255}), (Rgb{255, 255, 255}));
    EXPECT_EQ(CaptionTextColour({0, 0, 1}), (Rgb{0, 0, 1}));
    EXPECT_EQ(CaptionTextColour({255, 255, 0}), (Rgb{255, 255, 0}));
}

}  // namespace
}  // namespace quillcast::about
