// Owners for the GDI objects the drawing routines create: a memory device
// context with a bitmap selected, regions and plain bitmaps.
#pragma once

#include "Dib.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace skin {

struct GdiObjectDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
using TRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, GdiObjectDeleter>;
using TGdiBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

// A memory device context with a bitmap selected into it for its lifetime.
class TBitmapDC {
public:
    explicit TBitmapDC(HBITMAP bitmap)
        : dc_(CreateCompatibleDC(nullptr)), old_(SelectObject(dc_, bitmap)) {}
    explicit TBitmapDC(const TDib& dib) : TBitmapDC(static_cast<HBITMAP>(dib.NativeHandle())) {}
    TBitmapDC(const TBitmapDC&) = delete;
    TBitmapDC& operator=(const TBitmapDC&) = delete;
    ~TBitmapDC() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    operator HDC() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace skin
