// TMenuText: the menu font and the sizes of the menus' item texts in it,
// kept by the engine's menu looks (MenuLooks.h) from one opening to the
// next. Measured each with a device context and a font of its own, the
// items of a drop-down cost more than the rest of its opening; one memory
// context and one font of each weight serve them all, and a text met again
// is not measured again.
//
// Error policy: nothing throws; a font or context that cannot be made
// measures every text as 0 x 0.
#pragma once

#include "toolkit/win32/GdiOwners.h"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace skin {

class TMenuText {
public:
    TMenuText() = default;
    TMenuText(const TMenuText&) = delete;
    TMenuText& operator=(const TMenuText&) = delete;

    // The system's menu font, bold for a default item; made on first use.
    HFONT Font(bool bold);
    // The size DrawText's DT_CALCRECT (with `format`) gives `text` in that
    // font.
    SIZE Extent(const std::wstring& text, bool bold, UINT format);

    // Sizes kept at most; past them the kept ones are let go (a program may
    // put ever new texts in its menus).
    static constexpr size_t KeptExtents = 1024;

private:
    tk::OwnedFont fonts_[2];
    // Declared after the fonts: deleted before them, with a font selected.
    tk::CompatibleDC dc_;
    std::map<std::tuple<std::wstring, bool, UINT>, SIZE> extents_;
};

} // namespace skin
