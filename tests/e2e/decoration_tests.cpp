// The window decoration, read from the screen's pixels: the band gradient behind
// the controls at the designed size, enlarged and lower than its band count; the
// extruded title with its letters in the band colour of their row, the space's
// gap and the letters where the title rules put them; the silver control boxes.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "driver/case_context.h"
#include "driver/cases.h"
#include "driver/quillcast_session.h"
#include "driver/screenshot.h"
#include "driver/title_font.h"
#include "driver/user_input.h"
#include "driver/windows_query.h"

namespace e2e {

namespace {

struct Rgb {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

std::string describe(const Rgb& c) {
    return "RGB " + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

std::string at(int x, int y) { return " at " + std::to_string(x) + "," + std::to_string(y); }

constexpr Rgb kSilver{192, 192, 192};
constexpr Rgb kMedGray{160, 160, 164};
constexpr Rgb kBlue{0, 0, 255};
constexpr int kBackgroundBands = 236;
constexpr int kTitleBands = 16;
constexpr int kFactor = 5;
constexpr int kDepth = 5;

// ---- the band rules, worked out here on their own ----

long long roundedQuotient(long long numerator, long long denominator) {  // a half away from zero
    const long long magnitude = numerator < 0 ? -numerator : numerator;
    const long long rounded = (2 * magnitude + denominator) / (2 * denominator);
    return numerator < 0 ? -rounded : rounded;
}

Rgb bandColour(const Rgb& first, const Rgb& last, int count, int band) {
    auto channel = [&](int from, int to) {
        return count <= 1 ? from : from + static_cast<int>(roundedQuotient(1LL * (to - from) * band, count - 1));
    };
    return {channel(first.red, last.red), channel(first.green, last.green), channel(first.blue, last.blue)};
}

// The colour of row `row` of a `height`-row rectangle filled with `count` bands.
Rgb gradientAt(const Rgb& first, const Rgb& last, int count, int height, int row) {
    for (int band = 0; band < count; ++band)
        if (row < roundedQuotient(1LL * height * (band + 1), count)) return bandColour(first, last, count, band);
    return last;
}

// ---- the client area as the screen shows it ----

class ClientPicture {
public:
    explicit ClientPicture(HWND form) {
        RECT client{};
        GetClientRect(form, &client);
        width_ = client.right;
        height_ = client.bottom;
        const POINT origin = clientToScreen(form, POINT{0, 0});
        if (width_ <= 0 || height_ <= 0) return;
        HDC screen = GetDC(nullptr);
        pixels_ = pixelsOf(screen, origin.x, origin.y, width_, height_);
        ReleaseDC(nullptr, screen);
        if (pixels_.empty()) fail("could not read the screen");
    }

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb pixel(int x, int y) const {
        const DWORD value = pixels_[static_cast<std::size_t>(y) * width_ + x];
        return {static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>(value & 0xFF)};
    }

private:
    int width_ = 0, height_ = 0;
    std::vector<DWORD> pixels_;
};

// A check of a picture: empty when it holds, else what is wrong.
using PictureCheck = std::function<std::string(const ClientPicture&)>;

// Has the form repaint everything, then reads the screen until the check holds:
// what the program painted reaches the screen a little later.
void checkScreen(HWND form, const std::string& what, const PictureCheck& check) {
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    sendWithTimeout(form, WM_NULL, 0, 0);
    std::string problem;
    try {
        waitUntil([&] {
            problem = check(ClientPicture(form));
            return problem.empty();
        }, what);
    } catch (const CheckFailure&) {
        fail(what + ": " + problem);
    }
}

// Sets the outer size, and the place when asked, so that the client area gets
// `width` x `height` without scroll bars; returns the client size reached.
SIZE resizeClient(HWND form, int width, int height, const POINT* place = nullptr) {
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(form, GWL_STYLE)) & ~(WS_HSCROLL | WS_VSCROLL),
                       FALSE, static_cast<DWORD>(GetWindowLongA(form, GWL_EXSTYLE)));
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (place ? 0 : SWP_NOMOVE);
    SetWindowPos(form, nullptr, place ? place->x : 0, place ? place->y : 0, outer.right - outer.left,
                 outer.bottom - outer.top, flags);
    sendWithTimeout(form, WM_NULL, 0, 0);
    RECT client{};
    GetClientRect(form, &client);
    return SIZE{client.right, client.bottom};
}

// The pointer rests on bare background, so no button shows its hover edge or hint.
void parkPointer(QuillcastSession& session) {
    bringToFront(session.form());
    moveMouseTo(session.form(), POINT{4, 4});
}

// ---- the background ----

// The rectangles of the controls (the title aside: it is transparent), in client coordinates.
std::vector<RECT> controlBoxes(QuillcastSession& session) {
    std::vector<RECT> boxes;
    for (const char* name : {"Label1", "Label2", "sendMsg", "SpeedButton1", "SpeedButton2"})
        boxes.push_back(session.component(name).rect());
    for (const char* name : {"IPwhere", "messageText", "dateArrif", "timeNow", "timeSet"})
        boxes.push_back(rectInParent(session.controlWindow(name)));
    return boxes;
}

bool inAny(const std::vector<RECT>& boxes, int x, int y) {
    const POINT point{x, y};
    return std::any_of(boxes.begin(), boxes.end(), [&](const RECT& box) { return PtInRect(&box, point) != FALSE; });
}

// Ends the program as the close box does: the Exit button may lie outside a small client area.
void closeNormally(QuillcastSession& session) {
    PostMessageA(session.form(), WM_CLOSE, 0, 0);
    checkEqual(session.program().waitForExit(), DWORD{0}, "exit code after closing");
}

std::string checkRow(const ClientPicture& picture, int y, const Rgb& expected, const std::vector<RECT>& controls) {
    for (int x = 0; x < picture.width(); ++x)
        if (!inAny(controls, x, y) && picture.pixel(x, y) != expected)
            return "row " + std::to_string(y) + " shows " + describe(picture.pixel(x, y)) + at(x, y) + ", expected " +
                   describe(expected);
    return {};
}

std::string checkColumnFollowsBands(const ClientPicture& picture, int x) {
    for (int y = 0; y < picture.height(); ++y) {
        const Rgb expected = gradientAt(kSilver, kMedGray, kBackgroundBands, picture.height(), y);
        if (picture.pixel(x, y) != expected)
            return "column " + std::to_string(x) + " shows " + describe(picture.pixel(x, y)) + at(x, y) +
                   ", expected the band colour " + describe(expected) + " of a " + std::to_string(picture.height()) +
                   "-row client area";
    }
    return {};
}

// Top row silver and bottom row grey across the whole width but for controls,
// and free columns at the left and the right following the bands row by row.
PictureCheck gradientOverClientArea(const std::vector<RECT>& controls, std::vector<int> extraColumns = {}) {
    return [controls, extraColumns](const ClientPicture& picture) -> std::string {
        if (auto problem = checkRow(picture, 0, kSilver, controls); !problem.empty()) return problem;
        if (auto problem = checkRow(picture, picture.height() - 1, kMedGray, controls); !problem.empty())
            return problem;
        std::vector<int> columns = {2, picture.width() - 1};
        columns.insert(columns.end(), extraColumns.begin(), extraColumns.end());
        for (int x : columns)
            if (auto problem = checkColumnFollowsBands(picture, x); !problem.empty()) return problem;
        return {};
    };
}

void checkDesignedSize(CaseContext& context) {
    QuillcastSession session(context);
    parkPointer(session);
    RECT client{};
    GetClientRect(session.form(), &client);
    check(client.bottom > kBackgroundBands, "the designed client area is higher than the band count");
    checkScreen(session.form(), "the gradient over the designed client area",
                gradientOverClientArea(controlBoxes(session)));
    session.exitNormally();
}

void checkEnlarged(CaseContext& context) {
    QuillcastSession session(context);
    HWND form = session.form();
    const POINT corner{0, 0};
    const SIZE reached = resizeClient(form, 1100, 880, &corner);
    checkEqual(reached.cx, LONG{1100}, "client width after enlarging");
    checkEqual(reached.cy, LONG{880}, "client height after enlarging");
    parkPointer(session);
    // Column 1000 lies beyond the designed width: painted only for the new size.
    checkScreen(form, "the gradient stretched over the enlarged client area",
                gradientOverClientArea(controlBoxes(session), {1000}));
    session.exitNormally();
}

void checkMaximised(CaseContext& context) {
    QuillcastSession session(context);
    HWND form = session.form();
    RECT before{};
    GetClientRect(form, &before);
    // Without a window manager the screen keeps the old size of a maximised
    // window, so its pixels say nothing: the state and a whole repaint at the
    // new size are what can be checked.
    PostMessageA(form, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    waitUntil([&] { return IsZoomed(form) != FALSE; }, "the main window to be maximised");
    // The state is set before the new size arrives.
    RECT after{};
    try {
        waitUntil([&] {
            GetClientRect(form, &after);
            return after.right > before.right && after.bottom > before.bottom;
        }, "the maximised window to grow");
    } catch (const CheckFailure&) {
        fail("the maximised client area " + describeRect(after) + " is not larger than " + describeRect(before));
    }
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    sendWithTimeout(form, WM_NULL, 0, 0);
    check(!session.program().hasExited(), "the program survives a repaint of its maximised window");
    checkEqual(session.component("LMDFormFill1").text("Class"), std::string("TLMDFormFill"), "the fill answers");
    session.exitNormally();
}

void checkLowClientArea(CaseContext& context) {
    QuillcastSession session(context);
    HWND form = session.form();
    const SIZE reached = resizeClient(form, 600, 150);
    check(reached.cy > 0 && reached.cy < kBackgroundBands,
          "the client area is lower than the band count: " + std::to_string(reached.cy) + " rows");
    parkPointer(session);
    checkScreen(form, "the remaining bands in order down a low client area", [](const ClientPicture& picture) {
        constexpr int x = 2;
        const int last = picture.height() - 1;
        if (picture.pixel(x, 0) != kSilver) return "the top row shows " + describe(picture.pixel(x, 0));
        if (picture.pixel(x, last) != kMedGray) return "the bottom row shows " + describe(picture.pixel(x, last));
        // Band order: every channel darkens steadily and no colour comes back.
        std::set<std::vector<int>> finished;
        for (int y = 1; y <= last; ++y) {
            const Rgb above = picture.pixel(x, y - 1), here = picture.pixel(x, y);
            if (here.red > above.red || here.green > above.green || here.blue > above.blue)
                return describe(here) + at(x, y) + " is lighter than " + describe(above) + " above it";
            if (here != above) finished.insert({above.red, above.green, above.blue});
            if (finished.count({here.red, here.green, here.blue}))
                return describe(here) + " comes back" + at(x, y);
        }
        return checkColumnFollowsBands(picture, x);
    });
    closeNormally(session);
}

// ---- the title ----

struct TitleScene {
    RECT label{};                  // client coordinates
    std::vector<RECT> otherBoxes;  // controls that may be painted over the label's rectangle
};

TitleScene readTitleScene(QuillcastSession& session) {
    return TitleScene{session.component("LMDGraphicLabel1").rect(), controlBoxes(session)};
}

// Calls `visit(x, y, isLetter)` for each title pixel no other control covers;
// a letter pixel is one that is not the background's colour of its row.
void forEachTitlePixel(const ClientPicture& picture, const TitleScene& scene,
                       const std::function<void(int, int, bool)>& visit) {
    const int top = std::max<int>(scene.label.top, 0), bottom = std::min<int>(scene.label.bottom, picture.height());
    const int left = std::max<int>(scene.label.left, 0), right = std::min<int>(scene.label.right, picture.width());
    for (int y = top; y < bottom; ++y) {
        const Rgb background = gradientAt(kSilver, kMedGray, kBackgroundBands, picture.height(), y);
        for (int x = left; x < right; ++x)
            if (!inAny(scene.otherBoxes, x, y)) visit(x, y, picture.pixel(x, y) != background);
    }
}

void checkTitleColours(CaseContext& context) {
    QuillcastSession session(context);
    parkPointer(session);
    const TitleScene scene = readTitleScene(session);
    const int labelHeight = scene.label.bottom - scene.label.top;
    checkScreen(session.form(), "letters in the band colour of their row", [&](const ClientPicture& picture) {
        std::string problem;
        std::set<int> bandsSeen;
        int letterPixels = 0;
        forEachTitlePixel(picture, scene, [&](int x, int y, bool isLetter) {
            if (!isLetter || !problem.empty()) return;
            const int row = y - scene.label.top;
            const Rgb expected = gradientAt(kBlue, kSilver, kTitleBands, labelHeight, row);
            if (picture.pixel(x, y) != expected)
                problem = describe(picture.pixel(x, y)) + at(x, y) + " is neither the background nor the title's band colour " +
                          describe(expected) + " of label row " + std::to_string(row);
            ++letterPixels;
            for (int band = 0; band < kTitleBands; ++band)
                if (row >= roundedQuotient(1LL * labelHeight * band, kTitleBands) &&
                    row < roundedQuotient(1LL * labelHeight * (band + 1), kTitleBands))
                    bandsSeen.insert(band);
        });
        if (!problem.empty()) return problem;
        // The letters stand between the peak's top and the base line: most bands show.
        if (letterPixels < 1000 || bandsSeen.size() < 10)
            return "only " + std::to_string(letterPixels) + " letter pixels in " + std::to_string(bandsSeen.size()) +
                   " bands";
        return std::string();
    });
    session.exitNormally();
}

// Where each letter of the title must show, worked out from the title font's own
// metrics as this machine gives them.
struct ExpectedLetter {
    char letter;
    int pen = 0;   // label x where the pen stands for it
    int rise = 0;
    bool blank = true;
    RECT ink{};    // client coordinates, clipped to the label
};


std::vector<ExpectedLetter> expectedLetters(QuillcastSession& session, const RECT& label) {
    const long textHeight = session.component("frmMain").number("TextHeight");
    TitleFont font(static_cast<int>(textHeight));
    const auto reported = session.component("LMDGraphicLabel1");
    checkEqual(reported.text("FontFace"), font.face(), "the title's font face, as substituted here too");
    const int lineHeight = font.extent(kCaption).cy;
    checkEqual(reported.number("LineHeight"), static_cast<long>(lineHeight), "the title's line height");

    const std::string caption = kCaption;
    const int n = static_cast<int>(caption.size());
    const int baseLine = (label.bottom - label.top) - lineHeight / 4;
    std::vector<ExpectedLetter> letters;
    int pen = 0;
    for (int i = 1; i <= n; ++i) {
        ExpectedLetter letter;
        letter.letter = caption[i - 1];
        letter.pen = pen;
        letter.rise = (2 * i < n) ? kFactor * i : kFactor * (n - i);  // n / i > 2 climbs
        // Copies at the base point moved up by 1..depth and at the base point
        // itself: together they reach from the highest one's top to the base one's bottom.
        const int baseY = baseLine - letter.rise;
        RECT highest{}, base{};
        letter.blank = !font.outlineBox(letter.letter, pen, baseY - kDepth, highest) ||
                       !font.outlineBox(letter.letter, pen, baseY, base);
        if (!letter.blank) {
            RECT stacked{};
            UnionRect(&stacked, &highest, &base);
            OffsetRect(&stacked, label.left, label.top);
            IntersectRect(&letter.ink, &stacked, &label);
        }
        letters.push_back(letter);
        pen += font.extent(std::string(1, letter.letter)).cx + kDepth;
    }
    return letters;
}

void checkTitleGeometry(CaseContext& context) {
    QuillcastSession session(context);
    parkPointer(session);
    const TitleScene scene = readTitleScene(session);
    const auto letters = expectedLetters(session, scene.label);
    checkEqual(letters[4].letter, ' ', "the fifth letter");
    check(letters[4].blank, "the space has no outline");

    checkScreen(session.form(), "the title's letters where the title rules put them", [&](const ClientPicture& picture) {
        std::vector<RECT> found(letters.size(), RECT{INT_MAX, INT_MAX, INT_MIN, INT_MIN});
        std::string problem;
        const int spaceLeft = scene.label.left + letters[4].pen, spaceRight = scene.label.left + letters[5].pen;
        forEachTitlePixel(picture, scene, [&](int x, int y, bool isLetter) {
            if (!isLetter || !problem.empty()) return;
            if (x >= spaceLeft && x < spaceRight) {
                problem = "a letter pixel" + at(x, y) + " in the space's gap from x " + std::to_string(spaceLeft) +
                          " to " + std::to_string(spaceRight);
                return;
            }
            bool owned = false;
            for (std::size_t i = 0; i < letters.size(); ++i) {
                const POINT point{x, y};
                if (letters[i].blank || !PtInRect(&letters[i].ink, point)) continue;
                owned = true;
                RECT& box = found[i];
                box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                           std::max<LONG>(box.bottom, y + 1)};
            }
            if (!owned) problem = "a letter pixel" + at(x, y) + " outside every letter's place";
        });
        if (!problem.empty()) return problem;
        for (std::size_t i = 0; i < letters.size(); ++i) {
            if (letters[i].blank) continue;
            if (!EqualRect(&found[i], &letters[i].ink))
                return "letter " + std::to_string(i + 1) + " '" + std::string(1, letters[i].letter) + "' (rise " +
                       std::to_string(letters[i].rise) + ") shows at " +
                       (found[i].left == INT_MAX ? std::string("nowhere") : describeRect(found[i])) + ", expected " +
                       describeRect(letters[i].ink);
        }
        return std::string();
    });
    session.exitNormally();
}

void checkTitleIgnoresMouse(CaseContext& context) {
    QuillcastSession session(context);
    HWND form = session.form();
    parkPointer(session);
    const TitleScene scene = readTitleScene(session);
    std::vector<Rgb> before;
    auto titlePixels = [&](const ClientPicture& picture) {
        std::vector<Rgb> pixels;
        forEachTitlePixel(picture, scene, [&](int x, int y, bool) { pixels.push_back(picture.pixel(x, y)); });
        return pixels;
    };
    checkScreen(form, "the title before the mouse comes", [&](const ClientPicture& picture) {
        before = titlePixels(picture);
        return before.empty() ? std::string("no title pixels") : std::string();
    });
    const POINT middle = centreOf(scene.label);
    clickAt(form, middle);
    moveMouseTo(form, POINT{middle.x + 40, middle.y - 10});
    checkEqual(session.component("LMDGraphicLabel1").text("Text"), std::string(kCaption), "the title's caption");
    checkScreen(form, "the title unchanged by the mouse", [&](const ClientPicture& picture) {
        return titlePixels(picture) == before ? std::string() : std::string("the title's pixels changed");
    });
    session.exitNormally();
}

// ---- the silver boxes ----

void checkSilverBoxes(CaseContext& context) {
    QuillcastSession session(context);
    parkPointer(session);
    const std::vector<std::pair<std::string, RECT>> boxes = {
        {"Label1", session.component("Label1").rect()},
        {"Label2", session.component("Label2").rect()},
        {"dateArrif", rectInParent(session.controlWindow("dateArrif"))}};
    checkScreen(session.form(), "silver boxes behind the labels and the check box", [&](const ClientPicture& picture) {
        for (const auto& [name, box] : boxes) {
            int silver = 0;
            for (int y = box.top; y < box.bottom; ++y)
                for (int x = box.left; x < box.right; ++x) silver += picture.pixel(x, y) == kSilver;
            const int area = (box.right - box.left) * (box.bottom - box.top);
            if (silver * 2 < area)
                return name + ": only " + std::to_string(silver) + " of " + std::to_string(area) + " pixels are silver";
            for (const POINT corner : {POINT{box.left, box.top}, POINT{box.right - 1, box.top},
                                       POINT{box.left, box.bottom - 1}, POINT{box.right - 1, box.bottom - 1}})
                if (picture.pixel(corner.x, corner.y) != kSilver)
                    return name + "'s corner" + at(corner.x, corner.y) + " shows " +
                           describe(picture.pixel(corner.x, corner.y));
            // Just outside, the gradient (no longer silver at these rows) goes on.
            for (int y = box.top; y < box.bottom; ++y) {
                const Rgb background = gradientAt(kSilver, kMedGray, kBackgroundBands, picture.height(), y);
                if (background == kSilver) return name + " stands where the gradient is still silver";
                for (const int x : {static_cast<int>(box.left) - 1, static_cast<int>(box.right)})
                    if (picture.pixel(x, y) != background)
                        return "beside " + name + at(x, y) + ": " + describe(picture.pixel(x, y)) + ", expected " +
                               describe(background);
            }
        }
        return std::string();
    });
    session.exitNormally();
}

}  // namespace

std::vector<TestCase> decorationCases() {
    return {
        {"decoration.gradient_designed_size_top_silver_bottom_grey_rows_in_bands", checkDesignedSize},
        {"decoration.gradient_enlarged_by_setwindowpos_stretches", checkEnlarged},
        {"decoration.maximised_is_zoomed_and_repaints", checkMaximised},
        {"decoration.gradient_lower_than_band_count_keeps_band_order", checkLowClientArea},
        {"decoration.title_letters_in_row_band_colour_background_between", checkTitleColours},
        {"decoration.title_letters_placed_space_gap_rises_base_line", checkTitleGeometry},
        {"decoration.title_unchanged_by_mouse", checkTitleIgnoresMouse},
        {"decoration.labels_and_check_box_silver_boxes", checkSilverBoxes},
    };
}

}  // namespace e2e
