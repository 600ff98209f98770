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
                if (!acceptable) QC_FUZZ_CHECK(result->refused);
                break;
            }
            case 1:  // a digit typed, the common case
                result = mask.Type(static_cast<char>('0' + input.Byte() % 10));
                break;
            case 2: {  // a separator typed: moves the caret only
                const char separator = input.Byte() % 2 ? mask.SeparatorInForce() : mask.DisplayText()[2];
                result = mask.Type(separator);
                if (!IsDigit(separator)) {
                    QC_FUZZ_CHECK(!result->refused && mask.DisplayText() == before.display);
                }
                break;
            }
            case 3:
                result = mask.Delete();
                QC_FUZZ_CHECK(!result->refused);
                break;
            case 4:
                result = mask.Backspace();
                QC_FUZZ_CHECK(!result->refused);
                break;
            case 5: {
                const std::string_view pasted = input.Text();
                result = mask.Paste(pasted);
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
