// Measures the main window's painting under wine64: a full repaint of a
// 1920x1080 client area (gradient background and title) against one BitBlt of
// a bitmap of that size, the live GDI objects across 1,000 resizes, and client
// sizes from 0x0 to the largest the system allows. Prints figures; the exit
// code says only whether the measurements could be taken.
//
// A repaint is asked for from here and waited on, so it includes the trip to the
// program and back; the BitBlt is therefore measured twice: as a bare call, and
// as the paint of a window of another process reached the same way.
//
//   decoration_bench.exe [repaints] [resizes]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "bench/windows/bench_support.h"

namespace {

using namespace bench;

constexpr int kWidth = 1920, kHeight = 1080;

struct WindowDcScope {
    HDC dc = GetDC(nullptr);
    ~WindowDcScope() { ReleaseDC(nullptr, dc); }
};

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

// ---- the references ----

struct ReferencePicture {
    HDC memory = nullptr;
    HBITMAP bitmap = nullptr;
};

// A 1920x1080 bitmap with some content, so that nothing can be skipped as blank.
ReferencePicture MakePicture(HDC like) {
    ReferencePicture picture{CreateCompatibleDC(like), CreateCompatibleBitmap(like, kWidth, kHeight)};
    SelectObject(picture.memory, picture.bitmap);
    for (int y = 0; y < kHeight; y += 8) {
        RECT row{0, y, kWidth, y + 8};
        SetDCBrushColor(picture.memory, RGB(y % 256, 128, 255 - y % 256));
        FillRect(picture.memory, &row, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    return picture;
}

HWND ShowTargetWindow(const char* className, WNDPROC procedure) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, className, "", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    PumpMessages();
    return window;
}

// The same road as the program's repaint, with a paint that is one BitBlt of a
// finished bitmap: a window of another process, repainted from here.
ReferencePicture g_picture;

LRESULT CALLBACK BlitPainterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return 1;
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        BitBlt(dc, 0, 0, kWidth, kHeight, g_picture.memory, 0, 0, SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_CLOSE) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

int RunBlitPainter() {
    WindowDcScope screen;
    g_picture = MakePicture(screen.dc);
    if (!ShowTargetWindow("DecorationBenchBlitPainter", BlitPainterProc)) return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

// Sets the outer size so that the client area gets `width` x `height` (as far as
// the system allows) and returns the client size reached.
SIZE ResizeClient(HWND form, int width, int height) {
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(form, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(form, GWL_EXSTYLE)));
    SetWindowPos(form, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(form, &client);
    return SIZE{client.right, client.bottom};
}

// Repaints the whole client area now; returns when the window has painted it.
void RepaintNow(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

double TimeRepaint(HWND window) {
    const double start = NowMs();
    RepaintNow(window);
    return NowMs() - start;
}

// Shows `shown` alone: a window covered by another paints less and would be
// measured short.
void Reveal(HWND shown, std::initializer_list<HWND> hidden) {
    constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    for (HWND window : hidden) SetWindowPos(window, nullptr, 0, 0, 0, 0, kKeep | SWP_HIDEWINDOW);
    SetWindowPos(shown, nullptr, 0, 0, 0, 0, kKeep | SWP_SHOWWINDOW);
    for (int i = 0; i < 3; ++i) RepaintNow(shown);  // settle, and build what the paint keeps
    PumpMessages();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--blit-painter") return RunBlitPainter();
    const int repaints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int resizes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000;

    // Three windows of 1920x1080 client pixels: one of ours for the bare BitBlt
    // call, one of another process that paints by one BitBlt, and the program's.
    HWND blitTarget = ShowTargetWindow("DecorationBenchBlit", DefWindowProcA);
    WindowDcScope screen;
    const ReferencePicture picture = MakePicture(screen.dc);
    Process painter(Folder() + "decoration_bench.exe", "--blit-painter");
    HWND painterWindow = painter.Window("DecorationBenchBlitPainter");
    Process program(Folder() + "quillcast-testhooks.exe");
    HWND form = program.Window("TfrmMain");
    if (!blitTarget || !painterWindow || !form) {
        std::printf("a window to measure did not appear (bench %p, painter %p, program %p)\n",
                    static_cast<void*>(blitTarget), static_cast<void*>(painterWindow), static_cast<void*>(form));
        return 1;
    }
    const SIZE full = ResizeClient(form, kWidth, kHeight);

    // Interleaved rounds, so that a busy machine weighs on all three alike.
    constexpr int kPerRound = 20;
    std::vector<double> blitCalls, blitPaints, fullRepaints;
    for (int round = 0; round * kPerRound < repaints; ++round) {
        Reveal(blitTarget, {painterWindow, form});
        HDC target = GetDC(blitTarget);
        for (int i = 0; i < kPerRound; ++i) {
            const double start = NowMs();
            BitBlt(target, 0, 0, kWidth, kHeight, picture.memory, 0, 0, SRCCOPY);
            GdiFlush();
            blitCalls.push_back(NowMs() - start);
            PumpMessages();
        }
        ReleaseDC(blitTarget, target);
        Reveal(painterWindow, {blitTarget, form});
        for (int i = 0; i < kPerRound; ++i) blitPaints.push_back(TimeRepaint(painterWindow));
        Reveal(form, {blitTarget, painterWindow});
        for (int i = 0; i < kPerRound; ++i) fullRepaints.push_back(TimeRepaint(form));
    }
    // The median says what a paint usually costs; the 10th percentile what it
    // costs when no other process takes the processor meanwhile.
    struct Figure {
        const char* name;
        const std::vector<double>& samples;
        const char* what;
    };
    const Figure figures[] = {
        {"full_repaint_ms", fullRepaints, "the program: background, title, controls, copy to screen"},
        {"bitblt_paint_ms", blitPaints, "same road, a paint that is one BitBlt of a finished bitmap"},
        {"bitblt_call_ms", blitCalls, "one BitBlt call into a shown window, nothing around it"}};
    std::printf("client_area                       %ldx%ld, %zu samples each\n", full.cx, full.cy, fullRepaints.size());
    std::printf("%-33s %8s %8s\n", "", "median", "p10");
    for (const Figure& figure : figures)
        std::printf("%-33s %8.3f %8.3f  (%s)\n", figure.name, Percentile(figure.samples, 0.5),
                    Percentile(figure.samples, 0.1), figure.what);
    for (int percent : {50, 10}) {
        const double share = percent / 100.0;
        const double repaint = Percentile(fullRepaints, share);
        const double paint = Percentile(blitPaints, share), call = Percentile(blitCalls, share);
        std::printf("ratio_p%-2d repaint/bitblt_paint   %.2f  (target <= 2)   repaint/bitblt_call %.2f\n", percent,
                    paint > 0 ? repaint / paint : 0.0, call > 0 ? repaint / call : 0.0);
    }

    // Sizes that end in every corner: empty, one pixel, lower than the band
    // count, the designed one, and larger than the system lets a window get.
    const SIZE sizes[] = {{0, 0},    {1, 1},     {1, 0},      {0, 1},       {690, 441},     {300, 100},
                          {50, 235}, {2000, 17}, {1920, 1080}, {2560, 1600}, {32000, 32000}, {640, 480}};
    Inspector inspector;
    const long gdiBefore = inspector.Number(form, "frmMain", "LiveGdi");
    SIZE largest{0, 0};
    int painted = 0;
    const double resizeStart = NowMs();
    for (int i = 0; i < resizes && program.Running(); ++i) {
        const SIZE wanted = sizes[i % (sizeof sizes / sizeof sizes[0])];
        const SIZE reached = ResizeClient(form, wanted.cx, wanted.cy);
        RepaintNow(form);
        if (static_cast<long long>(reached.cx) * reached.cy > static_cast<long long>(largest.cx) * largest.cy)
            largest = reached;
        ++painted;
    }
    const double resizeMs = NowMs() - resizeStart;
    const bool alive = program.Running();
    const long gdiAfter = alive ? inspector.Number(form, "frmMain", "LiveGdi") : -1;
    std::printf("resizes_painted                   %d of %d (%.1f ms each, resize and repaint)\n", painted, resizes,
                painted ? resizeMs / painted : 0.0);
    std::printf("largest_client_painted            %ldx%ld\n", largest.cx, largest.cy);
    std::printf("live_gdi_before_after             %ld -> %ld (%s)\n", gdiBefore, gdiAfter,
                gdiBefore >= 0 && gdiBefore == gdiAfter ? "flat" : "NOT flat");
    std::printf("program_alive_after_resizes       %s\n", alive ? "yes" : "NO");
    return alive && gdiBefore >= 0 ? 0 : 1;
}
