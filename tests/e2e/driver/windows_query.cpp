#include "windows_query.h"

#include <cstdio>

#include "framework.h"

namespace e2e {

std::string className(HWND window) {
    char buffer[256];
    const int length = GetClassNameA(window, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? length : 0);
}

std::string caption(HWND window) {
    char buffer[1024];
    const int length = GetWindowTextA(window, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? length : 0);
}

LRESULT sendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs) {
    DWORD_PTR result = 0;
    // SMTO_NORMAL: messages sent back to us while we wait (an inspection reply) are handled.
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs, &result)) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%04X", message);
        fail("window " + className(window) + " did not answer message " + hex + " (error " + show(GetLastError()) + ")");
    }
    return static_cast<LRESULT>(result);
}

std::string controlText(HWND window) {
    const auto length = sendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = sendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

void setControlText(HWND window, const std::string& text) {
    if (!sendWithTimeout(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())))
        fail("WM_SETTEXT was refused by " + className(window));
}

namespace {

struct ProcessWindows {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK collectTopLevel(HWND window, LPARAM param) {
    auto& query = *reinterpret_cast<ProcessWindows*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == query.processId) query.found.push_back(window);
    return TRUE;
}

BOOL CALLBACK collectChild(HWND window, LPARAM param) {
    auto& query = *reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(param);
    if (GetAncestor(window, GA_PARENT) == query.first) query.second.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> topLevelWindowsOf(DWORD processId) {
    ProcessWindows query{processId, {}};
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::vector<HWND> childWindowsOf(HWND parent) {
    std::pair<HWND, std::vector<HWND>> query{parent, {}};
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&query));
    return query.second;
}

HWND findTopLevel(DWORD processId, const std::string& windowClass) {
    for (HWND window : topLevelWindowsOf(processId))
        if (className(window) == windowClass) return window;
    return nullptr;
}

RECT windowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT rectInParent(HWND child) {
    RECT rect = windowRect(child);
    MapWindowPoints(HWND_DESKTOP, GetAncestor(child, GA_PARENT), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT clientToScreen(HWND window, POINT point) {
    ClientToScreen(window, &point);
    return point;
}

std::string describeRect(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " + std::to_string(rect.right - rect.left) +
           "x" + std::to_string(rect.bottom - rect.top);
}

}  // namespace e2e
