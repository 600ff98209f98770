#include "toolkit/locale_settings.h"

#include <windows.h>

namespace quillcast {
namespace {

std::optional<std::string> Read(LCTYPE type) {
    const LCID locale = GetThreadLocale();
    const int size = GetLocaleInfoA(locale, type, nullptr, 0);
    if (size <= 0) return std::nullopt;
    std::string value(static_cast<std::size_t>(size), '\0');
    const int written = GetLocaleInfoA(locale, type, value.data(), size);
    if (written <= 0) return std::nullopt;
    value.resize(static_cast<std::size_t>(written - 1));  // without the terminating zero
    return value;
}

}  // namespace

RawLocaleTimeSettings ReadThreadLocaleTimeSettings() {
    RawLocaleTimeSettings raw;
    raw.separator = Read(LOCALE_STIME);
    raw.leadingZero = Read(LOCALE_ITLZERO);
    raw.clock = Read(LOCALE_ITIME);
    raw.designatorPosition = Read(LOCALE_ITIMEMARKPOSN);
    raw.amDesignator = Read(LOCALE_S1159);
    raw.pmDesignator = Read(LOCALE_S2359);
    return raw;
}

void AdoptUserDefaultLocale() noexcept { SetThreadLocale(LOCALE_USER_DEFAULT); }

}  // namespace quillcast
