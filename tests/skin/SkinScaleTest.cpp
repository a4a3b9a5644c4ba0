// A skin loaded at a display scale: every cell of a strip lands where the
// skinners' cell arithmetic looks for it, measures grow with the art, and
// double-size art is taken from 175 % on, when it is usable.
#include "skin/WinSkinData/SkinScale.h"
#include "tests/skin/SkinPackageFixture.h"

#include <set>

using namespace skin;
using namespace skintest;
using base::ScaleMeasure;

namespace {

constexpr int Cells = 5;
constexpr int CellWidth = 15;
constexpr int CellHeight = 20;

// A strip of solid cells, cell k in CellColour(k).
Colour CellColour(int k) {
    return MakeColour(uint8_t(40 * k + 20), uint8_t(200 - 30 * k), 90);
}
std::vector<uint8_t> CellStrip(int cells, int width, int height, bool stacked, int factor = 1) {
    TDib dib(factor * (stacked ? width : cells * width),
             factor * (stacked ? cells * height : height));
    for (int y = 0; y < dib.Height(); ++y) {
        for (int x = 0; x < dib.Width(); ++x) {
            const int k = stacked ? y / (factor * height) : x / (factor * width);
            dib.SetPixel(x, y, CellColour(k));
        }
    }
    return EncodeBmp(dib);
}

std::set<Colour> ColoursIn(const TDib& dib, int x0, int y0, int x1, int y1) {
    std::set<Colour> colours;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            colours.insert(dib.Pixel(x, y));
        }
    }
    return colours;
}

const char* const StripIni = "[Buttons]\nBitmap=buttons.bmp\nLeftWidth=3\nRightWidth=4\n"
                             "TopHeight=5\nBottomHeight=6\n"
                             "[Personality]\nTextBack=title.bmp\nTextShift=7\nTop=top.bmp\n"
                             "TopFrame=2\nTopTopHeight=9\n"
                             "[Fonts]\nFontHeight=14\n"
                             "[Button1]\nButtonImage=close.bmp\nAction=0\nAlign=1\n"
                             "Xcoord=25\nYcoord=-3\nframe=3\n";

TTestPackage StripPackage() {
    TTestPackage package{StripIni, {}};
    package.bitmaps.push_back({"buttons.bmp", CellStrip(Cells, CellWidth, CellHeight, false)});
    package.bitmaps.push_back({"title.bmp", CellStrip(2, 30, 11, true)});
    package.bitmaps.push_back({"top.bmp", CellStrip(2, 40, 7, true)});
    package.bitmaps.push_back({"close.bmp", CellStrip(3, 17, 17, false)});
    return package;
}

// At every scale each cell of every strip is one solid colour at the place
// the bitmap's size over its cell count gives: no cell bleeds into the next.
TEST(SkinScale, EveryCellOfAStripLandsWholeWhereTheSkinnersLookForIt) {
    for (const int dpi : {96, 120, 144, 168, 192, 288}) {
        TSkinModel model;
        ASSERT_TRUE(model.LoadSkin(StripPackage().Build(), {}, dpi)) << dpi;
        EXPECT_EQ(model.dpi, dpi);
        struct TStrip {
            const TDib& bitmap;
            int cells;
            bool stacked;
            int cellWidth, cellHeight;
        };
        const TDataSkinSysButton& close = *model.SysButtons.front();
        for (const TStrip& strip :
             {TStrip{model.Buttons.Bitmap, Cells, false, CellWidth, CellHeight},
              TStrip{model.Title.Bitmap, 2, true, 30, 11},
              TStrip{model.BorderTop.Bitmap, 2, true, 40, 7},
              TStrip{close.Bitmap, 3, false, 17, 17}}) {
            const int w = ScaleMeasure(strip.cellWidth, dpi);
            const int h = ScaleMeasure(strip.cellHeight, dpi);
            ASSERT_EQ(strip.bitmap.Width(), strip.stacked ? w : strip.cells * w) << dpi;
            ASSERT_EQ(strip.bitmap.Height(), strip.stacked ? strip.cells * h : h) << dpi;
            for (int k = 0; k < strip.cells; ++k) {
                const int x = strip.stacked ? 0 : k * w;
                const int y = strip.stacked ? k * h : 0;
                EXPECT_EQ(ColoursIn(strip.bitmap, x, y, x + w, y + h),
                          std::set<Colour>{CellColour(k)})
                    << "cell " << k << " at " << dpi;
            }
        }
        // The measures grow with the art, halves away from zero.
        EXPECT_EQ(model.Buttons.LeftWidth, ScaleMeasure(3, dpi));
        EXPECT_EQ(model.Buttons.BottomHeight, ScaleMeasure(6, dpi));
        EXPECT_EQ(model.BorderTop.LeftWidth, ScaleMeasure(9, dpi));
        EXPECT_EQ(model.Title.LeftWidth, ScaleMeasure(7, dpi));
        EXPECT_EQ(model.Title.FontHeight, ScaleMeasure(14, dpi));
        EXPECT_EQ(close.Xcoord, ScaleMeasure(25, dpi));
        EXPECT_EQ(close.Ycoord, ScaleMeasure(-3, dpi));
        EXPECT_EQ(model.Measure(11), ScaleMeasure(11, dpi));
    }
}

// A package with double-size art: a marker colour only the 2x art has shows
// at 175 % and above; below that the 1x art is scaled.
TEST(SkinScale, DoubleSizeArtIsTakenFromSeventyFivePercentOn) {
    constexpr Colour Marker = MakeColour(1, 254, 3);
    TDib twice(2 * Cells * CellWidth, 2 * CellHeight);
    twice.Fill(Marker);
    TTestPackage package = StripPackage();
    package.bitmaps.push_back({"buttons@2x.bmp", EncodeBmp(twice)});
    for (const int dpi : {96, 120, 144, 168, 192, 240}) {
        TSkinModel model;
        ASSERT_TRUE(model.LoadSkin(package.Build(), {}, dpi)) << dpi;
        EXPECT_TRUE(model.problems.empty()) << dpi << ": " << model.problems.front().reason;
        const TDib& art = model.Buttons.Bitmap;
        EXPECT_EQ(art.Width(), Cells * ScaleMeasure(CellWidth, dpi)) << dpi;
        const bool marked =
            ColoursIn(art, 0, 0, art.Width(), art.Height()) == std::set<Colour>{Marker};
        EXPECT_EQ(marked, dpi >= DoubleArtDpi) << dpi;
    }
    // At 200 % the double-size art is used as it stands.
    TSkinModel model;
    ASSERT_TRUE(model.LoadSkin(package.Build(), {}, DoubleArtDrawnDpi));
    TDib expected = twice;
    expected.ConvertTo(TrueColourBits);
    EXPECT_TRUE(model.Buttons.Bitmap == expected);
}

// Double-size art of the wrong size, or unreadable, is noted and the 1x art
// scaled instead; the MDI buttons cut from a strip ignore the strip's.
TEST(SkinScale, UnusableDoubleSizeArtIsNotedAndTheArtScaledInstead) {
    TTestPackage package = StripPackage();
    package.Bmp("buttons@2x.bmp", 2 * Cells * CellWidth + 1, 2 * CellHeight);
    package.bitmaps.push_back({"title@2x.bmp", {'B', 'M', 0, 0}});
    TSkinModel model;
    ASSERT_TRUE(model.LoadSkin(package.Build(), {}, DoubleArtDrawnDpi));
    ASSERT_EQ(model.problems.size(), 2u);
    EXPECT_NE(model.problems[0].reason.find("\"buttons@2x.bmp\" is not twice the size"),
              std::string::npos)
        << model.problems[0].reason;
    EXPECT_NE(model.problems[1].reason.find("\"title@2x.bmp\" is no readable bitmap"),
              std::string::npos)
        << model.problems[1].reason;
    EXPECT_EQ(ColoursIn(model.Buttons.Bitmap, 0, 0, 2 * CellWidth, 2 * CellHeight),
              std::set<Colour>{CellColour(0)});
    // At 96 DPI the same package loads without a word about the extra entries.
    TSkinModel plain;
    ASSERT_TRUE(plain.LoadSkin(package.Build()));
    EXPECT_TRUE(plain.problems.empty());
}

} // namespace
