// Sparse skins and failing allocations: an element without a picture draws
// nothing in every routine, opaque or colour-keyed, and a work bitmap that
// cannot be made draws nothing instead of throwing out of a paint.
#include "tests/skin/DrawTarget.h"

using namespace skin;
using namespace skintest;

namespace {

const Colour Back = MakeColour(40, 80, 120);
const RECT Target = {2, 2, 38, 28};
const RECT Margins = {2, 2, 2, 2};

// Every cell-based routine, with cell 1 of `count`.
void DrawEveryWay(HDC dc, const RECT& target, const TDib& bitmap, int count, bool transparent) {
    DrawElement(dc, target, bitmap, false, false, transparent, count, 1, Margins);
    DrawElement(dc, target, bitmap, true, true, transparent, count, 1, Margins);
    DrawElementRing(dc, target, bitmap, false, count, 1, Margins);
    DrawStrip(dc, target, bitmap, false, transparent, count, 1, Margins);
    DrawFrameCell(dc, target, bitmap, transparent, count, 1);
}

TEST(SparseSkin, AnEmptyBitmapDrawsNothing) {
    const TDib empty;
    for (const bool transparent : {false, true}) {
        TDrawTarget canvas(40, 30, Back);
        DrawEveryWay(canvas, Target, empty, 1, transparent);
        TransparentBlit(canvas, Target, empty, KeyColour);
        TransparentBlitXor(canvas, Target, empty, KeyColour);
        TileBitmap(canvas, Target, empty, {0, 0, 4, 4});
        EXPECT_TRUE(PixelsAre(canvas.Pixels(), [](int, int) { return Back; }))
            << (transparent ? "colour-keyed" : "opaque");
    }
    EXPECT_TRUE(RenderElement({0, 0, 9, 9}, empty, Margins, false, false, 1, 1).Empty());
}

TEST(SparseSkin, ACellWithNoPixelsDrawsNothing) {
    // 2 x 2 pixels cut into three cells: each is 0 pixels wide side by side
    // and 0 pixels high stacked.
    const TDib narrow = RegionStrip(1, 2, 2, 0, 0, 0, 0);
    for (const bool transparent : {false, true}) {
        TDrawTarget canvas(40, 30, Back);
        DrawEveryWay(canvas, Target, narrow, 3, transparent);
        EXPECT_TRUE(PixelsAre(canvas.Pixels(), [](int, int) { return Back; }))
            << (transparent ? "colour-keyed" : "opaque");
    }
    EXPECT_TRUE(RenderElement({0, 0, 9, 9}, narrow, Margins, false, false, 3, 1).Empty());
}

TEST(SparseSkin, AWorkBitmapTooLargeToMakeDrawsNothingAndDoesNotThrow) {
    const TDib cell = RegionStrip(1, 12, 10, 3, 2, 4, 5);
    const RECT huge = {0, 0, 20000, 20000}; // far beyond TDib::MaxPixels
    for (const bool transparent : {false, true}) {
        TDrawTarget canvas(40, 30, Back);
        EXPECT_NO_THROW(DrawElement(canvas, huge, cell, false, false, transparent, 1, 1, Margins));
        EXPECT_NO_THROW(DrawStrip(canvas, huge, cell, false, transparent, 1, 1, Margins));
        EXPECT_NO_THROW(DrawFrameCell(canvas, huge, cell, transparent, 1, 1));
        EXPECT_TRUE(PixelsAre(canvas.Pixels(), [](int, int) { return Back; }));
    }
    EXPECT_TRUE(RenderElement(huge, cell, Margins, false, false, 1, 1).Empty());
}

} // namespace
