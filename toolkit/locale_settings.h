#pragma once
#include "sending/locale_time_settings.h"

namespace quillcast {

// Reads the six regional time settings of the UI thread's locale. A setting the
// system cannot supply comes back missing and takes its default.
RawLocaleTimeSettings ReadThreadLocaleTimeSettings();

// After a settings-change broadcast: the thread takes the user's current default
// locale again before the settings are read anew.
void AdoptUserDefaultLocale() noexcept;

}  // namespace quillcast
