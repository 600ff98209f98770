#pragma once
#include <windows.h>

#include <string>

namespace quillcast {

class TApplication;

// A link inside a box: a static text control (so its text can be read back like
// any other) painted blue and underlined, with the pointing hand over it. Pressing
// it turns it purple for good; a click asks the shell to open the text, or
// "mailto:" + text when it is an address. When the shell cannot open it, the link
// greys and stops reacting; nothing is reported.
class TLinkLabel {
public:
    // Creates the control as a child of `parent`; the parent's window destroys it.
    TLinkLabel(TApplication& application, HWND parent, const std::string& text, const RECT& bounds, HFONT font);
    TLinkLabel(const TLinkLabel&) = delete;
    TLinkLabel& operator=(const TLinkLabel&) = delete;
    ~TLinkLabel();

    HWND Handle() const noexcept { return window_; }
    bool Visited() const noexcept { return visited_; }

    // DrawText flags that both the layout's measuring and the painting use.
    static constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void Open();
    void Detach() noexcept;

    TApplication& application_;
    HWND window_ = nullptr;
    HFONT font_;
    std::string target_;
    bool visited_ = false;
    bool pressed_ = false;
};

}  // namespace quillcast
