// Baseline: a window that calls ShellExecuteExA for `net` directly whenever it
// receives WM_APP, with the same request the program makes.
#include <windows.h>
#include <shellapi.h>

static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        // The handle of the previous start lives in a window property, as the program keeps its own.
        if (HANDLE previous = RemovePropA(window, "process")) CloseHandle(previous);
        SHELLEXECUTEINFOA request{};
        request.cbSize = sizeof(request);
        request.fMask = SEE_MASK_NOCLOSEPROCESS;
        request.hwnd = window;
        request.lpVerb = "open";
        request.lpFile = "net";
        request.lpParameters = "send IP of reciver Message";
        request.lpDirectory = "";
        request.nShow = SW_SHOW;
        ShellExecuteExA(&request);
        if (request.hProcess) SetPropA(window, "process", request.hProcess);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "BareLauncher";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("BareLauncher", "Bare launcher", WS_OVERLAPPEDWINDOW, 281, 104, 706, 480, nullptr,
                                nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
