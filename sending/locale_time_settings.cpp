#include "sending/locale_time_settings.h"

namespace quillcast {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool FlagOrZero(const std::optional<std::string>& text) {
    return text.has_value() && IsNonzeroLocaleNumber(*text);
}

}  // namespace

bool IsNonzeroLocaleNumber(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t firstDigit = i;
    bool nonzero = false;
    while (i < n && IsDigit(text[i])) {
        nonzero = nonzero || text[i] != '0';
        ++i;
    }
    if (i == firstDigit) return false;  // no digits: not a number
    while (i < n && IsBlank(text[i])) ++i;
    return i == n && nonzero;           // trailing junk: not a number
}

LocaleTimeSettings InterpretLocaleTimeSettings(const RawLocaleTimeSettings& raw) {
    LocaleTimeSettings settings;
    if (raw.separator.has_value() && raw.separator->size() == 1) {
        settings.separator = raw.separator->front();
    }
    settings.leadingZero = FlagOrZero(raw.leadingZero);
    settings.clock24 = FlagOrZero(raw.clock);
    settings.designatorBefore = FlagOrZero(raw.designatorPosition);
    if (raw.amDesignator.has_value()) settings.am = *raw.amDesignator;
    if (raw.pmDesignator.has_value()) settings.pm = *raw.pmDesignator;
    return settings;
}

}  // namespace quillcast
