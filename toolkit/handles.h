#pragma once
#include <windows.h>

#include <utility>

#include "toolkit/live_objects.h"

namespace quillcast {

// A non-copyable owner of one Win32 handle, released exactly once by its traits.
template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) { Track(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, Traits::Invalid());
        }
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Handle Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    void Reset(Handle handle = Traits::Invalid()) noexcept {
        // Let go first: closing a window calls back into its owner (WM_NCDESTROY),
        // which must find the handle already gone rather than release it twice.
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) {
            Traits::Close(old);
            LiveObjects::Released(Traits::kKind);
        }
        Track();
    }
    Handle Release() noexcept {
        if (handle_ != Traits::Invalid()) LiveObjects::Released(Traits::kKind);
        return std::exchange(handle_, Traits::Invalid());
    }

private:
    void Track() noexcept {
        if (handle_ != Traits::Invalid()) LiveObjects::Acquired(Traits::kKind);
    }
    Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static constexpr auto kKind = LiveObjects::Kind::Kernel;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::CloseHandle(h); }
};

template <class T>
struct GdiObjectTraits {
    using Handle = T;
    static constexpr auto kKind = LiveObjects::Kind::Gdi;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DeleteObject(h); }
};

struct MemoryDcTraits {
    using Handle = HDC;
    static constexpr auto kKind = LiveObjects::Kind::Gdi;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DeleteDC(h); }
};

struct WindowTraits {
    using Handle = HWND;
    static constexpr auto kKind = LiveObjects::Kind::User;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DestroyWindow(h); }
};

struct IconTraits {
    using Handle = HICON;
    static constexpr auto kKind = LiveObjects::Kind::User;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::DestroyIcon(h); }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FontHandle = UniqueHandle<GdiObjectTraits<HFONT>>;
using BrushHandle = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using BitmapHandle = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using RegionHandle = UniqueHandle<GdiObjectTraits<HRGN>>;
using PenHandle = UniqueHandle<GdiObjectTraits<HPEN>>;
using MemoryDc = UniqueHandle<MemoryDcTraits>;
using WindowHandle = UniqueHandle<WindowTraits>;
using IconHandle = UniqueHandle<IconTraits>;

// A window's DC for the length of a scope.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    HDC Get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC for the length of a scope and puts the old one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(::SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { ::SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Saves a DC's state (clip region, origin, modes) and restores it at scope end.
class SavedDcState {
public:
    explicit SavedDcState(HDC dc) noexcept : dc_(dc), saved_(::SaveDC(dc)) {}
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;
    ~SavedDcState() { ::RestoreDC(dc_, saved_); }

private:
    HDC dc_;
    int saved_;
};

}  // namespace quillcast
