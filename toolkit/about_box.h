#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/caption_fill.h"
#include "toolkit/handles.h"
#include "toolkit/link_label.h"
#include "toolkit/model/about_facts.h"

namespace quillcast {

class TForm;

struct AboutBoxSettings {
    about::AboutTexts texts;
    std::string captionTitle;
    bool explode = false;      // the opening animation
    bool captionFill = false;  // its own title bar where the system draws a plain one
};

// One opening of the About box: a fixed dialog window owned by a form, with the
// icon, the texts as static controls (readable by tests and screen readers), the
// links, the computer's facts and an OK button. Built, shown modally and
// destroyed within ShowModal.
class TAboutBox {
public:
    TAboutBox(TForm& owner, AboutBoxSettings settings);
    TAboutBox(const TAboutBox&) = delete;
    TAboutBox& operator=(const TAboutBox&) = delete;
    ~TAboutBox();

    // Creates the window, hidden, with its content, at its place on the screen.
    void Build();
    // Shows the built box and returns once it has been closed (OK, Enter, Escape,
    // close box, Alt+F4) and destroyed.
    void ShowModal();
    HWND Handle() const noexcept { return window_.Get(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateBoxWindow();
    void DestroyBoxWindow() noexcept;
    void CreateFonts();
    // Creates the controls top to bottom and returns the client height they need.
    int CreateContent(int clientWidth);
    HWND AddControl(const char* windowClass, const std::string& text, DWORD style, const RECT& bounds, HFONT font,
                    int id = 0);
    void PlaceOnScreen(int clientWidth, int clientHeight);
    void Paint();
    void DrawAppName(const DRAWITEMSTRUCT& item) const;
    int Scale(int designed) const noexcept;

    TForm& owner_;
    AboutBoxSettings settings_;
    WindowHandle window_;
    FontHandle font_, boldFont_, linkFont_, nameFont_;
    IconHandle icon_;
    std::vector<std::unique_ptr<TLinkLabel>> links_;
    TCaptionFill captionFill_;
    RECT iconFrame_{};
    HWND okButton_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool closed_ = false;
};

}  // namespace quillcast
