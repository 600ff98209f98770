#include "toolkit/application.h"

#include <new>

#include "app/model/error_text.h"
#include "toolkit/locale_settings.h"
#include "toolkit/message_source.h"
#include "toolkit/thread_windows_disabled.h"

namespace quillcast {
namespace {

constexpr char kApplicationWindowClass[] = "TApplication";

}  // namespace

TApplication::TApplication(HINSTANCE instance)
    : instance_(instance),
      localeSource_(&ReadThreadLocaleTimeSettings),
      timeSettings_(InterpretLocaleTimeSettings(localeSource_())) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &TApplication::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAINICON");
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kApplicationWindowClass;
    RegisterClassExA(&windowClass);
    // Zero-sized, centred, and never visible as such: it carries the taskbar entry
    // and owns the forms, so that they get none of their own.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    HWND window = CreateWindowExA(0, kApplicationWindowClass, "", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS |
                                  WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0, nullptr, nullptr, instance, this);
    if (window) window_.Reset(window);
    // The system's large icon size picks the matching image from the group.
    icon_.Reset(static_cast<HICON>(LoadImageA(instance, "MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                              GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR)));
    if (window && icon_) {
        SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Get()));
    }
}

TApplication::~TApplication() {
    forms_.clear();  // forms before the window that owns them
    if (window_) SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, 0);
}

void TApplication::SetTitle(std::string title) {
    title_ = std::move(title);
    if (window_) SetWindowTextA(window_.Get(), title_.c_str());
}

void TApplication::SetLocaleSource(LocaleSource source) {
    localeSource_ = std::move(source);
    timeSettings_ = InterpretLocaleTimeSettings(localeSource_());
}

void TApplication::SettingsChanged() {
    AdoptUserDefaultLocale();
    timeSettings_ = InterpretLocaleTimeSettings(localeSource_());
}

void TApplication::Terminate() noexcept {
    if (!terminated_) PostQuitMessage(0);
}

void TApplication::ShowMainForm() {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    const int command = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
    if (window_) ShowWindow(window_.Get(), SW_SHOWNORMAL);
    if (command == SW_SHOWMAXIMIZED) {
        mainForm_->Show(SW_SHOWMAXIMIZED);
    } else {
        mainForm_->Show(SW_SHOWNORMAL);
        if (command == SW_SHOWMINNOACTIVE) Minimize();
    }
}

void TApplication::Run() {
    if (!mainForm_) return;
    ShowMainForm();
    TMessageSource queue;
    MSG message;
    while (!terminated_) {
        if (queue.Next(message) != TMessageSource::Got::Message) {
            terminated_ = true;
            break;
        }
        try {
            if (PreTranslate(message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } catch (...) {
            HandleException();
        }
    }
}

bool TApplication::PreTranslate(MSG& message) {
    // Tab and Shift+Tab walk the main form's tab order; the form decides the order.
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    if (!mainForm_ || !message.hwnd || GetParent(message.hwnd) != mainForm_->Handle()) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    mainForm_->SelectNext(GetKeyState(VK_SHIFT) >= 0);
    return true;
}

void TApplication::Minimize() noexcept {
    // The whole program goes to its taskbar entry: the main form hides and the
    // application window, which carries the entry, is minimised.
    if (mainForm_) ShowWindow(mainForm_->Handle(), SW_HIDE);
    if (window_) ShowWindow(window_.Get(), SW_MINIMIZE);
}

void TApplication::Restore() noexcept {
    if (window_) ShowWindow(window_.Get(), SW_RESTORE);
    if (mainForm_) {
        ShowWindow(mainForm_->Handle(), SW_SHOW);
        SetActiveWindow(mainForm_->Handle());
    }
}

void TApplication::ShowException(const Exception& error) noexcept {
    try {
        const std::string text = ErrorReportText(error.Message(), [](unsigned char byte) {
            return IsDBCSLeadByte(byte) != FALSE;
        });
        TThreadWindowsDisabled modal;
        MessageBoxA(window_.Get(), text.c_str(), title_.c_str(), MB_ICONERROR | MB_OK);
    } catch (...) {
        // Nothing sensible is left to report with.
    }
}

void TApplication::HandleException() noexcept {
    try {
        throw;
    } catch (const EAbort&) {
        // silent by design
    } catch (const Exception& error) {
        ShowException(error);
    } catch (const std::bad_alloc&) {
        ShowException(Exception("Out of memory"));
    } catch (const std::exception& error) {
        ShowException(Exception(error.what()));
    } catch (...) {
        ShowException(Exception(""));
    }
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return Guarded(*self, [&] { return self->HandleMessage(window, message, wParam, lParam); });
}

LRESULT TApplication::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // Close on the taskbar entry closes the main form, which ends the program.
        if (mainForm_) mainForm_->Close();
        else Terminate();
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_RESTORE && IsIconic(window)) {
            Restore();
            return 0;
        }
        break;
    case WM_ACTIVATE:
        // Activating the taskbar entry activates the main form.
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && mainForm_ && IsWindowVisible(mainForm_->Handle())) {
            SetActiveWindow(mainForm_->Handle());
            return 0;
        }
        break;
    case WM_WININICHANGE:
        SettingsChanged();
        break;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) terminated_ = true;
        return 0;
    case WM_NCDESTROY:
        window_.Release();
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace quillcast
