#pragma once
#include <string>
#include <string_view>

namespace quillcast {

// What one editing operation did, for the control that shows the field.
struct MaskEditResult {
    bool refused = false;  // the key was not accepted and nothing changed: beep
    bool changed = false;  // the display text changed: show it again
    int caret = 0;         // where the caret now stands, 0..8 (before that index)
};

// Outcome of checking an entry when the user leaves the field or presses Enter.
struct MaskValidation {
    bool valid = true;
    int caret = 0;  // when invalid: index of the first empty required position
};

// The time-of-day entry field with the edit mask "!90:00:00>": eight positions,
// indices 0..7 here. Indices 0, 1, 3, 4, 6 and 7 hold a digit or are empty;
// only index 0 (hour tens) may stay empty in a finished entry. Indices 2 and 5
// hold the time separator and are never typed.
//
// Two texts, both always 8 characters:
// - the display text shows an empty position as '_', and the separator that was in
//   force when the field was last formatted (construction or SetText);
// - Text() shows an empty position as a space and the separator in force now,
//   so a change of regional settings reaches the schedule comparison at once
//   even though the field on screen still shows the former separator.
//
// Every operation keeps both texts in that shape, whatever it is given; the
// selection is a range of indices [SelectionStart, SelectionEnd) within 0..8.
class TimeMask {
public:
    static constexpr int kLength = 8;
    static constexpr char kBlank = '_';

    // An empty field formatted with the given separator, caret at 0, not modified.
    explicit TimeMask(char separator = ':');

    std::string DisplayText() const { return display_; }
    std::string Text() const;

    // Formats the field from a text laid out as Text() gives it: at the digit
    // indices a digit stays and anything else (a space, or too short a text)
    // becomes empty; the separator indices take the separator in force, whatever
    // the text holds there. Like any programmatic text it leaves the field
    // unmodified, with the caret at 0.
    void SetText(std::string_view text);

    // The regional separator has changed: Text() uses it from now on.
    void SetSeparatorInForce(char separator) { separatorInForce_ = separator; }
    char SeparatorInForce() const { return separatorInForce_; }

    int SelectionStart() const { return selectionStart_; }
    int SelectionEnd() const { return selectionEnd_; }
    // Sets the selection from two caret indices in either order, each held to 0..8.
    void Select(int from, int to);
    void SetCaret(int index) { Select(index, index); }

    // A typed character.
    // - A digit empties a selection, overwrites the first digit position at or after
    //   the caret and moves the caret on to the next digit position, skipping the
    //   separator. With the caret at the end it is refused: nothing goes beyond index 7.
    // - The time separator (the one shown, or the one in force) is never written:
    //   the caret moves to just after the next separator at or right of it; with
    //   none to the right it stays. Content is untouched, the selection collapses.
    // - Anything else, the space and the blank marker included, is refused.
    MaskEditResult Type(char typed);

    // Delete empties the selection, or else the digit position right of the caret;
    // Backspace empties the selection, or else the digit position left of the
    // caret, stepping over a separator, and moves the caret there. Separators stay;
    // at the edges of the field nothing happens. Neither is ever refused.
    MaskEditResult Delete();
    MaskEditResult Backspace();

    // Pasted text: the selection is emptied, then the pasted characters are typed
    // one by one from the caret, skipping characters that typing would refuse and
    // stopping at the end of the field. A pasted separator met with the caret just
    // after a separator is taken as that separator rather than a jump to the next
    // one, so "14:05:00" pastes as it reads. When no digit at all could be written, the paste is
    // refused and nothing changes.
    MaskEditResult Paste(std::string_view text);

    // The field received the focus: remember the display text for Escape and
    // start afresh counting edits.
    void FocusGained();

    // Abandons every edit since the focus came: the remembered display text comes
    // back and the field counts as not modified. The caret keeps its index.
    MaskEditResult Escape();

    // True when an edit since the focus came changed the display text.
    bool Modified() const { return modified_; }

    // An unmodified field is always valid (an untouched empty field may be left).
    // A modified one is invalid while any of indices 1, 3, 4, 6, 7 is empty.
    // Digits are not checked as a time: 24:00:00 and 99:99:99 are valid.
    MaskValidation Validate() const;

private:
    MaskEditResult Finish(const std::string& before);
    void EmptySelection();
    bool WriteDigit(char digit);          // at or after the caret; false at the end
    void JumpPastNextSeparator();
    bool IsSeparatorKey(char c) const;

    std::string display_;
    std::string displayAtFocus_;
    char separatorInForce_;
    int selectionStart_ = 0;
    int selectionEnd_ = 0;
    bool modified_ = false;
};

}  // namespace quillcast
