#include <random>
#include <string>

#include <gtest/gtest.h>

#include "sending/time_mask.h"

namespace quillcast {
namespace {

// Keystroke scripts, read left to right:
//   any other character  typed
//   '\b'                 Backspace
//   '\x7f'               Delete
//   '\x1b'               Escape
//   '^'                  the field receives the focus
//   '@' + digit          caret to that index
//   '[' + two digits     selection between those indices
struct ScriptOutcome {
    int refusals = 0;  // beeps
};

ScriptOutcome RunScript(TimeMask& mask, const std::string& script) {
    ScriptOutcome outcome;
    for (std::size_t i = 0; i < script.size(); ++i) {
        const char key = script[i];
        MaskEditResult result;
        switch (key) {
            case '\b': result = mask.Backspace(); break;
            case '\x7f': result = mask.Delete(); break;
            case '\x1b': result = mask.Escape(); break;
            case '^': mask.FocusGained(); continue;
            case '@': mask.SetCaret(script.at(++i) - '0'); continue;
            case '[': {
                const int from = script.at(++i) - '0';
                mask.Select(from, script.at(++i) - '0');
                continue;
            }
            default: result = mask.Type(key); break;
        }
        EXPECT_EQ(result.caret, mask.SelectionStart()) << "after key " << i << " of " << script;
        if (result.refused) {
            ++outcome.refusals;
        } else {
            EXPECT_EQ(mask.SelectionStart(), mask.SelectionEnd()) << "after key " << i << " of " << script;
        }
    }
    return outcome;
}

struct EditCase {
    const char* name;
    const char* initialText;  // set before the field gets the focus
    const char* script;
    const char* display;
    const char* text;
    int caret;
    int beeps;
};

class MaskEditing : public testing::TestWithParam<EditCase> {};

TEST_P(MaskEditing, KeystrokesGiveDisplayTextTextAndCaret) {
    const EditCase& c = GetParam();
    TimeMask mask(':');
    mask.SetText(c.initialText);
    mask.FocusGained();
    const ScriptOutcome outcome = RunScript(mask, c.script);
    EXPECT_EQ(mask.DisplayText(), c.display);
    EXPECT_EQ(mask.Text(), c.text);
    EXPECT_EQ(mask.SelectionStart(), c.caret);
    EXPECT_EQ(outcome.refusals, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, MaskEditing,
    testing::Values(
        EditCase{"Untouched", "", "", "__:__:__", "  :  :  ", 0, 0},
        EditCase{"SixDigitsSkipSeparators", "", "140500", "14:05:00", "14:05:00", 8, 0},
        EditCase{"NothingBeyondTheEnd", "", "14050012", "14:05:00", "14:05:00", 8, 2},
        EditCase{"HalfTyped", "", "14050", "14:05:0_", "14:05:0 ", 7, 0},
        EditCase{"HourTensLeftEmpty", "", "@19@33000", "_9:30:00", " 9:30:00", 8, 0},
        EditCase{"OverwritesInPlace", "14:05:00", "@33", "14:35:00", "14:35:00", 4, 0},
        EditCase{"DigitOnSeparatorGoesToNextDigit", "14:05:00", "@27", "14:75:00", "14:75:00", 4, 0},
        EditCase{"DigitsNotCheckedAsTime", "", "999999", "99:99:99", "99:99:99", 8, 0},
        EditCase{"OtherKeysRefused", "", "a _-/1\t\r", "1_:__:__", "1 :  :  ", 1, 7},
        EditCase{"BlankMarkerRefused", "14:05:00", "@0_", "14:05:00", "14:05:00", 0, 1},
        EditCase{"DigitOverSelection", "14:05:00", "[372", "14:2_:_0", "14:2 : 0", 4, 0},
        EditCase{"RefusedKeyKeepsSelection", "14:05:00", "[37x", "14:05:00", "14:05:00", 3, 1}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SeparatorKey, MaskEditing,
    testing::Values(
        // Typed where a digit belongs, the separator jumps past the next separator
        // and leaves what it passes alone.
        EditCase{"AfterOneHourDigit", "", "1:3:5", "1_:3_:5_", "1 :3 :5 ", 7, 0},
        EditCase{"AfterTheAutoSkip", "", "14:05", "14:__:05", "14:  :05", 8, 0},
        EditCase{"PassesOverContent", "14:05:00", "@0:", "14:05:00", "14:05:00", 3, 0},
        EditCase{"OnASeparatorPosition", "", "@2:", "__:__:__", "  :  :  ", 3, 0},
        EditCase{"InTheLastGroupStays", "", "@6:", "__:__:__", "  :  :  ", 6, 0},
        EditCase{"AtTheEndStays", "14:05:00", "@8:", "14:05:00", "14:05:00", 8, 0},
        EditCase{"OtherSeparatorRefused", "", "1.", "1_:__:__", "1 :  :  ", 1, 1},
        EditCase{"CollapsesSelection", "14:05:00", "[04:", "14:05:00", "14:05:00", 3, 0}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DeleteAndBackspace, MaskEditing,
    testing::Values(
        EditCase{"BackspaceLastDigit", "14:05:00", "@8\b", "14:05:0_", "14:05:0 ", 7, 0},
        EditCase{"BackspaceStepsOverSeparator", "14:05:00", "@3\b", "1_:05:00", "1 :05:00", 1, 0},
        EditCase{"BackspaceTwiceOverSeparator", "14:05:00", "@4\b\b", "1_:_5:00", "1 : 5:00", 1, 0},
        EditCase{"BackspaceAtStart", "14:05:00", "@0\b", "14:05:00", "14:05:00", 0, 0},
        EditCase{"BackspaceAll", "14:05:00", "@8\b\b\b\b\b\b\b\b", "__:__:__", "  :  :  ", 0, 0},
        EditCase{"DeleteKeepsCaret", "14:05:00", "@0\x7f", "_4:05:00", " 4:05:00", 0, 0},
        EditCase{"DeleteOnSeparatorKeepsIt", "14:05:00", "@2\x7f", "14:05:00", "14:05:00", 2, 0},
        EditCase{"DeleteAtEnd", "14:05:00", "@8\x7f", "14:05:00", "14:05:00", 8, 0},
        EditCase{"DeleteSelection", "14:05:00", "[17\x7f", "1_:__:_0", "1 :  : 0", 1, 0},
        EditCase{"BackspaceSelectionEverything", "14:05:00", "[80\b", "__:__:__", "  :  :  ", 0, 0},
        EditCase{"RetypeAfterDelete", "14:05:00", "@3\x7f\x7f" "30", "14:30:00", "14:30:00", 6, 0}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Escape, MaskEditing,
    testing::Values(
        EditCase{"RestoresTextAtFocus", "14:05:00", "@099\x7f\x1b", "14:05:00", "14:05:00", 3, 0},
        EditCase{"RestoresEmptyField", "", "1234\x1b", "__:__:__", "  :  :  ", 6, 0},
        EditCase{"OnlyEditsSinceLatestFocus", "", "12^34\x1b", "12:__:__", "12:  :  ", 6, 0},
        EditCase{"SecondEscapeChangesNothing", "14:05:00", "@09\x1b" "8\x1b\x1b", "14:05:00", "14:05:00", 3, 0},
        EditCase{"EditAfterEscapeStillCounts", "14:05:00", "@09\x1b" "8", "18:05:00", "18:05:00", 3, 0}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Validation when the user leaves the field or presses Enter ----

struct ValidationCase {
    const char* name;
    const char* initialText;
    const char* script;
    bool valid;
    int caret;  // first empty required position, when invalid
};

class MaskValidationTable : public testing::TestWithParam<ValidationCase> {};

TEST_P(MaskValidationTable, RequiredPositionsMustBeFilledOnceEdited) {
    const ValidationCase& c = GetParam();
    TimeMask mask(':');
    mask.SetText(c.initialText);
    mask.FocusGained();
    RunScript(mask, c.script);
    const MaskValidation validation = mask.Validate();
    EXPECT_EQ(validation.valid, c.valid);
    if (!c.valid) {
        EXPECT_EQ(validation.caret, c.caret);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaskValidationTable,
    testing::Values(
        ValidationCase{"EmptyFieldPassedThrough", "", "", true, 0},
        ValidationCase{"CaretMovesAreNoEdit", "", "@3[16", true, 0},
        ValidationCase{"SeparatorKeyIsNoEdit", "", ":", true, 0},
        ValidationCase{"RefusedKeysAreNoEdit", "", "ab", true, 0},
        ValidationCase{"DeletingNothingIsNoEdit", "", "\x7f\b", true, 0},
        ValidationCase{"IncompleteButUntouched", "1 :  :  ", "@5", true, 0},
        ValidationCase{"Complete", "", "140500", true, 0},
        ValidationCase{"OnlyHourTensEmpty", "14:05:00", "@0\x7f", true, 0},
        ValidationCase{"NotATimeButComplete", "", "240000", true, 0},
        ValidationCase{"OneDigitTyped", "", "1", false, 1},
        ValidationCase{"HourUnitsEmptied", "14:05:00", "@1\x7f", false, 1},
        ValidationCase{"MinuteTensEmptied", "14:05:00", "@4\b", false, 3},
        ValidationCase{"MinuteUnitsEmptied", "14:05:00", "@4\x7f", false, 4},
        ValidationCase{"SecondTensEmptied", "14:05:00", "@6\x7f", false, 6},
        ValidationCase{"LastDigitMissing", "", "14050", false, 7},
        ValidationCase{"FirstEmptyWins", "14:05:00", "@7\x7f@3\x7f", false, 3},
        ValidationCase{"EscapeAbandonsTheEdit", "14:05:00", "@1\x7f\x1b", true, 0},
        ValidationCase{"RefocusStartsAfresh", "", "1^", true, 0}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Paste ----

struct PasteCase {
    const char* name;
    const char* initialText;
    int selectionFrom;
    int selectionTo;
    std::string pasted;
    const char* display;
    int caret;
    bool refused;
};

class MaskPaste : public testing::TestWithParam<PasteCase> {};

TEST_P(MaskPaste, PastedTextIsTypedIntoThePattern) {
    const PasteCase& c = GetParam();
    TimeMask mask(':');
    mask.SetText(c.initialText);
    mask.FocusGained();
    mask.Select(c.selectionFrom, c.selectionTo);
    const std::string before = mask.DisplayText();
    const MaskEditResult result = mask.Paste(c.pasted);
    EXPECT_EQ(mask.DisplayText(), c.display);
    EXPECT_EQ(result.refused, c.refused);
    EXPECT_EQ(result.caret, c.caret);
    EXPECT_EQ(mask.SelectionStart(), c.refused ? c.selectionFrom : c.caret);
    EXPECT_EQ(mask.Modified(), result.changed);
    EXPECT_EQ(result.changed, mask.DisplayText() != before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaskPaste,
    testing::Values(
        PasteCase{"WholeTime", "", 0, 0, "14:05:00", "14:05:00", 8, false},
        PasteCase{"DigitsOnly", "", 0, 0, "140500", "14:05:00", 8, false},
        PasteCase{"OneHourDigit", "", 0, 0, "9:30:00", "9_:30:00", 8, false},
        PasteCase{"JunkSkipped", "", 0, 0, " 14 : 05\r\n", "14:05:__", 6, false},
        PasteCase{"TooLongStopsAtEnd", "", 0, 0, "1234567890", "12:34:56", 8, false},
        PasteCase{"IntoMinutes", "14:05:00", 3, 3, "3", "14:35:00", 4, false},
        PasteCase{"SeparatorAfterSeparatorAbsorbed", "", 3, 3, ":30", "__:30:__", 6, false},
        PasteCase{"ReplacesSelection", "14:05:00", 0, 8, "7", "7_:__:__", 1, false},
        PasteCase{"NoDigitsRefused", "14:05:00", 0, 8, "abc", "14:05:00", 0, true},
        PasteCase{"NothingPasted", "14:05:00", 2, 6, "", "14:05:00", 2, true},
        PasteCase{"AtTheEndRefused", "14:05:00", 8, 8, "12", "14:05:00", 8, true},
        PasteCase{"ControlAndHighBytes", "", 0, 0, std::string("\0\xff\x80" "1", 4), "1_:__:__", 1, false}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Separators and the two texts ----

TEST(MaskSeparator, FieldFormattedWithDotAcceptsDotAsSeparator) {
    TimeMask mask('.');
    mask.FocusGained();
    const ScriptOutcome outcome = RunScript(mask, "1.3:");
    EXPECT_EQ(mask.DisplayText(), "1_.3_.__");
    EXPECT_EQ(mask.Text(), "1 .3 .  ");
    EXPECT_EQ(outcome.refusals, 1);  // ':' is no separator here
}

TEST(MaskSeparator, TextTakesTheSeparatorInForceWhileTheDisplayKeepsItsOwn) {
    TimeMask mask(':');
    mask.FocusGained();
    RunScript(mask, "140500");
    mask.SetSeparatorInForce('.');
    EXPECT_EQ(mask.DisplayText(), "14:05:00");
    EXPECT_EQ(mask.Text(), "14.05.00");

    // Both the separator shown and the one in force act as the separator key.
    mask.SetCaret(0);
    EXPECT_FALSE(mask.Type('.').refused);
    EXPECT_EQ(mask.SelectionStart(), 3);
    EXPECT_FALSE(mask.Type(':').refused);
    EXPECT_EQ(mask.SelectionStart(), 6);
    EXPECT_EQ(mask.DisplayText(), "14:05:00");
}

TEST(MaskSeparator, DigitSeparatorNeverStealsDigits) {
    TimeMask mask('5');
    mask.FocusGained();
    RunScript(mask, "155");
    EXPECT_EQ(mask.DisplayText(), "1555_5__");
    EXPECT_EQ(mask.Text(), "1555 5  ");
}

struct SetTextCase {
    std::string text;
    char separator;
    const char* display;
    const char* readBack;
};

TEST(MaskSetText, WorksAsTheReverseOfText) {
    const SetTextCase cases[] = {
        {"14:05:00", ':', "14:05:00", "14:05:00"},
        {" 9:30:00", ':', "_9:30:00", " 9:30:00"},
        {"  :  :  ", ':', "__:__:__", "  :  :  "},
        {"  :  :  ", '.', "__.__.__", "  .  .  "},
        {"14:05:0 ", ':', "14:05:0_", "14:05:0 "},
        {"", ':', "__:__:__", "  :  :  "},
        {"12345678", ':', "12:45:78", "12:45:78"},
        {"ab_c-d\t\n", ':', "__:__:__", "  :  :  "},
        {"14:05:00 and more", '.', "14.05.00", "14.05.00"},
        {std::string("1\0:2", 4), ':', "1_:2_:__", "1 :2 :  "},
    };
    for (const SetTextCase& c : cases) {
        TimeMask mask(':');
        mask.SetSeparatorInForce(c.separator);
        mask.SetText(c.text);
        EXPECT_EQ(mask.DisplayText(), c.display) << c.text;
        EXPECT_EQ(mask.Text(), c.readBack) << c.text;
        EXPECT_FALSE(mask.Modified()) << c.text;
    }
}

// ---- Whatever happens, both texts keep the pattern ----

bool FitsPattern(const std::string& text, char separator, char blank) {
    if (text.size() != static_cast<std::size_t>(TimeMask::kLength)) return false;
    for (int i = 0; i < TimeMask::kLength; ++i) {
        const char c = text[i];
        if (i == 2 || i == 5) {
            if (c != separator) return false;
        } else if (!((c >= '0' && c <= '9') || c == blank)) {
            return false;
        }
    }
    return true;
}

TEST(MaskInvariant, RandomOperationsKeepBothTextsInThePattern) {
    std::mt19937_64 rng(20240613);
    const auto anyByte = [&rng] { return static_cast<char>(rng() % 256); };
    const auto anyIndex = [&rng] { return static_cast<int>(rng() % 24) - 8; };  // some out of range
    for (int field = 0; field < 20; ++field) {
        TimeMask mask(anyByte());
        mask.FocusGained();
        for (int step = 0; step < 2000; ++step) {
            const std::string before = mask.DisplayText();
            const bool modifiedBefore = mask.Modified();
            MaskEditResult result;
            bool edit = true;
            bool escaped = false;
            switch (rng() % 12) {
                case 0: result = mask.Backspace(); break;
                case 1: result = mask.Delete(); break;
                case 2: result = mask.Escape(); escaped = true; break;
                case 3: {
                    std::string pasted(rng() % 20, '\0');
                    for (char& c : pasted) c = rng() % 2 ? anyByte() : static_cast<char>('0' + rng() % 10);
                    result = mask.Paste(pasted);
                    break;
                }
                case 4: mask.Select(anyIndex(), anyIndex()); edit = false; break;
                case 5: mask.FocusGained(); edit = false; break;
                case 6: if (rng() % 20 == 0) mask.SetSeparatorInForce(anyByte()); edit = false; break;
                case 7: result = mask.Type(mask.SeparatorInForce()); break;
                case 8: result = mask.Type(anyByte()); break;
                default: result = mask.Type(static_cast<char>('0' + rng() % 10)); break;
            }
            const std::string display = mask.DisplayText();
            ASSERT_TRUE(FitsPattern(display, display[2], TimeMask::kBlank)) << display;
            ASSERT_TRUE(FitsPattern(mask.Text(), mask.SeparatorInForce(), ' ')) << mask.Text();
            ASSERT_LE(0, mask.SelectionStart());
            ASSERT_LE(mask.SelectionStart(), mask.SelectionEnd());
            ASSERT_LE(mask.SelectionEnd(), TimeMask::kLength);
            if (!edit) continue;
            ASSERT_EQ(result.caret, mask.SelectionStart());
            ASSERT_EQ(result.changed, display != before);
            if (result.refused) {
                ASSERT_EQ(display, before);
            }
            if (!escaped) {
                ASSERT_EQ(mask.Modified(), modifiedBefore || result.changed);
            }
            const MaskValidation validation = mask.Validate();
            if (!validation.valid) {
                ASSERT_EQ(display[validation.caret], TimeMask::kBlank);
            }
        }
    }
}

}  // namespace
}  // namespace quillcast
