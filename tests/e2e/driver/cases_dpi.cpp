// A screen of 144 dpi (the LogPixels setting of the Wine prefix): the window keeps its
// designed place and size, every control follows the text height of the real font,
// and no label is cut short.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

#include "case_context.h"
#include "cases.h"
#include "quillcast_session.h"
#include "title_font.h"
#include "windows_query.h"

namespace e2e {

namespace {

constexpr DWORD kHighDpi = 144;
constexpr RECT kFormRect{281, 104, 281 + 706, 104 + 480};
constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kLogPixels[] = "LogPixels";

// Sets the screen's pixels per inch for programs started from now on and puts the
// earlier setting back (or removes it) whatever way the case ends.
class ScreenDpiSetting {
public:
    explicit ScreenDpiSetting(DWORD dpi) {
        check(RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                              &key_, nullptr) == ERROR_SUCCESS,
              "cannot open HKCU\\Control Panel\\Desktop");
        DWORD type = 0, value = 0, size = sizeof value;
        if (RegQueryValueExA(key_, kLogPixels, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
                ERROR_SUCCESS &&
            type == REG_DWORD)
            previous_ = value;
        write(dpi);
    }
    ScreenDpiSetting(const ScreenDpiSetting&) = delete;
    ScreenDpiSetting& operator=(const ScreenDpiSetting&) = delete;
    ~ScreenDpiSetting() {
        if (previous_) write(*previous_);
        else RegDeleteValueA(key_, kLogPixels);
        RegCloseKey(key_);
    }

private:
    void write(DWORD dpi) {
        check(RegSetValueExA(key_, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi) ==
                  ERROR_SUCCESS,
              "cannot write LogPixels");
    }

    HKEY key_ = nullptr;
    std::optional<DWORD> previous_;
};

// This thread sees other programs' windows in real pixels, whatever the screen's
// pixels per inch were when the driver started (Wine reads them once per process).
class SystemAwareThread {
public:
    SystemAwareThread() {
        using SetContext = HANDLE(WINAPI*)(HANDLE);
        set_ = reinterpret_cast<SetContext>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext")));
        check(set_ != nullptr, "SetThreadDpiAwarenessContext is missing");
        previous_ = set_(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3)));  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE
        check(previous_ != nullptr, "cannot make the driver's thread DPI-aware");
    }
    SystemAwareThread(const SystemAwareThread&) = delete;
    SystemAwareThread& operator=(const SystemAwareThread&) = delete;
    ~SystemAwareThread() { set_(previous_); }

private:
    HANDLE(WINAPI* set_)(HANDLE) = nullptr;
    HANDLE previous_ = nullptr;
};

// The narrowest the window font's face draws `text` at the given text height: the
// program may pick any of the sizes with that height.
long narrowestExtent(const std::string& text, long textHeight) {
    HDC screen = GetDC(nullptr);
    long narrowest = -1;
    for (int height = -1; height >= -100; --height) {
        HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "MS Sans Serif");
        HGDIOBJ old = SelectObject(screen, font);
        TEXTMETRICA metrics{};
        GetTextMetricsA(screen, &metrics);
        SIZE extent{};
        GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(screen, old);
        DeleteObject(font);
        if (metrics.tmHeight == textHeight && (narrowest < 0 || extent.cx < narrowest)) narrowest = extent.cx;
    }
    ReleaseDC(nullptr, screen);
    return narrowest;
}

struct Designed {
    const char* name;
    long left, top, width, height;  // width -1: follows the text
    bool hasWindow;
};

const Designed kDesigned[] = {
    {"LMDGraphicLabel1", 136, 0, 457, 89, false}, {"Label1", 16, 88, -1, 13, false},
    {"Label2", 128, 88, -1, 13, false},           {"IPwhere", 16, 104, 97, 21, true},
    {"messageText", 128, 104, 497, 21, true},     {"dateArrif", 16, 160, 97, 17, true},
    {"timeNow", 120, 160, 121, 21, true},         {"timeSet", 16, 184, 120, 21, true},
    {"sendMsg", 504, 224, 121, 33, false},        {"SpeedButton2", 496, 416, 97, 31, false},
    {"SpeedButton1", 600, 416, 97, 33, false},
};

void checkLayoutAt144Dpi(CaseContext& context) {
    ScreenDpiSetting setting(kHighDpi);
    SystemAwareThread aware;
    QuillcastSession session(context);

    Findings findings;
    findings.expectEqual(describeRect(windowRect(session.form())), describeRect(kFormRect),
                         "window rectangle of the main window (never scaled)");
    const long textHeight = session.component("frmMain").number("TextHeight");
    findings.expectEqual(textHeight, static_cast<long>(MulDiv(kDesignedTextHeight, kHighDpi, 96)),
                         "text height of the window font at 144 dpi");
    const auto scaled = [&](long designed) { return static_cast<long>(MulDiv(designed, textHeight, kDesignedTextHeight)); };

    for (const Designed& designed : kDesigned) {
        const std::string name = designed.name;
        const ComponentInfo info = session.component(name);
        findings.expectEqual(info.number("Left"), scaled(designed.left), "Left of " + name);
        findings.expectEqual(info.number("Top"), scaled(designed.top), "Top of " + name);
        findings.expectEqual(info.number("Height"), scaled(designed.height), "Height of " + name);
        if (designed.width >= 0) {
            findings.expectEqual(info.number("Width"), scaled(designed.width), "Width of " + name);
        } else {
            const long needed = narrowestExtent(info.text("Text"), textHeight);
            findings.expect(needed > 0 && info.number("Width") >= needed,
                            name + " is " + show(info.number("Width")) + " wide, its text needs " + show(needed));
        }
        if (designed.hasWindow) {
            HWND window = session.controlWindow(name);
            findings.expectEqual(describeRect(rectInParent(window)), describeRect(info.rect()),
                                 "window rectangle of " + name + " against its reported place");
            RECT client{};
            GetClientRect(window, &client);
            findings.expect(client.bottom - client.top >= textHeight,
                            name + " has a client height of " + show(client.bottom - client.top) +
                                ", less than a line of text (" + show(textHeight) + ")");
        }
    }
    // The title's own font follows the same rule: its line is the height of the
    // scaled font's caption.
    const TitleFont title(static_cast<int>(textHeight));
    const ComponentInfo reported = session.component("LMDGraphicLabel1");
    findings.expectEqual(reported.text("FontFace"), title.face(), "the title's font face");
    findings.expectEqual(reported.number("LineHeight"), static_cast<long>(title.extent(kCaption).cy),
                         "the title's line height at 144 dpi");
    findings.report();
    // Exit now lies beyond the unscaled window: close it from its system menu's command.
    PostMessageA(session.form(), WM_SYSCOMMAND, SC_CLOSE, 0);
    checkEqual(session.program().waitForExit(), DWORD{0}, "exit code");
}

}  // namespace

std::vector<TestCase> dpiCases() {
    return {
        {"dpi.layout_follows_text_height_at_144", checkLayoutAt144Dpi},
    };
}

}  // namespace e2e
