#include "user_input.h"

#include <vector>

#include "framework.h"
#include "windows_query.h"

namespace e2e {

namespace {

void send(std::vector<INPUT> inputs) {
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size()) fail("SendInput delivered " + show(sent) + " of " + show(inputs.size()) + " events");
}

INPUT keyEvent(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT mouseEvent(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return input;
}

// Absolute coordinates are 0..65535 across the screen; rounding up makes the
// system's mapping back (coordinate * size / 65536, rounded down) land on the pixel.
LONG normalised(LONG pixel, int screenSize) { return (pixel * 65536 + screenSize - 1) / screenSize; }

// An event at the screen point, in absolute coordinates.
INPUT mouseEventAt(DWORD flags, POINT screen) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    return mouseEvent(flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, normalised(screen.x, width),
                      normalised(screen.y, height));
}

}  // namespace

void bringToFront(HWND window) {
    if (GetForegroundWindow() == window) return;
    SetForegroundWindow(window);
    waitUntil([&] { return GetForegroundWindow() == window; }, "the window " + className(window) + " to come to the front");
}

void pressKey(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) inputs.push_back(keyEvent(modifier, false));
    inputs.push_back(keyEvent(key, false));
    inputs.push_back(keyEvent(key, true));
    for (auto it = modifiers.end(); it != modifiers.begin();) inputs.push_back(keyEvent(*--it, true));
    send(std::move(inputs));
}

void typeText(const std::string& text) {
    std::vector<INPUT> inputs;
    for (unsigned char c : text) {
        for (bool up : {false, true}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    }
    send(std::move(inputs));
}

void moveMouseTo(HWND window, POINT client) {
    const POINT target = clientToScreen(window, client);
    send({mouseEventAt(0, target)});
    waitUntil([&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == target.x && now.y == target.y;
    }, "the pointer to reach " + show(target.x) + "," + show(target.y));
}

void leftButtonDown() { send({mouseEvent(MOUSEEVENTF_LEFTDOWN)}); }
void leftButtonUp() { send({mouseEvent(MOUSEEVENTF_LEFTUP)}); }

void clickAt(HWND window, POINT client) {
    moveMouseTo(window, client);
    // The buttons carry the point too: under Wine a late pointer event of the X
    // server can still put the pointer back where it was before the move.
    const POINT target = clientToScreen(window, client);
    send({mouseEventAt(MOUSEEVENTF_LEFTDOWN, target), mouseEventAt(MOUSEEVENTF_LEFTUP, target)});
}

POINT centreOf(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

}  // namespace e2e
