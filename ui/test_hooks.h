#pragma once

namespace quillcast {

class TApplication;

// Test builds only, from environment variables; in the product these do nothing.
// QUILLCAST_FAULT makes the window's construction or the send handler fail on
// purpose, to exercise the error report:
//   build:TEXT | build-foreign | click:TEXT | click-abort
// QUILLCAST_LOCALE_FILE names a file of "key=value" lines (sTime, iTLZero, iTime,
// iTimeMarkPosn, s1159, s2359) read in place of the system's regional time
// settings, every time they are read, so that a test can change them under a
// running program and broadcast the change. A missing key is a setting the
// system could not supply.
struct TestHooks {
#ifdef QC_TEST_HOOKS
    static void OnBuildWindow();
    static void OnSendClick();
    static void InstallLocaleSource(TApplication& application);
#else
    static void OnBuildWindow() noexcept {}
    static void OnSendClick() noexcept {}
    static void InstallLocaleSource(TApplication&) noexcept {}
#endif
};

}  // namespace quillcast
