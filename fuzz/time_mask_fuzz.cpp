// The time entry mask driven by arbitrary keystrokes, pastes and programmatic
// changes. Input: the separator in force at construction, then operations to
// the end, each an opcode byte (taken modulo the number of operations) and its
// arguments as the switch below reads them.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sending/time_mask.h"
#include "support/byte_reader.h"
#include "support/fuzz_check.h"

namespace {

using quillcast::MaskEditResult;
using quillcast::TimeMask;

constexpr std::array<int, 6> kDigitIndices = {0, 1, 3, 4, 6, 7};
constexpr std::array<int, 5> kRequiredIndices = {1, 3, 4, 6, 7};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// What the harness knows independently of the mask: which separator the display
// must show and what Escape must bring back.
struct Expectations {
    char displaySeparator;      // in force at the last formatting
    std::string displayAtFocus;
    char displaySeparatorAtFocus;
};

void CheckShape(const TimeMask& mask, const Expectations& expected) {
    const std::string display = mask.DisplayText();
    const std::string text = mask.Text();
    QC_FUZZ_CHECK(display.size() == 8);
    QC_FUZZ_CHECK(text.size() == 8);
    for (int i : kDigitIndices) {
        QC_FUZZ_CHECK(IsDigit(display[i]) || display[i] == TimeMask::kBlank);
        QC_FUZZ_CHECK(text[i] == (display[i] == TimeMask::kBlank ? ' ' : display[i]));
    }
    QC_FUZZ_CHECK(display[2] == expected.displaySeparator && display[5] == expected.displaySeparator);
    QC_FUZZ_CHECK(text[2] == mask.SeparatorInForce() && text[5] == mask.SeparatorInForce());
    QC_FUZZ_CHECK(0 <= mask.SelectionStart() && mask.SelectionStart() <= mask.SelectionEnd() &&
                  mask.SelectionEnd() <= TimeMask::kLength);

    // Untouched since the focus (or since a programmatic text): always valid.
    // Touched: invalid exactly while a required position is empty, pointing at the first.
    const quillcast::MaskValidation validation = mask.Validate();
    const auto firstEmpty = std::find_if(kRequiredIndices.begin(), kRequiredIndices.end(),
                                         [&](int i) { return display[i] == TimeMask::kBlank; });
    if (!mask.Modified() || firstEmpty == kRequiredIndices.end()) {
        QC_FUZZ_CHECK(validation.valid);
    } else {
        QC_FUZZ_CHECK(!validation.valid && validation.caret == *firstEmpty);
    }
}

// What every editing operation promises about its result.
struct Before {
    std::string display;
    int selectionStart;
    int selectionEnd;
    bool modified;
};

void CheckResult(const TimeMask& mask, const Before& before, const MaskEditResult& result) {
    QC_FUZZ_CHECK(result.caret == mask.SelectionStart());
    QC_FUZZ_CHECK(result.changed == (mask.DisplayText() != before.display));
    if (result.changed) QC_FUZZ_CHECK(mask.Modified());
    if (result.refused) {
        QC_FUZZ_CHECK(mask.SelectionStart() == before.selectionStart && mask.SelectionEnd() == before.selectionEnd);
        QC_FUZZ_CHECK(mask.Modified() == before.modified);
    } else {
        QC_FUZZ_CHECK(mask.SelectionStart() == mask.SelectionEnd());
    }
}

bool IsSeparatorKey(const TimeMask& mask, char c) { return c == mask.DisplayText()[2] || c == mask.SeparatorInForce(); }

// The display and caret that typing a digit, Delete and Backspace must leave,
// worked out on the display text alone.
struct ExpectedEdit {
    std::string display;
    int caret;
    bool refused = false;
};

bool IsDigitIndex(int i) { return i != 2 && i != 5; }

int DigitIndexAtOrAfter(int i) {
    while (i < TimeMask::kLength && !IsDigitIndex(i)) ++i;
    return i;
}

std::string WithRangeEmptied(std::string display, int from, int to) {
    for (int i = from; i < to; ++i) {
        if (IsDigitIndex(i)) display[i] = TimeMask::kBlank;
    }
    return display;
}

ExpectedEdit TypedDigit(const Before& before, char digit) {
    ExpectedEdit edit{WithRangeEmptied(before.display, before.selectionStart, before.selectionEnd),
                      before.selectionStart};
    const int target = DigitIndexAtOrAfter(before.selectionStart);
    if (target >= TimeMask::kLength) return {before.display, before.selectionStart, true};
    edit.display[target] = digit;
    edit.caret = DigitIndexAtOrAfter(target + 1);
    return edit;
}

ExpectedEdit Deleted(const Before& before) {
    const int end = before.selectionStart < before.selectionEnd ? before.selectionEnd
                                                                : std::min(before.selectionStart + 1, 8);
    return {WithRangeEmptied(before.display, before.selectionStart, end), before.selectionStart};
}

ExpectedEdit Backspaced(const Before& before) {
    if (before.selectionStart < before.selectionEnd) {
        return {WithRangeEmptied(before.display, before.selectionStart, before.selectionEnd), before.selectionStart};
    }
    int index = before.selectionStart - 1;
    while (index >= 0 && !IsDigitIndex(index)) --index;
    if (index < 0) return {before.display, before.selectionStart};
    return {WithRangeEmptied(before.display, index, index + 1), index};
}

// The caret after the separator key: just past the next separator at or right of it.
int PastNextSeparator(int caret) { return caret <= 2 ? 3 : caret <= 5 ? 6 : caret; }

ExpectedEdit Pasted(const Before& before, std::string_view pasted, const TimeMask& mask) {
    const char shownSeparator = before.display[2];
    ExpectedEdit edit{WithRangeEmptied(before.display, before.selectionStart, before.selectionEnd),
                      before.selectionStart};
    bool wroteDigit = false;
    for (char c : pasted) {
        if (edit.caret >= TimeMask::kLength) break;
        if (IsDigit(c)) {
            const int target = DigitIndexAtOrAfter(edit.caret);
            edit.display[target] = c;
            edit.caret = DigitIndexAtOrAfter(target + 1);
            wroteDigit = true;
        } else if ((c == shownSeparator || c == mask.SeparatorInForce()) && IsDigitIndex(edit.caret - 1)) {
            edit.caret = PastNextSeparator(edit.caret);
        }
    }
    if (!wroteDigit) return {before.display, before.selectionStart, true};
    return edit;
}

void CheckEdit(const TimeMask& mask, const MaskEditResult& result, const ExpectedEdit& expected) {
    QC_FUZZ_CHECK(result.refused == expected.refused);
    QC_FUZZ_CHECK(mask.DisplayText() == expected.display);
    QC_FUZZ_CHECK(mask.SelectionStart() == expected.caret);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillcast::fuzz::ByteReader input(data, size);
    TimeMask mask(input.Char());
    Expectations expected{mask.SeparatorInForce(), mask.DisplayText(), mask.SeparatorInForce()};
    CheckShape(mask, expected);

    constexpr int kOperations = 13;
    while (!input.Empty()) {
        const Before before{mask.DisplayText(), mask.SelectionStart(), mask.SelectionEnd(), mask.Modified()};
        std::optional<MaskEditResult> result;
        switch (input.Byte() % kOperations) {
            case 0: {  // any byte typed
                const char typed = input.Char();
                const bool acceptable = IsDigit(typed) || IsSeparatorKey(mask, typed);
                result = mask.Type(typed);
                if (IsDigit(typed)) CheckEdit(mask, *result, TypedDigit(before, typed));
                if (!acceptable) QC_FUZZ_CHECK(result->refused);
                break;
            }
            case 1: {  // a digit typed, the common case
                const char digit = static_cast<char>('0' + input.Byte() % 10);
                result = mask.Type(digit);
                CheckEdit(mask, *result, TypedDigit(before, digit));
                break;
            }
            case 2: {  // a separator typed: moves the caret only
                const char separator = input.Byte() % 2 ? mask.SeparatorInForce() : mask.DisplayText()[2];
                result = mask.Type(separator);
                if (!IsDigit(separator)) {
                    CheckEdit(mask, *result, {before.display, PastNextSeparator(before.selectionStart)});
                }
                break;
            }
            case 3:
                result = mask.Delete();
                CheckEdit(mask, *result, Deleted(before));
                break;
            case 4:
                result = mask.Backspace();
                CheckEdit(mask, *result, Backspaced(before));
                break;
            case 5: {
                const std::string_view pasted = input.Text();
                result = mask.Paste(pasted);
                CheckEdit(mask, *result, Pasted(before, pasted, mask));
                if (std::none_of(pasted.begin(), pasted.end(), IsDigit)) QC_FUZZ_CHECK(result->refused);
                break;
            }
            case 6: {  // indices near the field, out of range both ways
                const int from = input.SmallInt();
                const int to = input.SmallInt();
                mask.Select(from, to);
                QC_FUZZ_CHECK(mask.SelectionStart() == std::clamp(std::min(from, to), 0, 8));
                QC_FUZZ_CHECK(mask.SelectionEnd() == std::clamp(std::max(from, to), 0, 8));
                break;
            }
            case 7: {  // indices anywhere in the int range
                const int from = input.WideInt();
                const int to = input.WideInt();
                mask.Select(from, to);
                QC_FUZZ_CHECK(mask.SelectionStart() == std::clamp(std::min(from, to), 0, 8));
                QC_FUZZ_CHECK(mask.SelectionEnd() == std::clamp(std::max(from, to), 0, 8));
                break;
            }
            case 8: {
                const std::string_view text = input.Text();
                mask.SetText(text);
                expected.displaySeparator = mask.SeparatorInForce();
                const std::string display = mask.DisplayText();
                for (int i : kDigitIndices) {
                    const bool digit = static_cast<std::size_t>(i) < text.size() && IsDigit(text[i]);
                    QC_FUZZ_CHECK(display[i] == (digit ? text[i] : TimeMask::kBlank));
                }
                QC_FUZZ_CHECK(!mask.Modified() && mask.SelectionStart() == 0 && mask.SelectionEnd() == 0);
                break;
            }
            case 9:
                mask.SetSeparatorInForce(input.Char());
                QC_FUZZ_CHECK(mask.DisplayText() == before.display);
                break;
            case 10:
                mask.FocusGained();
                expected.displayAtFocus = mask.DisplayText();
                expected.displaySeparatorAtFocus = expected.displaySeparator;
                QC_FUZZ_CHECK(!mask.Modified() && mask.DisplayText() == before.display);
                break;
            case 11: {  // not through CheckResult: Escape changes the text and clears Modified
                const MaskEditResult escaped = mask.Escape();
                QC_FUZZ_CHECK(!escaped.refused && !mask.Modified());
                QC_FUZZ_CHECK(escaped.changed == (mask.DisplayText() != before.display));
                QC_FUZZ_CHECK(escaped.caret == mask.SelectionStart());
                QC_FUZZ_CHECK(mask.SelectionStart() == before.selectionStart &&
                              mask.SelectionEnd() == mask.SelectionStart());
                if (before.modified) {
                    QC_FUZZ_CHECK(mask.DisplayText() == expected.displayAtFocus);
                    expected.displaySeparator = expected.displaySeparatorAtFocus;
                } else {
                    QC_FUZZ_CHECK(mask.DisplayText() == before.display);
                }
                break;
            }
            case 12:
                mask.SetCaret(input.SmallInt());
                break;
        }
        if (result) CheckResult(mask, before, *result);
        CheckShape(mask, expected);
    }
    return 0;
}
