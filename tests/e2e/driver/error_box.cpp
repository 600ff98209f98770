#include "error_box.h"

#include "framework.h"
#include "program.h"
#include "screenshot.h"
#include "windows_query.h"

namespace e2e {

namespace {
constexpr int kMessageTextId = 0xFFFF;  // the static control that holds a message box's text
}

std::vector<HWND> messageBoxesOf(DWORD processId) {
    std::vector<HWND> boxes;
    for (HWND window : topLevelWindowsOf(processId))
        if (className(window) == "#32770") boxes.push_back(window);
    return boxes;
}

ErrorBox readErrorBox(HWND box) {
    ErrorBox result;
    result.window = box;
    result.owner = GetWindow(box, GW_OWNER);
    result.caption = caption(box);
    HWND textControl = GetDlgItem(box, kMessageTextId);
    for (HWND child : childWindowsOf(box)) {
        const std::string kind = className(child);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (!textControl && kind == "Static" && (style & SS_TYPEMASK) != SS_ICON) textControl = child;
        if (kind == "Static" && (style & SS_TYPEMASK) == SS_ICON && (style & WS_VISIBLE)) result.icon = child;
        if (kind == "Button" && (style & WS_VISIBLE)) result.buttons.push_back(controlText(child));
    }
    if (!textControl) fail("the message box has no text control");
    result.text = controlText(textControl);
    return result;
}

ErrorBox waitForErrorBox(Program& program) {
    HWND box = nullptr;
    waitUntil([&] {
        if (program.hasExited()) fail("the program ended without showing an error box");
        const auto boxes = messageBoxesOf(program.processId());
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr && IsWindowVisible(box);
    }, "an error box", kStartWait);
    return readErrorBox(box);
}

bool showsSystemIcon(const ErrorBox& box, LPCSTR systemIcon) {
    if (!box.icon) return false;
    RedrawWindow(box.icon, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    sendWithTimeout(box.window, WM_NULL, 0, 0);
    const RECT area = windowRect(box.icon);
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;

    HDC screen = GetDC(nullptr);
    const std::vector<DWORD> shown = pixelsOf(screen, area.left, area.top, width, height);
    // The same icon drawn here over the control's background (its top-left pixel,
    // which the icon's transparent corner leaves showing).
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, canvas);
    const DWORD background = shown.front();
    HBRUSH brush = CreateSolidBrush(RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
    const RECT all{0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, LoadIconA(nullptr, systemIcon), 0, 0, 0, nullptr, DI_NORMAL);
    const std::vector<DWORD> expected = pixelsOf(memory, 0, 0, width, height);
    SelectObject(memory, previous);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shown == expected;
}

void pressOk(const ErrorBox& box) {
    HWND ok = GetDlgItem(box.window, IDOK);
    if (!ok) fail("the error box has no OK button");
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    waitUntil([&] { return !IsWindow(box.window); }, "the error box to close");
}

}  // namespace e2e
