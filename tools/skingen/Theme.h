// What makes one generated skin look like itself: its colours and the sizes
// of its frame and caption buttons. Every bitmap and the INI text of a skin
// are drawn from one theme, so geometry and images always agree.
#pragma once

#include "skin/ImgUtil/Dib.h"

#include <optional>
#include <string>
#include <vector>

namespace skingen {

using skin::Colour;

// One caption button section of the INI. Keys left out (nullopt, empty)
// are not written, so the engine's defaults apply.
struct TCaptionButton {
    std::string comment; // written under the section header
    std::string image;   // ButtonImage
    int action = 0;
    int align = 0;
    int xcoord = 0;
    int ycoord = 0;
    std::optional<int> visibility;
    std::optional<int> visibility1;
    std::optional<int> frame;
};

// Caption text placement (the title keys of section Personality).
struct TCaptionText {
    int shift = 0;          // TextShift
    int shiftVert = 0;      // TextShiftVert
    int rightClip = 0;      // TextRightClip
    int alignment = 0;      // TextAlignment: 0 left, 1 centred, 2 right
    int background = 0;     // Textbackground
    int backLeft = 0;       // TXTBackleft: unstretched ends of the text background
    int backRight = 0;      // TXTBackRight
    bool backImage = false; // a TextBack image ("textback.bmp") is drawn and named
};

// The colours of one window state (active or inactive).
struct TFrameColours {
    Colour edge;     // outermost line of the window shape
    Colour body;     // side and bottom borders
    Colour titleTop; // title bar gradient
    Colour titleBottom;
    Colour accent;  // line under the title bar
    Colour accent2; // the short accent at its left end
    Colour inner;   // line around the client area
    Colour glyph;   // caption button glyphs
};

struct TTheme {
    std::string name;        // file name stem: <name>.ini, <name>__top.bmp, ...
    std::string displayName; // SkinName in the INI
    TFrameColours active;
    TFrameColours inactive;
    // Controls.
    Colour face; // control faces (ButtonFace)
    Colour faceHot;
    Colour facePressed;
    Colour faceDisabled;
    Colour line;    // control outlines
    Colour lineHot; // outlines under the mouse and of focused controls
    Colour lineDisabled;
    Colour mark; // check marks, arrows, glyphs of controls
    Colour markDisabled;
    Colour well;        // inside of check boxes, tracks, edits
    Colour text;        // button and menu text
    Colour textHot;     // captions of buttons under the mouse and of selected tabs
    Colour textPressed; // captions of pressed buttons
    Colour textDisabled;
    Colour highlight; // selected menu items and the progress bar
    Colour highlight2;
    Colour highlightText;
    Colour menu;
    Colour menuBar;
    Colour titleText;
    Colour titleTextInactive;
    Colour windowText;
    Colour shadow;
    Colour darkShadow;
    Colour light;
    // Geometry.
    int titleHeight;  // top border height per frame
    int leftWidth;    // left border width per frame
    int rightWidth;   // right border width per frame
    int bottomHeight; // bottom border height per frame
    int topRadius;    // rounded top corners (0: square)
    int bottomRadius;
    int buttonWidth; // caption button cell
    int buttonHeight;
    int buttonRadius; // rounding of caption button and push button shapes
    int menuBarHeight;
    bool shapedFrame; // borders drawn with the colour key (window region)
    // Caption.
    TCaptionText caption;
    std::vector<TCaptionButton> captionButtons; // in INI order
    bool hoverAnimations;                       // the hover animation strips and their sections
    bool pinAndDash;                            // the test skin's own caption images (see Art.h)
};

// Our default look (neon accents on a dark frame), a light second skin, and
// a skin for tests only with unusual geometry (not shipped with the program).
const std::vector<TTheme>& AllThemes();

} // namespace skingen
