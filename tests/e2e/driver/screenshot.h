#pragma once
// Screen captures: as pixel values to check, and as 24-bit BMP files kept as
// evidence beside the test results.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Both return false (and leave no file) when the capture or the write fails.
bool saveScreen(const std::string& path);
bool saveScreenRect(const RECT& screenRect, const std::string& path);

// The pixels of an area of the DC as 0x00RRGGBB values, row by row from the top;
// empty when they cannot be read.
std::vector<DWORD> pixelsOf(HDC source, int x, int y, int width, int height);

}  // namespace e2e
