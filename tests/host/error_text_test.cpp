#include "app/model/error_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quillcast {
namespace {

bool SingleByte(unsigned char) { return false; }
// Shift-JIS style lead bytes, to exercise the double-byte rule.
bool ShiftJisLead(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

struct PeriodCase {
    const char* label;
    std::string message;
    std::string shown;
};

class ErrorReportTextTest : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(ErrorReportTextTest, AddsAPeriodOnlyAfterCharactersAboveThePeriod) {
    EXPECT_EQ(ErrorReportText(GetParam().message, SingleByte), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    LastCharacter, ErrorReportTextTest,
    ::testing::Values(PeriodCase{"letter", "Invalid input value", "Invalid input value."},
                      PeriodCase{"digit", "Error 5", "Error 5."},
                      PeriodCase{"colon", "Reason:", "Reason:."},
                      PeriodCase{"question", "Why?", "Why?."},
                      PeriodCase{"slash_just_above", "a/", "a/."},
                      PeriodCase{"period", "Done.", "Done."},
                      PeriodCase{"exclamation", "Done!", "Done!"},
                      PeriodCase{"comma", "a,", "a,"},
                      PeriodCase{"hyphen_just_below", "a-", "a-"},
                      PeriodCase{"parenthesis", "(x)", "(x)"},
                      PeriodCase{"space", "trailing ", "trailing "},
                      PeriodCase{"control", "line\n", "line\n"},
                      PeriodCase{"high_byte", "caf\xe9", "caf\xe9."},
                      PeriodCase{"empty", "", ""},
                      PeriodCase{"two_spaces_inside", "Invalid input value.  Use escape key to abandon changes",
                                 "Invalid input value.  Use escape key to abandon changes."}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ErrorReportText, DoubleByteLastCharacterAlwaysGetsAPeriod) {
    // 0x81 0x21: a lead byte whose trail byte is "!" - as one character it still gets the period.
    EXPECT_EQ(ErrorReportText("x\x81!", ShiftJisLead), "x\x81!.");
    // The same bytes in a single-byte code page end in "!" and stay as they are.
    EXPECT_EQ(ErrorReportText("x\x81!", SingleByte), "x\x81!");
}

TEST(ErrorReportText, FindsCharacterBoundariesFromTheStart) {
    // "\x81\x81" is one character; the final "!" stands alone and keeps the text unchanged.
    EXPECT_EQ(ErrorReportText("\x81\x81!", ShiftJisLead), "\x81\x81!");
    // A lead byte with nothing after it is a character of its own (0x81 > '.').
    EXPECT_EQ(ErrorReportText("ab\x81", ShiftJisLead), "ab\x81.");
}

}  // namespace
}  // namespace quillcast
