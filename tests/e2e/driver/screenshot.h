#pragma once
// Screen captures as 24-bit BMP files, kept as evidence beside the test results.
#include <windows.h>

#include <string>

namespace e2e {

// Both return false (and leave no file) when the capture or the write fails.
bool saveScreen(const std::string& path);
bool saveScreenRect(const RECT& screenRect, const std::string& path);

}  // namespace e2e
