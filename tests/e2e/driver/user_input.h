#pragma once
// Real keyboard and mouse input through SendInput, as a user would give it. Keys go
// to the foreground window, so a case brings its window to the front first.
#include <windows.h>

#include <initializer_list>
#include <string>

namespace e2e {

void bringToFront(HWND window);

// Presses and releases `key` while holding `modifiers` (VK_SHIFT, VK_MENU, ...).
void pressKey(WORD key, std::initializer_list<WORD> modifiers = {});
// Types printable ASCII text as characters.
void typeText(const std::string& text);

// Moves the pointer to a point of `window`'s client area and waits until it is there.
void moveMouseTo(HWND window, POINT client);
void leftButtonDown();
void leftButtonUp();
void clickAt(HWND window, POINT client);
POINT centreOf(const RECT& rect);

}  // namespace e2e
