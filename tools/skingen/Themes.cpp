#include "Theme.h"

namespace skingen {
namespace {

constexpr Colour Rgb(int r, int g, int b) {
    return skin::MakeColour(uint8_t(r), uint8_t(g), uint8_t(b));
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
    t.textDisabled = Rgb(110, 114, 130);
    t.highlight = Rgb(255, 46, 136);
    t.highlight2 = Rgb(150, 60, 255);
    t.highlightText = Rgb(255, 255, 255);
    t.menu = Rgb(24, 26, 40);
    t.menuBar = Rgb(20, 21, 34);
    t.titleText = Rgb(230, 250, 255);
    t.titleTextInactive = Rgb(120, 126, 150);
    t.windowText = Rgb(24, 26, 38);
    t.shadow = Rgb(12, 13, 20);
    t.darkShadow = Rgb(0, 0, 0);
    t.light = Rgb(60, 64, 92);
    t.titleHeight = 30;
    t.sideWidth = 6;
    t.bottomHeight = 6;
    t.topRadius = 9;
    t.bottomRadius = 4;
    t.buttonWidth = 26;
    t.buttonHeight = 20;
    t.buttonRadius = 4;
    t.menuBarHeight = 22;
    t.shapedFrame = true;
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
    t.textDisabled = Rgb(150, 150, 150);
    t.highlight = Rgb(64, 120, 220);
    t.highlight2 = Rgb(36, 86, 180);
    t.highlightText = Rgb(255, 255, 255);
    t.menu = Rgb(250, 250, 252);
    t.menuBar = Rgb(232, 236, 244);
    t.titleText = Rgb(255, 255, 255);
    t.titleTextInactive = Rgb(90, 96, 110);
    t.windowText = Rgb(0, 0, 0);
    t.shadow = Rgb(160, 166, 180);
    t.darkShadow = Rgb(90, 96, 110);
    t.light = Rgb(250, 250, 252);
    t.titleHeight = 24;
    t.sideWidth = 4;
    t.bottomHeight = 4;
    t.topRadius = 0;
    t.bottomRadius = 0;
    t.buttonWidth = 22;
    t.buttonHeight = 18;
    t.buttonRadius = 0;
    t.menuBarHeight = 20;
    t.shapedFrame = false;
    return t;
}

} // namespace

const std::vector<TTheme>& AllThemes() {
    static const std::vector<TTheme> themes = {Neon(), Daylight()};
    return themes;
}

} // namespace skingen
