// One owner per Win32 handle: GDI objects, device contexts, global memory,
// loaded libraries.
// Copying is forbidden so that no handle is deleted twice; release() hands
// one over.
#pragma once

#include <windows.h>

#include <utility>

namespace ui::win32 {

template <class Handle, class Deleter>
class Unique {
public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    ~Unique() { reset(); }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) Deleter{}(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DeleteDcHandle {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct FreeGlobalMemory {
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
struct FreeModule {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

using Font = Unique<HFONT, DeleteGdiObject>;
using Brush = Unique<HBRUSH, DeleteGdiObject>;
using Pen = Unique<HPEN, DeleteGdiObject>;
using Region = Unique<HRGN, DeleteGdiObject>;
using Bitmap = Unique<HBITMAP, DeleteGdiObject>;
using MemoryDc = Unique<HDC, DeleteDcHandle>;
// A global memory block for the clipboard, until the clipboard takes it.
using GlobalMemory = Unique<HGLOBAL, FreeGlobalMemory>;
// A library loaded when it is first needed.
using Library = Unique<HMODULE, FreeModule>;

// Selects an object into a device context and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard() { SelectObject(dc_, previous_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint ... EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window_, &paint_); }
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// GetDC ... ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An off-screen picture the size of a window, copied to the screen in one go
// so that a repaint never flickers.
class BackBuffer {
public:
    BackBuffer(HDC target, int width, int height)
        : dc_(CreateCompatibleDC(target)),
          bitmap_(CreateCompatibleBitmap(target, width, height)),
          select_(dc_.get(), bitmap_.get()) {}
    HDC get() const { return dc_.get(); }

private:
    MemoryDc dc_;
    Bitmap bitmap_;
    SelectGuard select_;
};

}  // namespace ui::win32
