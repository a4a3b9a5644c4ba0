// One skinned scroll bar painted into a bitmap: which cell of which strip
// lands where, for both orientations, every pressed part, the disabled look,
// short bars and thumbs that do not fit.
#include "tests/controls/RangeSkin.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "skin/WinSubClass/RangeCodes.h"
#include "skin/WinSubClass/ScrollBarPaint.h"
#include "skin/WinSkinData/SkinModel.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

using controlstest::CellOf;
using controlstest::TRangeSkin;
using controlstest::TStrip;

constexpr int Arrow = 17;
constexpr uint32_t Untouched = 0x123456;

uint32_t Rgb(skin::Colour c) {
    return base::ColourPixel(c);
}

class BarPaint : public ::testing::Test {
protected:
    void SetUp() override { Load(TRangeSkin{}); }
    void Load(const TRangeSkin& look) {
        skin_ = std::make_unique<skin::TSkinModel>();
        ASSERT_TRUE(skin_->LoadSkin(look.Build()));
    }
    // Paints the bar into a fresh bitmap of w x h filled with Untouched; the
    // bar covers the whole bitmap.
    // With `pieces`, the parts kept from earlier paints are used.
    void Paint(int w, int h, const skin::TBarLook& look, skin::TBarPieces* pieces = nullptr) {
        target_ = skin::TDib(w, h);
        target_.Fill(0x563412); // Untouched in COLORREF order
        {
            tk::BitmapDC dc(skin::NativeBitmap(target_));
            skin::PaintSkinBar(dc, {0, 0, w, h}, look, *skin_, pieces);
        }
        GdiFlush();
    }
    uint32_t At(int x, int y) const { return Rgb(target_.Pixel(x, y)); }
    int Cell(TStrip strip, int x, int y) const { return CellOf(strip, At(x, y)); }

    static skin::TBarLook Look(int length, bool vertical, const skin::TScrollRange& info) {
        skin::TBarLook look;
        look.vertical = vertical;
        skin::SetBarLength(look.geometry, length, Arrow);
        skin::WindowThumb(look.geometry, info, {Arrow, Arrow, skin::NtMinimumThumb});
        return look;
    }

    std::unique_ptr<skin::TSkinModel> skin_;
    skin::TDib target_;
};

TEST_F(BarPaint, AHorizontalBarShowsArrowsTrackAndThumbFromTheirCells) {
    skin::TBarLook look = Look(200, false, {0, 100, 20, 40}); // thumb 84..117
    Paint(200, Arrow, look);
    for (int y : {0, 8, 16}) {
        EXPECT_EQ(Cell(TStrip::Arrows, 0, y), skin::arrow_cell::Left) << y;
        EXPECT_EQ(Cell(TStrip::Arrows, 16, y), skin::arrow_cell::Left);
        EXPECT_EQ(Cell(TStrip::Arrows, 183, y), skin::arrow_cell::Right);
        EXPECT_EQ(Cell(TStrip::Arrows, 199, y), skin::arrow_cell::Right);
        EXPECT_EQ(Cell(TStrip::HorzTrack, 17, y), 1);
        EXPECT_EQ(Cell(TStrip::HorzTrack, 83, y), 1);
        EXPECT_EQ(Cell(TStrip::HorzThumb, 84, y), 1);
        EXPECT_EQ(Cell(TStrip::HorzThumb, 116, y), 1);
        EXPECT_EQ(Cell(TStrip::HorzTrack, 117, y), 1);
        EXPECT_EQ(Cell(TStrip::HorzTrack, 182, y), 1);
    }
    look.pressedPart = skin::scroll_part::LeftArrow;
    Paint(200, Arrow, look);
    EXPECT_EQ(Cell(TStrip::Arrows, 5, 5), skin::arrow_cell::Left + 1);
    EXPECT_EQ(Cell(TStrip::Arrows, 190, 5), skin::arrow_cell::Right);
    look.pressedPart = skin::scroll_part::RightArrow;
    Paint(200, Arrow, look);
    EXPECT_EQ(Cell(TStrip::Arrows, 5, 5), skin::arrow_cell::Left);
    EXPECT_EQ(Cell(TStrip::Arrows, 190, 5), skin::arrow_cell::Right + 1);
    look.pressedPart = skin::scroll_part::HorzThumb;
    Paint(200, Arrow, look);
    EXPECT_EQ(Cell(TStrip::HorzThumb, 100, 5), 2);
    look.pressedPart = skin::scroll_part::VertThumb; // the other bar's thumb
    Paint(200, Arrow, look);
    EXPECT_EQ(Cell(TStrip::HorzThumb, 100, 5), 1);
}

TEST_F(BarPaint, AVerticalBarUsesTheUpAndDownCellsAndItsOwnStrips) {
    skin::TBarLook look = Look(150, true, {0, 9, 0, 9}); // no page: thumb at the end
    Paint(Arrow, 150, look);
    EXPECT_EQ(Cell(TStrip::Arrows, 8, 0), skin::arrow_cell::Up);
    EXPECT_EQ(Cell(TStrip::Arrows, 8, 149), skin::arrow_cell::Down);
    EXPECT_EQ(Cell(TStrip::VertTrack, 8, 20), 1);
    EXPECT_EQ(Cell(TStrip::VertThumb, 8, 150 - Arrow - 1), 1);
    EXPECT_EQ(Cell(TStrip::VertThumb, 8, 150 - 2 * Arrow), 1);
    EXPECT_EQ(Cell(TStrip::VertTrack, 8, 150 - 2 * Arrow - 1), 1);
    look.pressedPart = skin::scroll_part::UpArrow;
    Paint(Arrow, 150, look);
    EXPECT_EQ(Cell(TStrip::Arrows, 8, 5), skin::arrow_cell::Up + 1);
    look.pressedPart = skin::scroll_part::DownArrow;
    Paint(Arrow, 150, look);
    EXPECT_EQ(Cell(TStrip::Arrows, 8, 145), skin::arrow_cell::Down + 1);
    look.pressedPart = skin::scroll_part::VertThumb;
    Paint(Arrow, 150, look);
    EXPECT_EQ(Cell(TStrip::VertThumb, 8, 120), 2);
}

TEST_F(BarPaint, ADisabledBarShowsTheDisabledCells) {
    skin::TBarLook look = Look(200, false, {0, 100, 20, 0});
    look.disabled = true;
    look.pressedPart = skin::scroll_part::LeftArrow;
    Paint(200, Arrow, look);
    EXPECT_EQ(Cell(TStrip::Arrows, 5, 5), skin::arrow_cell::Left + skin::arrow_cell::DisabledStep);
    EXPECT_EQ(Cell(TStrip::Arrows, 190, 5),
              skin::arrow_cell::Right + skin::arrow_cell::DisabledStep);
    EXPECT_EQ(Cell(TStrip::HorzTrack, 150, 5), skin::track_cell::Disabled);
}

TEST_F(BarPaint, AShortBarShowsTwoHalfArrowsAndNoTrack) {
    Paint(25, Arrow, Look(25, false, {0, 100, 20, 40}));
    EXPECT_EQ(Cell(TStrip::Arrows, 0, 5), skin::arrow_cell::Left);
    EXPECT_EQ(Cell(TStrip::Arrows, 11, 5), skin::arrow_cell::Left);
    EXPECT_EQ(At(12, 5), Rgb(TRangeSkin::Well)) << "the odd pixel between the halves";
    EXPECT_EQ(Cell(TStrip::Arrows, 13, 5), skin::arrow_cell::Right);
    EXPECT_EQ(Cell(TStrip::Arrows, 24, 5), skin::arrow_cell::Right);
}

TEST_F(BarPaint, AThumbLargerThanItsTrackIsNotDrawn) {
    skin::TBarLook look = Look(45, false, {0, 100, 0, 0}); // track 11, thumb 11
    look.geometry.thumbSize = 12;
    Paint(45, Arrow, look);
    for (int x = Arrow; x < 45 - Arrow; ++x) {
        EXPECT_EQ(Cell(TStrip::HorzTrack, x, 5), 1) << x;
    }
}

// A bar painted with its kept parts looks as one painted from scratch, after
// each change of length, thumb, pressed part and state.
TEST_F(BarPaint, KeptPartsFollowEveryChangeOfTheBar) {
    skin::TBarPieces pieces;
    std::vector<skin::TBarLook> looks;
    looks.push_back(Look(200, true, {0, 99, 10, 0}));
    looks.push_back(Look(200, true, {0, 99, 10, 40}));
    looks.push_back(looks.back());
    looks.back().pressedPart = skin::scroll_part::VertThumb;
    looks.push_back(Look(120, true, {0, 99, 30, 40}));
    looks.back().pressedPart = skin::scroll_part::DownArrow;
    looks.push_back(looks.back());
    looks.back().disabled = true;
    looks.push_back(Look(120, true, {0, 99, 30, 40}));
    for (size_t i = 0; i < looks.size(); ++i) {
        const int length = looks[i].geometry.arrow * 2 + looks[i].geometry.track;
        Paint(Arrow, length, looks[i]);
        const skin::TDib fresh = target_;
        Paint(Arrow, length, looks[i], &pieces);
        for (int y = 0; y < length; ++y) {
            for (int x = 0; x < Arrow; ++x) {
                ASSERT_EQ(At(x, y), Rgb(fresh.Pixel(x, y)))
                    << "look " << i << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(BarPaint, ASkinWithoutArrowsLeavesTheBarAlone) {
    TRangeSkin look;
    look.withScrollbar = false;
    Load(look);
    EXPECT_FALSE(skin::SkinPaintsScrollBars(*skin_));
    Paint(200, Arrow, Look(200, false, {0, 100, 20, 40}));
    EXPECT_EQ(At(5, 5), Untouched);
    EXPECT_EQ(At(100, 5), Untouched);
}

TEST_F(BarPaint, BarsBeyondAnyScreenAreNotDrawn) {
    skin::TBarLook look = Look(200, false, {0, 100, 20, 40});
    target_ = skin::TDib(4, 4);
    target_.Fill(0x563412);
    {
        tk::BitmapDC dc(skin::NativeBitmap(target_));
        skin::PaintSkinBar(dc, {0, 0, skin::MaxBarImage + 1, Arrow}, look, *skin_);
        skin::PaintSkinBar(dc, {0, 0, 0, Arrow}, look, *skin_);
        skin::PaintSkinBar(dc, {10, 0, 0, Arrow}, look, *skin_);
    }
    GdiFlush();
    EXPECT_EQ(At(1, 1), Untouched);
}

// At 200 % a bar as thick as the scaled art shows the double-size arrows as
// drawn: the bar is composed at the art's thickness, not at the 1x one and
// stretched.
TEST(ScaledBarPaint, TheArrowsAtTwiceTheScaleAreTheDoubleSizeArtPixelForPixel) {
    constexpr int Dpi = 192;
    std::ifstream in(KANVIO_DEFAULT_SKIN, std::ios::binary);
    const std::vector<uint8_t> package{std::istreambuf_iterator<char>(in), {}};
    skin::TSkinModel skin;
    ASSERT_TRUE(skin.LoadSkin(package, {}, Dpi));
    const skin::TDataSkinObject& arrows = *skin.Scrollbar;
    const int cell = arrows.Bitmap.Width() / arrows.Frame;
    ASSERT_EQ(cell, skin.Measure(skin::BarImageThickness));
    skin::TBarLook look;
    skin::SetBarLength(look.geometry, 10 * cell, cell);
    skin::TDib bar(10 * cell, cell);
    {
        tk::BitmapDC dc(skin::NativeBitmap(bar));
        skin::PaintSkinBar(dc, {0, 0, bar.Width(), bar.Height()}, look, skin);
    }
    GdiFlush();
    const int left = (skin::arrow_cell::Left - 1) * cell;
    int differing = 0;
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < cell; ++x) {
            const skin::Colour art = arrows.Bitmap.Pixel(left + x, y);
            if (art != skin::KeyColour) {
                differing += bar.Pixel(x, y) != art;
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

} // namespace
