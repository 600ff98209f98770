#include "screenshot.h"

#include <vector>

namespace e2e {

namespace {

bool writeBitmapFile(const std::string& path, const BITMAPINFOHEADER& header, const std::vector<BYTE>& pixels) {
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) && written == sizeof file;
    ok = ok && WriteFile(out, &header, sizeof header, &written, nullptr) && written == sizeof header;
    ok = ok && WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr) &&
         written == pixels.size();
    CloseHandle(out);
    if (!ok) DeleteFileA(path.c_str());
    return ok;
}

}  // namespace

bool saveScreenRect(const RECT& screenRect, const std::string& path) {
    const int width = screenRect.right - screenRect.left;
    const int height = screenRect.bottom - screenRect.top;
    if (width <= 0 || height <= 0) return false;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, screenRect.left, screenRect.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up rows, as BMP files store them
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<BYTE> pixels(static_cast<std::size_t>(stride) * height);
    header.biSizeImage = static_cast<DWORD>(pixels.size());
    const bool read = copied && GetDIBits(memory, bitmap, 0, height, pixels.data(),
                                          reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS) == height;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return read && writeBitmapFile(path, header, pixels);
}

std::vector<DWORD> pixelsOf(HDC source, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        DeleteDC(memory);
        return {};
    }
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + width * height);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    for (DWORD& pixel : pixels) pixel &= 0x00FFFFFF;
    return pixels;
}

bool saveScreen(const std::string& path) {
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return saveScreenRect(screen, path);
}

}  // namespace e2e
