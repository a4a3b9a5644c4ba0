// A track bar's skinned thumb painted into a bitmap over a patterned
// backdrop: the thumb drawn from its kept piece matches, pixel for pixel, one
// stretched and colour-keyed from the skin's strip on the spot, after every
// change of size, place, orientation, cell count and skin, and painting it
// keeps no GDI object.
#include "skin/ImgUtil/ImgUtil.h"
#include "tests/guitest/LeakCheck.h"
#include "skin/WinSubClass/RangeCodes.h"
#include "skin/WinSkinData/SkinElements.h"
#include "skin/WinSubClass/SkinTrackBar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using skin::Colour;
using skin::MakeColour;
using skin::TDataSkinObject;
using skin::TDib;

constexpr int Backdrop = 64;
constexpr int StripWidth = 60;
constexpr int StripHeight = 24;

// A thumb strip whose every pixel tells where it came from, with key pixels
// scattered through it so the backdrop must show through at those places.
TDataSkinObject ThumbStrip(const std::string& name, int cells, int shade) {
    TDataSkinObject element(name);
    element.Bitmap = TDib(StripWidth, StripHeight);
    for (int y = 0; y < StripHeight; ++y) {
        for (int x = 0; x < StripWidth; ++x) {
            const bool key = (x + y) % 7 == 0;
            element.Bitmap.SetPixel(
                x, y,
                key ? skin::KeyColour : MakeColour(uint8_t(x * 4), uint8_t(y * 8), uint8_t(shade)));
        }
    }
    element.Frame = cells;
    element.Trans = 1;
    return element;
}

// What the control drew before the thumb: no two neighbours alike.
TDib PatternedBackdrop() {
    TDib backdrop(Backdrop, Backdrop);
    for (int y = 0; y < Backdrop; ++y) {
        for (int x = 0; x < Backdrop; ++x) {
            backdrop.SetPixel(x, y, MakeColour(uint8_t(x * 3 + y), uint8_t(200 - y * 2), 9));
        }
    }
    return backdrop;
}

// One thumb to paint: its rectangle on the backdrop, the element it shows
// and, when not 0, the number of cells the element is given first.
struct TThumbPaint {
    RECT rect;
    TDataSkinObject* element;
    const char* what;
    int cells = 0;
};

std::string FirstDifference(const TDib& got, const TDib& wanted) {
    for (int y = 0; y < wanted.Height(); ++y) {
        for (int x = 0; x < wanted.Width(); ++x) {
            if (got.Pixel(x, y) != wanted.Pixel(x, y)) {
                return "first difference at " + std::to_string(x) + "," + std::to_string(y);
            }
        }
    }
    return "same";
}

class ThumbPaint : public ::testing::Test {
protected:
    // The backdrop with the thumb stretched and keyed onto it from the
    // skin's strip, as a thumb without kept pieces is drawn.
    TDib StretchedOnTheSpot(const TThumbPaint& paint) const {
        TDib image = backdrop_;
        {
            const tk::BitmapDC dc(skin::NativeBitmap(image));
            skin::DrawFrameCell(dc, paint.rect, paint.element->Bitmap, true, paint.element->Frame,
                                skin::TrackThumbCell);
        }
        GdiFlush();
        return image;
    }
    TDib Painted(const TThumbPaint& paint, skin::TThumbPieces* pieces) const {
        TDib image = backdrop_;
        {
            const tk::BitmapDC dc(skin::NativeBitmap(image));
            skin::PaintTrackThumb(dc, paint.rect, *paint.element, pieces);
        }
        GdiFlush();
        return image;
    }

    TDib backdrop_ = PatternedBackdrop();
    TDataSkinObject horz_ = ThumbStrip("Trackbar.ThumbHorz", 5, 77);
    TDataSkinObject vert_ = ThumbStrip("Trackbar.ThumbVert", 5, 140);
    TDataSkinObject otherSkin_ = ThumbStrip("Trackbar.ThumbHorz", 5, 230);
};

TEST_F(ThumbPaint, KeptPiecesFollowEveryChangeOfTheThumb) {
    const std::vector<TThumbPaint> paints = {
        {{4, 6, 15, 26}, &horz_, "first paint"},
        {{4, 6, 15, 26}, &horz_, "painted again"},
        {{30, 6, 41, 26}, &horz_, "moved"},
        {{30, 6, 44, 30}, &horz_, "larger"},
        {{10, 20, 30, 31}, &vert_, "vertical"},
        {{10, 20, 30, 31}, &vert_, "the same image in three cells", 3},
        {{10, 20, 30, 31}, &vert_, "back to five cells", 5},
        {{10, 20, 30, 31}, &otherSkin_, "another skin"},
        {{0, 0, 1, 1}, &otherSkin_, "one pixel"},
        {{50, 50, 70, 70}, &horz_, "past the edge"},
    };
    skin::TThumbPieces pieces;
    for (const TThumbPaint& paint : paints) {
        if (paint.cells) {
            paint.element->Frame = paint.cells;
        }
        const TDib wanted = StretchedOnTheSpot(paint);
        ASSERT_FALSE(wanted == backdrop_) << paint.what << ": the thumb shows";
        const TDib fresh = Painted(paint, nullptr);
        EXPECT_TRUE(fresh == wanted)
            << paint.what << " without kept pieces, " << FirstDifference(fresh, wanted);
        const TDib kept = Painted(paint, &pieces);
        EXPECT_TRUE(kept == wanted)
            << paint.what << " with kept pieces, " << FirstDifference(kept, wanted);
    }
}

// A skin loaded anew may put its thumb image where the old one was: the
// skinner forgets its pieces then, and cleared pieces take the new image.
TEST_F(ThumbPaint, ClearedPiecesTakeAnImageReplacedInPlace) {
    const TThumbPaint paint{{4, 6, 15, 26}, &horz_, "reloaded"};
    skin::TThumbPieces pieces;
    Painted(paint, &pieces);
    horz_.Bitmap = otherSkin_.Bitmap;
    pieces.Clear();
    const TDib kept = Painted(paint, &pieces);
    const TDib wanted = StretchedOnTheSpot(paint);
    EXPECT_TRUE(kept == wanted) << FirstDifference(kept, wanted);
}

TEST_F(ThumbPaint, EmptyThumbsAndImagesLeaveTheBackdrop) {
    skin::TThumbPieces pieces;
    EXPECT_TRUE(Painted({{10, 10, 10, 30}, &horz_, "no width"}, &pieces) == backdrop_);
    EXPECT_TRUE(Painted({{20, 10, 5, 30}, &horz_, "inverted"}, &pieces) == backdrop_);
    TDataSkinObject blank("Trackbar.ThumbHorz");
    EXPECT_TRUE(Painted({{4, 6, 15, 26}, &blank, "no image"}, &pieces) == backdrop_);
}

// A metafile being recorded cannot be read back: the thumb is keyed onto it
// all the same, and the played-back picture shows the control's drawing
// around and under the thumb's keyed pixels.
TEST_F(ThumbPaint, AThumbRecordedIntoAMetafileKeepsTheBackdropAroundIt) {
    const TThumbPaint paint{{4, 6, 15, 26}, &horz_, "recorded"};
    // The frame in hundredths of a millimetre, as the screen measures them,
    // so the picture plays back pixel for pixel.
    HDC screen = GetDC(nullptr);
    const RECT frame{
        0, 0, Backdrop * GetDeviceCaps(screen, HORZSIZE) * 100 / GetDeviceCaps(screen, HORZRES),
        Backdrop * GetDeviceCaps(screen, VERTSIZE) * 100 / GetDeviceCaps(screen, VERTRES)};
    HDC recording = CreateEnhMetaFileW(screen, nullptr, &frame, nullptr);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(recording, nullptr);
    {
        const tk::BitmapDC backdrop(skin::NativeBitmap(backdrop_));
        BitBlt(recording, 0, 0, Backdrop, Backdrop, backdrop, 0, 0, SRCCOPY);
    }
    skin::TThumbPieces pieces;
    skin::PaintTrackThumb(recording, paint.rect, *paint.element, &pieces);
    HENHMETAFILE picture = CloseEnhMetaFile(recording);
    ASSERT_NE(picture, nullptr);
    TDib played(Backdrop, Backdrop);
    played.Fill(MakeColour(0, 0, 0));
    {
        const tk::BitmapDC dc(skin::NativeBitmap(played));
        const RECT whole{0, 0, Backdrop, Backdrop};
        PlayEnhMetaFile(dc, picture, &whole);
    }
    GdiFlush();
    DeleteEnhMetaFile(picture);
    const TDib wanted = StretchedOnTheSpot(paint);
    EXPECT_TRUE(played == wanted) << FirstDifference(played, wanted);
}

TEST_F(ThumbPaint, PaintingKeepsNoObject) {
    skin::TThumbPieces pieces;
    TDib image = backdrop_;
    const tk::BitmapDC dc(skin::NativeBitmap(image));
    int step = 0;
    guitest::ExpectFlat(500, [&] {
        // Same size twice, then another size and element: kept, then rendered anew.
        ++step;
        const int grow = (step / 2) % 3;
        const TDataSkinObject& element = step % 4 < 2 ? horz_ : vert_;
        skin::PaintTrackThumb(dc, {4, 6, 15 + grow, 26 + grow}, element, &pieces);
    });
}

} // namespace
