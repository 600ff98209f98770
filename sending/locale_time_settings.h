#pragma once
#include <optional>
#include <string>

namespace quillcast {

// The user's regional time settings that shape the clock text and the
// separator of the schedule field. Defaults are what we use when the
// platform cannot supply a setting.
struct LocaleTimeSettings {
    char separator = ':';           // between hours, minutes and seconds
    bool leadingZero = false;       // hours always in two digits
    bool clock24 = false;           // false: 12-hour clock with a designator
    bool designatorBefore = false;  // 12-hour clock: designator precedes the time
    std::string am = "am";          // marks hours 0 to 11 on the 12-hour clock; may be empty
    std::string pm = "pm";          // marks hours 12 to 23 on the 12-hour clock; may be empty
};

// The six settings exactly as a locale source returns them, before any
// interpretation. nullopt means the source could not supply that setting.
struct RawLocaleTimeSettings {
    std::optional<std::string> separator;           // e.g. ":"
    std::optional<std::string> leadingZero;         // e.g. "0" or "1"
    std::optional<std::string> clock;               // "0": 12-hour, "1": 24-hour
    std::optional<std::string> designatorPosition;  // "0": after, "1": before
    std::optional<std::string> amDesignator;
    std::optional<std::string> pmDesignator;
};

// Turns raw locale strings into settings; never fails, whatever the strings hold.
// - separator: the one character given; empty, missing or longer than one
//   character gives ':' (a multi-character separator cannot fill one position).
// - the three numeric settings: see IsNonzeroLocaleNumber; missing gives zero.
// - designators: taken whole, even empty or very long; missing gives "am"/"pm".
LocaleTimeSettings InterpretLocaleTimeSettings(const RawLocaleTimeSettings& raw);

// Reads a numeric locale setting and tells whether it is nonzero.
// A number is optional blanks, an optional sign, one or more decimal digits
// and optional blanks, nothing else; its value is nonzero when any digit is
// not '0' (so a value too large for any integer type is still nonzero).
// Anything that is not a number counts as zero.
bool IsNonzeroLocaleNumber(const std::string& text);

}  // namespace quillcast
