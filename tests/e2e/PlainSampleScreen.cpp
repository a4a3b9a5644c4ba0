#include "tests/e2e/PlainSampleScreen.h"

#include "tests/e2e/FramedWindow.h"

namespace e2e::plain {
namespace {

// Kanvio Neon's title bar face, its borders and its check mark.
constexpr Rgb NeonTitleBar = MakeRgb(31, 33, 54);
constexpr Rgb NeonBorder = MakeRgb(22, 24, 38);
constexpr Rgb NeonMark = MakeRgb(0, 229, 255);
// The prefix's colour of an active window's title bar.
constexpr Rgb SystemTitleBar = MakeRgb(50, 150, 250);

// The title bar's face is the colour most of a stretch of its row has,
// past the caption and before the caption buttons.
constexpr int TitleFaceRow = 12;

// The Check box's box and caption from the dialog's top-left corner.
constexpr int MarkLeft = 29;
constexpr int MarkTop = 92;
constexpr int MarkSide = 16;
constexpr int CaptionX = 67;

Box TitleFace(Box window) {
    return {window.left + window.width / 2, window.top + Scaled(TitleFaceRow), window.width / 3, 1};
}

bool NearAt(const Picture& screen, Point at, Rgb colour) {
    return at.x >= 0 && at.y >= 0 && at.x < screen.width && at.y < screen.height &&
           Near(screen.At(at), colour);
}

} // namespace

bool FramedInNeon(const Picture& screen, Box window) {
    const int middle = window.top + window.height / 2;
    return Near(MostCommon(screen, TitleFace(window)), NeonTitleBar) &&
           NearAt(screen, {window.left + 1, middle}, NeonBorder) &&
           NearAt(screen, {window.Right() - 2, middle}, NeonBorder) &&
           NearAt(screen, {window.left + window.width / 2, window.Bottom() - 2}, NeonBorder);
}

bool FramedBySystem(const Picture& screen, Box window) {
    return Near(MostCommon(screen, TitleFace(window)), SystemTitleBar);
}

bool ShowsText(const Picture& screen, Box box) {
    // Below the title bar, the text's pixels stand out from the face.
    constexpr int TitleBarHeight = 24;
    constexpr int TextPixels = 200;
    const Box body{box.left, box.top + Scaled(TitleBarHeight), box.width,
                   box.height - Scaled(TitleBarHeight)};
    return CountUnlike(screen, body, MostCommon(screen, body)) > TextPixels;
}

Box ControlsDialog::CheckMark() const {
    return {window_.left + Scaled(MarkLeft), window_.top + Scaled(MarkTop), Scaled(MarkSide),
            Scaled(MarkSide)};
}

Point ControlsDialog::CheckCaption() const {
    const Box mark = CheckMark();
    return {window_.left + Scaled(CaptionX), mark.top + mark.height / 2};
}

bool MarkShown(const Picture& screen, Box mark) {
    // The mark's strokes, a few pixels wide, in the skin's bright cyan.
    constexpr int StrokePixels = 10;
    return CountLike(screen, mark, NeonMark) >= StrokePixels;
}

} // namespace e2e::plain
