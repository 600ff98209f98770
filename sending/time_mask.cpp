#include "sending/time_mask.h"

#include <algorithm>
#include <array>

namespace quillcast {

namespace {

constexpr int kFirstSeparator = 2;
constexpr int kSecondSeparator = 5;
constexpr std::array<int, 5> kRequiredPositions = {1, 3, 4, 6, 7};

bool IsSeparatorIndex(int index) { return index == kFirstSeparator || index == kSecondSeparator; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int NextDigitIndex(int index) {
    while (index < TimeMask::kLength && IsSeparatorIndex(index)) ++index;
    return index;
}

}  // namespace

TimeMask::TimeMask(char separator) : separatorInForce_(separator) {
    SetText("");
    displayAtFocus_ = display_;
}

std::string TimeMask::Text() const {
    std::string text = display_;
    for (int i = 0; i < kLength; ++i) {
        if (IsSeparatorIndex(i)) {
            text[i] = separatorInForce_;
        } else if (text[i] == kBlank) {
            text[i] = ' ';
        }
    }
    return text;
}

void TimeMask::SetText(std::string_view text) {
    display_.assign(kLength, kBlank);
    for (int i = 0; i < kLength; ++i) {
        if (IsSeparatorIndex(i)) {
            display_[i] = separatorInForce_;
        } else if (static_cast<std::size_t>(i) < text.size() && IsDigit(text[i])) {
            display_[i] = text[i];
        }
    }
    modified_ = false;
    SetCaret(0);
}

void TimeMask::Select(int from, int to) {
    from = std::clamp(from, 0, kLength);
    to = std::clamp(to, 0, kLength);
    selectionStart_ = std::min(from, to);
    selectionEnd_ = std::max(from, to);
}

bool TimeMask::IsSeparatorKey(char c) const {
    // The one shown is what the user sees; the one in force is what the region says.
    return c == display_[kFirstSeparator] || c == separatorInForce_;
}

void TimeMask::EmptySelection() {
    for (int i = selectionStart_; i < selectionEnd_; ++i) {
        if (!IsSeparatorIndex(i)) display_[i] = kBlank;
    }
    SetCaret(selectionStart_);
}

bool TimeMask::WriteDigit(char digit) {
    const int target = NextDigitIndex(selectionStart_);
    if (target >= kLength) return false;
    display_[target] = digit;
    SetCaret(NextDigitIndex(target + 1));
    return true;
}

void TimeMask::JumpPastNextSeparator() {
    for (int i = selectionStart_; i < kLength; ++i) {
        if (IsSeparatorIndex(i)) {
            SetCaret(i + 1);
            return;
        }
    }
    SetCaret(selectionStart_);
}

MaskEditResult TimeMask::Finish(const std::string& before) {
    MaskEditResult result;
    result.changed = display_ != before;
    modified_ = modified_ || result.changed;
    result.caret = selectionStart_;
    return result;
}

MaskEditResult TimeMask::Type(char typed) {
    const std::string before = display_;
    if (IsDigit(typed)) {
        if (selectionStart_ < selectionEnd_) EmptySelection();
        if (!WriteDigit(typed)) return {true, false, selectionStart_};
        return Finish(before);
    }
    if (IsSeparatorKey(typed)) {
        JumpPastNextSeparator();
        return Finish(before);
    }
    return {true, false, selectionStart_};
}

MaskEditResult TimeMask::Delete() {
    const std::string before = display_;
    if (selectionStart_ == selectionEnd_ && selectionStart_ < kLength) {
        Select(selectionStart_, selectionStart_ + 1);
        EmptySelection();
    } else {
        EmptySelection();
    }
    return Finish(before);
}

MaskEditResult TimeMask::Backspace() {
    const std::string before = display_;
    if (selectionStart_ < selectionEnd_) {
        EmptySelection();
        return Finish(before);
    }
    int index = selectionStart_ - 1;
    while (index >= 0 && IsSeparatorIndex(index)) --index;
    if (index >= 0) {
        display_[index] = kBlank;
        SetCaret(index);
    }
    return Finish(before);
}

MaskEditResult TimeMask::Paste(std::string_view text) {
    const std::string before = display_;
    const int startBefore = selectionStart_;
    const int endBefore = selectionEnd_;
    EmptySelection();
    bool wroteDigit = false;
    for (char c : text) {
        if (selectionStart_ >= kLength) break;
        if (IsDigit(c)) {
            wroteDigit = WriteDigit(c) || wroteDigit;
        } else if (IsSeparatorKey(c) && !IsSeparatorIndex(selectionStart_ - 1)) {
            JumpPastNextSeparator();
        }
    }
    if (!wroteDigit) {
        display_ = before;
        Select(startBefore, endBefore);
        return {true, false, selectionStart_};
    }
    return Finish(before);
}

void TimeMask::FocusGained() {
    displayAtFocus_ = display_;
    modified_ = false;
}

MaskEditResult TimeMask::Escape() {
    const std::string before = display_;
    if (modified_) display_ = displayAtFocus_;
    modified_ = false;
    SetCaret(selectionStart_);
    MaskEditResult result;
    result.changed = display_ != before;
    result.caret = selectionStart_;
    return result;
}

MaskValidation TimeMask::Validate() const {
    if (!modified_) return {};
    for (int index : kRequiredPositions) {
        if (display_[index] == kBlank) return {false, index};
    }
    return {};
}

}  // namespace quillcast
