// Owning objects for every acquire/release pair of GDI and USER that the
// toolkit and the skin engine use while painting. Each releases in its
// destructor, so a handler that throws halfway through a paint leaves no
// device context, bitmap, brush or region behind, and every object selected
// into a device context is deselected before that context goes.
//
// Error policy: acquiring never throws; an object whose acquisition failed
// holds a null handle, which the caller may test (`if (!dc)`), and releasing a
// null handle does nothing.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace tk {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const {
        if (object) {
            DeleteObject(object);
        }
    }
};
// An owned brush, pen, font, bitmap or region (DeleteObject on release).
template <class H> using GdiHandle = std::unique_ptr<std::remove_pointer_t<H>, GdiObjectDeleter>;
using OwnedBrush = GdiHandle<HBRUSH>;
using OwnedPen = GdiHandle<HPEN>;
using OwnedFont = GdiHandle<HFONT>;
using OwnedBitmap = GdiHandle<HBITMAP>;
using OwnedRegion = GdiHandle<HRGN>;

struct IconDeleter {
    void operator()(HICON icon) const {
        if (icon) {
            DestroyIcon(icon);
        }
    }
};
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct EnhMetaFileDeleter {
    void operator()(HENHMETAFILE metafile) const {
        if (metafile) {
            DeleteEnhMetaFile(metafile);
        }
    }
};
using OwnedEnhMetaFile = std::unique_ptr<std::remove_pointer_t<HENHMETAFILE>, EnhMetaFileDeleter>;

// A menu the owner made (CreateMenu, CreatePopupMenu) and destroys with its
// submenus; a menu given to a window is the window's and must not be held here.
struct MenuDeleter {
    void operator()(HMENU menu) const {
        if (menu) {
            DestroyMenu(menu);
        }
    }
};
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

// BeginPaint / EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(window_, &paint_); }
    operator HDC() const { return dc_; }
    const PAINTSTRUCT& Paint() const { return paint_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A device context of a window (or of the screen, for none) from GetDC,
// GetWindowDC or GetDCEx, given back with ReleaseDC.
class WindowDC {
public:
    // The client area's context (GetDC); the screen's for a null window.
    static WindowDC Client(HWND window) { return WindowDC(window, GetDC(window)); }
    // The whole window's context, non-client area included (GetWindowDC).
    static WindowDC Whole(HWND window) { return WindowDC(window, GetWindowDC(window)); }
    // GetDCEx with a clip region and flags; the region belongs to the caller
    // unless the flags hand it to the system.
    static WindowDC Ex(HWND window, HRGN clip, DWORD flags) {
        return WindowDC(window, GetDCEx(window, clip, flags));
    }
    WindowDC(WindowDC&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    WindowDC& operator=(WindowDC&&) = delete;
    ~WindowDC() {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }
    operator HDC() const { return dc_; }

private:
    WindowDC(HWND window, HDC dc) : window_(window), dc_(dc) {}
    HWND window_;
    HDC dc_;
};

// CreateCompatibleDC / DeleteDC.
class CompatibleDC {
public:
    explicit CompatibleDC(HDC reference = nullptr) : dc_(CreateCompatibleDC(reference)) {}
    CompatibleDC(const CompatibleDC&) = delete;
    CompatibleDC& operator=(const CompatibleDC&) = delete;
    ~CompatibleDC() {
        if (dc_) {
            DeleteDC(dc_);
        }
    }
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

// SelectObject, with the previous object selected again on release.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (old_ && old_ != HGDI_ERROR) {
            SelectObject(dc_, old_);
        }
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A memory device context with a bitmap the caller owns selected into it for
// the context's lifetime, to draw on the bitmap or to copy from it. A bitmap
// can be selected into one device context at a time.
class BitmapDC {
public:
    explicit BitmapDC(HBITMAP bitmap, HDC reference = nullptr)
        : dc_(reference), selected_(dc_, bitmap) {}
    operator HDC() const { return dc_; }

private:
    CompatibleDC dc_;
    SelectedObject selected_;
};

// SaveDC / RestoreDC: every attribute changed in between (mode, colours,
// clip region, selected objects) comes back on release.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), level_(SaveDC(dc)) {}
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;
    ~SavedDC() {
        if (level_) {
            RestoreDC(dc_, level_);
        }
    }

private:
    HDC dc_;
    int level_;
};

// A memory device context with a bitmap of its own selected into it: an
// off-screen buffer of the given size, compatible with a reference context.
// BlitTo copies the buffer to a target; nothing is copied unless asked, so a
// paint that fails halfway never reaches the screen.
class MemoryDC {
public:
    MemoryDC(HDC reference, int width, int height)
        : dc_(reference), bitmap_(CreateCompatibleBitmap(reference, width, height)),
          selected_(dc_, bitmap_.get()), width_(width), height_(height) {}
    operator HDC() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // False when the bitmap could not be made (zero size, no memory).
    explicit operator bool() const { return dc_ && bitmap_; }
    void BlitTo(HDC target, int x, int y) const {
        BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
    }

private:
    CompatibleDC dc_;
    OwnedBitmap bitmap_;
    SelectedObject selected_;
    int width_;
    int height_;
};

} // namespace tk
