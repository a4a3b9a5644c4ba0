// The COLORREF a colour stands for when something is drawn: system colours
// are looked up at that moment, so a window follows a change of the system's
// colours; of any other value only the RGB bytes count (so "no colour" is
// never handed to GDI as a value it cannot read).
#pragma once

#include "base/Colour.h"

#include <windows.h>

namespace tk {

constexpr base::Colour RgbMask = 0xFFFFFF;

inline COLORREF ResolveColour(base::Colour colour) {
    return base::IsSystemColour(colour) ? GetSysColor(base::SystemColourIndex(colour))
                                        : COLORREF{colour & RgbMask};
}

} // namespace tk
