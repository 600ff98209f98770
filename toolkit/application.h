#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/form.h"
#include "toolkit/handles.h"
#include "toolkit/model/exception.h"
#include "sending/locale_time_settings.h"
#include <functional>

namespace quillcast {

// The program's frame: the hidden application window that carries the taskbar
// entry and owns every form, the message loop, and the one error report.
class TApplication {
public:
    explicit TApplication(HINSTANCE instance);
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;
    ~TApplication();

    void Initialize() {}
    void SetTitle(std::string title);
    const std::string& Title() const noexcept { return title_; }

    // Creates a form: `reference` points at it while it is being built and is
    // set back to null when building fails. The first form becomes the main form.
    template <class TFormClass>
    void CreateForm(TFormClass*& reference) {
        auto form = std::make_unique<TFormClass>(*this);
        reference = form.get();
        try {
            form->Create();
        } catch (...) {
            reference = nullptr;
            throw;
        }
        if (!mainForm_) mainForm_ = form.get();
        forms_.push_back(std::move(form));
    }

    // Shows the main form as the start-up show command asks and runs the loop
    // until the program is told to end.
    void Run();
    void Terminate() noexcept;
    bool Terminated() const noexcept { return terminated_; }

    // The error box: the message with the period rule, captioned with the title.
    void ShowException(const Exception& error) noexcept;
    // Reports the exception being handled; call only from inside a catch block.
    void HandleException() noexcept;

    // The user's regional time settings, read at start and again whenever the
    // system broadcasts a change of its settings.
    const LocaleTimeSettings& TimeSettings() const noexcept { return timeSettings_; }
    using LocaleSource = std::function<RawLocaleTimeSettings()>;
    // Replaces where the settings come from (tests), and reads them at once.
    void SetLocaleSource(LocaleSource source);
    void SettingsChanged();

    HWND Handle() const noexcept { return window_.Get(); }
    HINSTANCE Instance() const noexcept { return instance_; }
    TForm* MainForm() const noexcept { return mainForm_; }
    void Minimize() noexcept;
    void Restore() noexcept;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool PreTranslate(MSG& message);
    void ShowMainForm();

    HINSTANCE instance_;
    std::string title_;
    WindowHandle window_;
    IconHandle icon_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    LocaleSource localeSource_;
    LocaleTimeSettings timeSettings_;
};

// Runs one window message's handling; what escapes it goes to the error report.
template <class Handler>
LRESULT Guarded(TApplication& application, Handler&& handler, LRESULT onError = 0) noexcept {
    try {
        return handler();
    } catch (...) {
        application.HandleException();
        return onError;
    }
}

}  // namespace quillcast
