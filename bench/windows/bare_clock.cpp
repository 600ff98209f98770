// Baseline for the idle CPU time: the least a Win32 program does to show the time of
// day once a second, a window of the program's size with one edit field, a plain
// 1000 ms timer and the regional time text written into the field at each tick.
#include <windows.h>

namespace {

constexpr UINT_PTR kClockTimer = 1;

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "timeNow", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 146, 160, 111,
                        21, window, reinterpret_cast<HMENU>(1), nullptr, nullptr);
        SetTimer(window, kClockTimer, 1000, nullptr);
        return 0;
    case WM_TIMER: {
        char text[64];
        if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, sizeof text) > 0)
            SetDlgItemTextA(window, 1, text);
        return 0;
    }
    case WM_DESTROY:
        KillTimer(window, kClockTimer);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "BareClock";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("BareClock", "Bare clock", WS_OVERLAPPEDWINDOW, 281, 104, 706, 480, nullptr, nullptr,
                                instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
