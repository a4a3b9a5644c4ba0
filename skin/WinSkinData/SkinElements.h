// The skin elements: one skin bitmap each, with the margins that are never
// stretched, the number of equal cells (one per visual state, numbered from
// 1) and the state colours. Plain objects with public fields; each owns its
// bitmaps.
#pragma once

#include "skin/ImgUtil/Dib.h"

#include "base/Colour.h"

#include <cstdint>
#include <string>

namespace skin {

// The value a title text colour keeps when the skin gives none.
using base::NoColour;

class TDataSkinObject {
public:
    explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
    virtual ~TDataSkinObject() = default;
    TDataSkinObject(const TDataSkinObject&) = default;
    TDataSkinObject& operator=(const TDataSkinObject&) = default;

    int32_t LeftWidth = 0;
    int32_t TopHeight = 0;
    int32_t RightWidth = 0;
    int32_t BottomHeight = 0;
    TDib Bitmap;
    // Non-zero: drawn with the colour key, so magenta pixels show what is behind.
    int32_t Trans = 0;
    // 1: the centre slice is repeated; 0: stretched.
    int32_t Tile = 0;
    std::string Name;
    int32_t Frame = 0;
    int32_t Style = 0;
    // State colours read as integers; -1 when the skin gives none.
    int32_t NormalColour = 0;
    int32_t MouseOverColour = 0;
    int32_t PressedColour = 0;
    // State colours read as RGB text.
    Colour NormalColour2 = 0;
    Colour MouseOverColour2 = 0;
    Colour PressedColour2 = 0;
};

// An element with a second image: the tab border of Tabs, the glyph strip of
// the up-down buttons, the progress chunk, the mirrored combo button.
class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TDib Bitmap2;
};

// Caption text settings. The margins carry text placement: LeftWidth is the
// text shift, TopHeight the vertical shift, RightWidth the right clip.
class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    // The caption font's height when the skin's Fonts section gives none.
    static constexpr int32_t DefaultFontHeight = 14;
    int32_t TextAlignment = 0;
    int32_t Textbackground = 0;
    int32_t FontHeight = DefaultFontHeight;
    int32_t TXTBackleft = 0;
    int32_t TXTBackRight = 0;
    Colour ActiveTextColour = NoColour;
    Colour InActiveTextColour = NoColour;
};

// Push buttons, with the check box and radio button glyph strips.
class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TDib CheckBitmap;
    TDib RadioBitmap;
    int32_t RadioButtonFrame = 0;
    int32_t CheckButtonFrame = 0;
    bool HasNormalColour2 = false;
    bool HasMouseOverColour2 = false;
    bool HasPressedColour2 = false;
};

// One caption button. Action -1 marks decoration; 7, 8 and 9 are the MDI
// child buttons the loader appends.
class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int32_t Action = 0;
    int32_t Align = 0;
    int32_t Xcoord = 0;
    int32_t Ycoord = 0;
    int32_t CombineOp = 0;
    int32_t Visibility = 0;
    int32_t Visibility1 = 0;
};

// The group box, with the placement of its caption background.
class TDataSkinBoxLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int32_t BackgroundLeftShift = 0;
    int32_t BackgroundRightShift = 0;
    int32_t BackgroundAlignment = 0;
};

} // namespace skin
