// Colours: the one colour type of every layer (designs, the toolkit, skins,
// the tools). A Colour is a 32-bit value in the Windows COLORREF layout: red
// in the low byte, then green, then blue; 0xFF0000nn stands for system colour
// nn, looked up when something is drawn. Decoded picture pixels use the other
// Windows layout, a DIB's 0xAARRGGBB; PixelColour converts.
#pragma once

#include <cstdint>

namespace base {

using Colour = uint32_t;

constexpr Colour MakeColour(uint8_t red, uint8_t green, uint8_t blue) {
    return Colour{red} | Colour{green} << 8 | Colour{blue} << 16;
}
constexpr uint8_t RedOf(Colour c) {
    return static_cast<uint8_t>(c);
}
constexpr uint8_t GreenOf(Colour c) {
    return static_cast<uint8_t>(c >> 8);
}
constexpr uint8_t BlueOf(Colour c) {
    return static_cast<uint8_t>(c >> 16);
}

// A DIB pixel (0xAARRGGBB) as a Colour; the alpha byte is dropped.
constexpr Colour PixelColour(uint32_t pixel) {
    return MakeColour(static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                      static_cast<uint8_t>(pixel));
}
// A Colour as a DIB pixel (0x00RRGGBB).
constexpr uint32_t ColourPixel(Colour c) {
    return uint32_t{RedOf(c)} << 16 | uint32_t{GreenOf(c)} << 8 | BlueOf(c);
}

constexpr Colour SystemColour(int index) {
    return 0xFF000000u | static_cast<uint8_t>(index);
}
constexpr bool IsSystemColour(Colour c) {
    return (c & 0xFFFFFF00u) == 0xFF000000u;
}
constexpr int SystemColourIndex(Colour c) {
    return static_cast<int>(c & 0xFFu);
}

// "No colour": neither an RGB value nor a system colour. Skins leave a caption
// text colour at this value when they give none, and designs name it clNone.
constexpr Colour NoColour = 0x1FFFFFFF;

} // namespace base
