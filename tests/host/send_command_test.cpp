#include "sending/send_command.h"

#include <gtest/gtest.h>

#include <string>

namespace quillcast {
namespace {

struct CompositionCase {
    const char* label;
    std::string receiver;
    std::string message;
    std::string expected;
};

class ComposeSendParametersTest : public ::testing::TestWithParam<CompositionCase> {};

TEST_P(ComposeSendParametersTest, PassesBothTextsUnchanged) {
    const auto& c = GetParam();
    EXPECT_EQ(ComposeSendParameters(c.receiver, c.message), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    FieldContents, ComposeSendParametersTest,
    ::testing::Values(
        CompositionCase{"untouched", "IP of reciver", "Message", "send IP of reciver Message"},
        CompositionCase{"empty_receiver", "", "hi", "send  hi"},
        CompositionCase{"empty_message", "pc1", "", "send pc1 "},
        CompositionCase{"both_empty", "", "", "send  "},
        CompositionCase{"blanks_at_ends", "  pc1 ", " hi  ", "send   pc1   hi  "},
        CompositionCase{"quotes_and_shell_characters", "\"pc 1\"", "50% & \"more\" | <x>",
                        "send \"pc 1\" 50% & \"more\" | <x>"},
        CompositionCase{"bytes_above_ascii", "\xc0\xff", "\x01\x7f\xe9", "send \xc0\xff \x01\x7f\xe9"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ComposeSendParameters, BothFieldsEmptyGiveSixCharacters) {
    EXPECT_EQ(ComposeSendParameters("", "").size(), 6u);
}

TEST(ComposeSendParameters, KeepsEmbeddedZeroBytesAndAnyLength) {
    const std::string message(1 << 20, 'm');
    const std::string withZero("a\0b", 3);
    const std::string parameters = ComposeSendParameters(withZero, message);
    ASSERT_EQ(parameters.size(), 5 + 3 + 1 + message.size());
    EXPECT_EQ(parameters.substr(5, 3), withZero);
    EXPECT_EQ(parameters.substr(9), message);
}

}  // namespace
}  // namespace quillcast
