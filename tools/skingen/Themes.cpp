#include "tools/skingen/Theme.h"

namespace skingen {
namespace {

constexpr Colour Rgb(int r, int g, int b) {
    return skin::MakeColour(uint8_t(r), uint8_t(g), uint8_t(b));
}

// Caption text after the window icon, clear of the caption buttons.
TCaptionText LeftCaption(const TTheme& t) {
    TCaptionText text;
    text.shift = 28;
    text.shiftVert = -1;
    text.rightClip = 4 * t.buttonWidth + 24;
    return text;
}

// Close, maximise / restore and minimise in a row from the right edge, the
// window icon at the left, a decoration after the caption text.
// Visibility 6/8: the window has a maximise/minimise box and a system menu;
// Visibility1 1/2: maximised or not; Visibility 5: never shown (the roll
// buttons are carried for skins of the same family).
std::vector<TCaptionButton> RightCaptionButtons(const TTheme& t) {
    const int y = (t.titleHeight - t.buttonHeight) / 2 - 1;
    const int step = t.buttonWidth + 2;
    const int close = t.rightWidth + 4 + t.buttonWidth;
    const auto button = [&](std::string image, int action, int visibility, int visibility1,
                            int xcoord) {
        return TCaptionButton{"", std::move(image), action,      1, xcoord,
                              y,  visibility,       visibility1, 4};
    };
    return {
        button(t.name + "__but-close_i.bmp", 0, 0, 0, close),
        button(t.name + "__but-max_i.bmp", 1, 6, 2, close + step),
        button(t.name + "__but-rest_i.bmp", 1, 6, 1, close + step),
        button(t.name + "__but-min_i.bmp", 2, 8, 0, close + 2 * step),
        button("but-roll_i.bmp", 40, 5, 0, close + 3 * step),
        button("but-rolldown_i.bmp", 41, 5, 0, close + 3 * step),
        {"the window icon: opens the system menu",
         "",
         3,
         0,
         t.leftWidth + 6,
         (t.titleHeight - 16) / 2 - 1,
         {},
         {},
         {}},
        {"decoration after the caption text", "menutool.bmp", -1, 3, 8, (t.titleHeight - 8) / 2 - 1,
         0, 0, 4},
    };
}

TTheme Neon() {
    TTheme t{};
    t.name = "kanvio_neon";
    t.displayName = "Kanvio Neon";
    t.active = {Rgb(0, 190, 220), Rgb(22, 24, 38),   Rgb(40, 42, 68),  Rgb(18, 19, 32),
                Rgb(0, 229, 255), Rgb(255, 46, 136), Rgb(0, 110, 140), Rgb(200, 236, 248)};
    t.inactive = {Rgb(62, 66, 84),  Rgb(26, 27, 36), Rgb(38, 40, 52), Rgb(26, 27, 36),
                  Rgb(70, 80, 100), Rgb(96, 70, 96), Rgb(48, 52, 66), Rgb(112, 118, 140)};
    t.face = Rgb(30, 32, 48);
    t.faceHot = Rgb(44, 48, 78);
    t.facePressed = Rgb(20, 21, 34);
    t.faceDisabled = Rgb(34, 35, 44);
    t.line = Rgb(0, 150, 180);
    t.lineHot = Rgb(0, 229, 255);
    t.lineDisabled = Rgb(70, 72, 88);
    t.mark = Rgb(0, 229, 255);
    t.markDisabled = Rgb(90, 94, 110);
    t.well = Rgb(14, 15, 24);
    t.text = Rgb(222, 236, 246);
    t.textHot = Rgb(0, 229, 255);
    t.textPressed = Rgb(255, 46, 136);
    t.textDisabled = Rgb(110, 114, 130);
    // Deep enough for white text on selected menu items.
    t.highlight = Rgb(214, 0, 110);
    t.highlight2 = Rgb(150, 60, 255);
    t.highlightText = Rgb(255, 255, 255);
    t.menu = Rgb(24, 26, 40);
    t.menuBar = Rgb(20, 21, 34);
    t.titleText = Rgb(230, 250, 255);
    t.titleTextInactive = Rgb(140, 146, 170);
    t.windowText = Rgb(24, 26, 38);
    t.shadow = Rgb(12, 13, 20);
    t.darkShadow = Rgb(0, 0, 0);
    t.light = Rgb(60, 64, 92);
    t.titleHeight = 30;
    t.leftWidth = 6;
    t.rightWidth = 6;
    t.bottomHeight = 6;
    t.topRadius = 9;
    t.bottomRadius = 4;
    t.buttonWidth = 26;
    t.buttonHeight = 20;
    t.buttonRadius = 4;
    t.menuBarHeight = 22;
    t.shapedFrame = true;
    t.caption = LeftCaption(t);
    t.captionButtons = RightCaptionButtons(t);
    t.hoverAnimations = true;
    return t;
}

// Daylight: a light, square, unshaped frame with a blue title bar, so a
// switch between the two skins changes colours, sizes and the window shape.
TTheme Daylight() {
    TTheme t{};
    t.name = "kanvio_daylight";
    t.displayName = "Kanvio Daylight";
    t.active = {Rgb(30, 70, 150), Rgb(226, 232, 242), Rgb(64, 120, 220),  Rgb(36, 86, 180),
                Rgb(255, 196, 0), Rgb(255, 140, 0),   Rgb(150, 170, 200), Rgb(255, 255, 255)};
    t.inactive = {Rgb(130, 140, 160), Rgb(236, 238, 242), Rgb(170, 180, 200), Rgb(150, 160, 180),
                  Rgb(200, 200, 200), Rgb(180, 180, 180), Rgb(190, 196, 206), Rgb(235, 238, 245)};
    t.face = Rgb(240, 242, 246);
    t.faceHot = Rgb(255, 246, 214);
    t.facePressed = Rgb(214, 222, 236);
    t.faceDisabled = Rgb(232, 232, 232);
    t.line = Rgb(120, 140, 170);
    t.lineHot = Rgb(255, 170, 0);
    t.lineDisabled = Rgb(190, 190, 190);
    t.mark = Rgb(36, 86, 180);
    t.markDisabled = Rgb(170, 170, 170);
    t.well = Rgb(255, 255, 255);
    t.text = Rgb(20, 30, 50);
    // A deep orange: the hot outline's orange does not read on the light faces.
    t.textHot = Rgb(170, 80, 0);
    t.textPressed = Rgb(36, 86, 180);
    t.textDisabled = Rgb(150, 150, 150);
    t.highlight = Rgb(36, 86, 180);
    t.highlight2 = Rgb(26, 66, 150);
    t.highlightText = Rgb(255, 255, 255);
    t.menu = Rgb(250, 250, 252);
    t.menuBar = Rgb(232, 236, 244);
    t.titleText = Rgb(255, 255, 255);
    t.titleTextInactive = Rgb(40, 44, 56);
    t.windowText = Rgb(0, 0, 0);
    t.shadow = Rgb(160, 166, 180);
    t.darkShadow = Rgb(90, 96, 110);
    t.light = Rgb(250, 250, 252);
    t.titleHeight = 24;
    t.leftWidth = 4;
    t.rightWidth = 4;
    t.bottomHeight = 4;
    t.topRadius = 0;
    t.bottomRadius = 0;
    t.buttonWidth = 22;
    t.buttonHeight = 18;
    t.buttonRadius = 0;
    t.menuBarHeight = 20;
    t.shapedFrame = false;
    t.caption = LeftCaption(t);
    t.captionButtons = RightCaptionButtons(t);
    t.hoverAnimations = true;
    return t;
}

// For tests only: geometry no shipped skin has, so no code quietly depends on
// one skin's numbers. Borders of a different width on every side, a tall
// title bar, keyed corners on all four borders, a centred caption on a text
// background, caption buttons anchored every way the engine knows, and
// active and inactive frames in colours far apart (orange and blue).
TTheme Test() {
    TTheme t{};
    t.name = "kanvio_test";
    t.displayName = "Kanvio Test";
    t.active = {Rgb(255, 210, 0),   Rgb(200, 60, 20),   Rgb(235, 110, 40), Rgb(180, 50, 10),
                Rgb(255, 230, 120), Rgb(255, 255, 255), Rgb(120, 30, 0),   Rgb(255, 255, 255)};
    t.inactive = {Rgb(20, 30, 90),    Rgb(40, 70, 160),   Rgb(80, 110, 200), Rgb(40, 70, 160),
                  Rgb(140, 170, 230), Rgb(200, 210, 240), Rgb(20, 40, 100),  Rgb(200, 210, 240)};
    t.face = Rgb(236, 230, 218);
    t.faceHot = Rgb(252, 236, 200);
    t.facePressed = Rgb(214, 204, 186);
    t.faceDisabled = Rgb(226, 224, 220);
    t.line = Rgb(150, 110, 70);
    t.lineHot = Rgb(230, 110, 20);
    t.lineDisabled = Rgb(190, 186, 180);
    t.mark = Rgb(180, 60, 10);
    t.markDisabled = Rgb(170, 166, 160);
    t.well = Rgb(255, 252, 246);
    t.text = Rgb(40, 24, 10);
    t.textHot = t.lineHot;
    t.textPressed = Rgb(200, 60, 20);
    t.textDisabled = Rgb(150, 146, 140);
    t.highlight = Rgb(200, 60, 20);
    t.highlight2 = Rgb(150, 40, 10);
    t.highlightText = Rgb(255, 255, 255);
    t.menu = Rgb(250, 246, 238);
    t.menuBar = Rgb(240, 232, 218);
    t.titleText = Rgb(255, 255, 255);
    t.titleTextInactive = Rgb(200, 210, 240);
    t.windowText = Rgb(0, 0, 0);
    t.shadow = Rgb(170, 160, 146);
    t.darkShadow = Rgb(100, 90, 76);
    t.light = Rgb(250, 248, 244);
    t.titleHeight = 40;
    t.leftWidth = 3;
    t.rightWidth = 9;
    t.bottomHeight = 6;
    t.topRadius = 16;
    t.bottomRadius = 14;
    t.buttonWidth = 30;
    t.buttonHeight = 24;
    t.buttonRadius = 5;
    t.menuBarHeight = 24;
    t.shapedFrame = true;
    t.caption.shiftVert = 6;
    t.caption.rightClip = 12;
    t.caption.alignment = 1;
    t.caption.background = 1;
    t.caption.backLeft = 14;
    t.caption.backRight = 14;
    t.caption.backImage = true;
    const int close = t.rightWidth + 6 + t.buttonWidth;
    const int maximise = close + t.buttonWidth + 4;
    t.captionButtons = {
        {"", t.name + "__but-close_i.bmp", 0, 1, close, 4, 0, 0, 4},
        {"", t.name + "__but-max_i.bmp", 1, 1, maximise, 4, 6, 2, 4},
        {"", t.name + "__but-rest_i.bmp", 1, 1, maximise, 4, 6, 1, 4},
        {"left of the caption text", t.name + "__but-min_i.bmp", 2, 2, 6, 8, 8, 0, 4},
        {"the window icon: opens the system menu", "", 3, 0, t.leftWidth + 5, 12, {}, {}, {}},
        {"an action of the application's own (posted); three cells, no frame key",
         "but-pin.bmp",
         40,
         0,
         30,
         10,
         200,
         0,
         {}},
        {"decoration right of the caption text: six cells, as a negative action implies",
         "caption-dash.bmp",
         -1,
         9,
         4,
         18,
         0,
         0,
         {}},
    };
    t.hoverAnimations = false;
    t.pinAndDash = true;
    return t;
}

} // namespace

const std::vector<TTheme>& AllThemes() {
    static const std::vector<TTheme> themes = {Neon(), Daylight(), Test()};
    return themes;
}

} // namespace skingen
