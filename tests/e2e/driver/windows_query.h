#pragma once
// Reading another process's windows: classes, texts, owners, places.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::string className(HWND window);
// The caption Windows keeps for a top-level window (no message is sent).
std::string caption(HWND window);
// The text a control reports through WM_GETTEXT, which an edit answers from its own buffer.
std::string controlText(HWND window);
void setControlText(HWND window, const std::string& text);

std::vector<HWND> topLevelWindowsOf(DWORD processId);
std::vector<HWND> childWindowsOf(HWND parent);  // direct children only
// The one top-level window of the process with this class, or null.
HWND findTopLevel(DWORD processId, const std::string& windowClass);

RECT windowRect(HWND window);
// A child's rectangle in its parent's client coordinates.
RECT rectInParent(HWND child);
POINT clientToScreen(HWND window, POINT point);

std::string describeRect(const RECT& rect);  // "left,top WIDTHxHEIGHT"

// A message to another process's window that cannot hang the driver; fails on time-out.
LRESULT sendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs = 5000);

}  // namespace e2e
