#pragma once

namespace quillcast {

// Test builds only: lets a test make the window's construction or the send
// handler fail on purpose, from the QUILLCAST_FAULT environment variable, to
// exercise the error report. In the product these do nothing.
struct FaultHooks {
#ifdef QC_TEST_HOOKS
    static void OnBuildWindow();
    static void OnSendClick();
#else
    static void OnBuildWindow() noexcept {}
    static void OnSendClick() noexcept {}
#endif
};

}  // namespace quillcast
