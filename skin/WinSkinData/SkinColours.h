// The skin's colours: COLORREF values, where 0xFF0000nn stands for system
// colour nn, and the two ways a skin INI writes a colour.
#pragma once

#include "skin/ImgUtil/Dib.h"

#include <string_view>

namespace skin {

class TQuickIni;

using base::IsSystemColour;
using base::SystemColour;

constexpr Colour SysScrollbar = SystemColour(0);
constexpr Colour SysMenu = SystemColour(4);
constexpr Colour SysMenuText = SystemColour(7);
constexpr Colour SysWindowText = SystemColour(8);
constexpr Colour SysCaptionText = SystemColour(9);
constexpr Colour SysHighlight = SystemColour(13);
constexpr Colour SysHighlightText = SystemColour(14);
constexpr Colour SysBtnFace = SystemColour(15);
constexpr Colour SysBtnShadow = SystemColour(16);
constexpr Colour SysBtnText = SystemColour(18);
constexpr Colour SysInactiveCaptionText = SystemColour(19);
constexpr Colour SysBtnHighlight = SystemColour(20);
constexpr Colour Sys3DDkShadow = SystemColour(21);

// "255 128 0", "255,128,0," or "R255 G128 B0": runs of digits separated by
// anything else give red, green and blue, each modulo 256. A number that
// ends the text counts only as the third one, so "255 128" is pure red and a
// single number is black; empty text is black.
Colour ParseRgbText(std::string_view text);

// The integer keys name+"R", name+"G", name+"B": when all three are 0 or
// more, `colour` becomes their RGB (low bytes); otherwise it is left alone.
void ReadRgbKeys(const TQuickIni& ini, std::string_view section, std::string_view name,
                 Colour& colour);

} // namespace skin
