// Pictures at the screen's scale: a designed form grows its images, its
// image lists (and the tree views, lists and tabs showing them) and the
// measures of its lists and status bar with it, resampled so each picture
// stays crisp and a list's transparent colour stays exact. ctest runs these at
// 96, 120, 144 and 192 dots per inch; at 96 they are the design itself.
#include "tests/toolkit/FormFixture.h"

#include "toolkit/BitBtn.h"
#include "toolkit/Dpi.h"
#include "toolkit/Image.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListView.h"
#include "toolkit/Picture.h"
#include "toolkit/StatusBar.h"
#include "toolkit/TreeView.h"

#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr uint32_t Red = 0xFF0000;
constexpr uint32_t Blue = 0x0000FF;
constexpr uint32_t Green = 0x00FF00;
constexpr uint32_t Magenta = 0xFF00FF;

// A 24-bit BMP file of w x h pixels (colours 0xRRGGBB from `colour`) as the
// hex text a design stores binary properties in.
template <class F> std::string BmpHex(int w, int h, F colour) {
    const int stride = (w * 3 + 3) & ~3;
    std::string hex = "424D";
    const auto u32 = [&hex](uint32_t v) {
        char text[9];
        std::snprintf(text, sizeof text, "%02X%02X%02X%02X", v & 0xFF, (v >> 8) & 0xFF,
                      (v >> 16) & 0xFF, v >> 24);
        hex += text;
    };
    const auto u8 = [&hex](uint32_t v) {
        char text[3];
        std::snprintf(text, sizeof text, "%02X", v & 0xFF);
        hex += text;
    };
    u32(uint32_t(54 + stride * h));
    u32(0);
    u32(54);
    u32(40);
    u32(uint32_t(w));
    u32(uint32_t(h));
    u32(1 | 24 << 16); // planes, bits per pixel
    for (int i = 0; i < 6; ++i) {
        u32(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t c = colour(x, y);
            u8(c);
            u8(c >> 8);
            u8(c >> 16);
        }
        for (int pad = w * 3; pad < stride; ++pad) {
            u8(0);
        }
    }
    return hex;
}

struct ScalePictures : FormFixture {
    int dpi = tk::WindowDpi(nullptr);

    void SetUp() override {
        FormFixture::SetUp();
        app.SetScalesForms(true);
    }
    int At(int designValue) const { return tk::ScaleMeasure(designValue, dpi); }
};

TEST_F(ScalePictures, AnImageDrawsItsPictureAtTheFormsScaleSharpAtItsEdges) {
    // 10x10: red on the left half, blue on the right, on a grey form.
    Read(R"(object F: TForm
  BorderStyle = bsSingle
  ClientWidth = 120
  ClientHeight = 80
  Color = clGray
  object Photo: TImage
    Left = 8
    Top = 8
    Width = 40
    Height = 40
    Picture.Data = {)" +
         BmpHex(10, 10, [](int x, int) { return x < 5 ? Red : Blue; }) + R"(}
  end
end)");
    ShowForm();
    auto& photo = Find<tk::Image>("Photo");
    const int left = photo.Left();
    const int top = photo.Top();
    const int side = At(10);
    const guitest::Capture client = guitest::CaptureClient(form->Handle());
    // The picture covers side x side: its first and last rows and columns
    // keep their colours exactly, and the form shows right after them.
    EXPECT_TRUE(guitest::PixelIs(client, left, top, RGB(255, 0, 0)));
    EXPECT_TRUE(guitest::PixelIs(client, left, top + side - 1, RGB(255, 0, 0)));
    EXPECT_TRUE(guitest::PixelIs(client, left + side - 1, top, RGB(0, 0, 255)));
    EXPECT_TRUE(guitest::PixelIs(client, left + side - 1, top + side - 1, RGB(0, 0, 255)));
    EXPECT_TRUE(guitest::PixelIs(client, left + side, top, RGB(128, 128, 128)));
    EXPECT_TRUE(guitest::PixelIs(client, left, top + side, RGB(128, 128, 128)));
    // Each half is a solid block a scaled half wide; only the seam may blend.
    const int half = At(5);
    EXPECT_TRUE(guitest::RectIs(client, {left, top, left + half - 1, top + side}, RGB(255, 0, 0)));
    EXPECT_TRUE(
        guitest::RectIs(client, {left + half + 1, top, left + side, top + side}, RGB(0, 0, 255)));
    // Painted again (the scaled picture is kept), the same pixels show.
    photo.Invalidate();
    guitest::PumpUntilIdle();
    const guitest::Capture again = guitest::CaptureClient(form->Handle());
    EXPECT_TRUE(guitest::SameRect(client, {left, top, left + side + 1, top + side + 1}, again,
                                  {left, top}));
    EXPECT_TRUE(errors.empty());
}

TEST_F(ScalePictures, ImageListsAndTheListsTreesAndBarsShowingThemGrowWithTheForm) {
    // Two 16x16 cells: a green 8x8 square on the transparent magenta, and a
    // blue one.
    Read(R"(object F: TForm
  BorderStyle = bsSingle
  ClientWidth = 300
  ClientHeight = 200
  object Glyphs: TImageList
    Bitmap = {)" +
         BmpHex(32, 16,
                [](int x, int y) {
                    const bool inside = x % 16 >= 4 && x % 16 < 12 && y >= 4 && y < 12;
                    return inside ? (x < 16 ? Green : Blue) : Magenta;
                }) +
         R"(}
  end
  object Tree: TTreeView
    Left = 0
    Top = 0
    Width = 150
    Height = 150
    Indent = 19
    Images = Glyphs
  end
  object List: TListView
    Left = 150
    Top = 0
    Width = 150
    Height = 150
    SmallImages = Glyphs
    Columns = <
      item
        Caption = 'Name'
        Width = 60
      end
      item
        Caption = 'Size'
        Width = 45
      end>
  end
  object Bar: TStatusBar
    Panels = <
      item
        Width = 70
      end
      item
        Width = 90
      end
      item
        Width = 50
      end>
  end
end)");
    auto& glyphs = Find<tk::ImageList>("Glyphs");
    auto& tree = Find<tk::TreeView>("Tree");
    tree.Items().Add("Node").SetImageIndex(0);
    ShowForm();

    ASSERT_EQ(glyphs.Count(), 2);
    EXPECT_EQ(glyphs.Width(), At(16));
    EXPECT_EQ(glyphs.Height(), At(16));
    int width = 0, height = 0;
    ImageList_GetIconSize(glyphs.Handle(), &width, &height);
    EXPECT_EQ(width, At(16));
    EXPECT_EQ(height, At(16));
    // Every pixel of the scaled image is the transparent colour or the
    // square's green: the filter never blends the two into a pink fringe.
    tk::Bitmap image;
    ASSERT_TRUE(glyphs.GetBitmap(0, image));
    int green = 0;
    for (const uint32_t pixel : image.Pixels()) {
        const uint32_t colour = pixel & 0xFFFFFF;
        EXPECT_TRUE(colour == Green || colour == Magenta) << std::hex << colour;
        green += colour == Green;
    }
    EXPECT_NEAR(green, At(8) * At(8), 2 * At(8));
    ASSERT_TRUE(glyphs.GetBitmap(1, image));
    EXPECT_EQ(image.Pixels()[size_t(At(8)) * size_t(image.Width()) + size_t(At(8))] & 0xFFFFFF,
              Blue);

    // The tree indents by the scaled measure and makes room for the scaled images.
    EXPECT_EQ(SendMessageW(tree.Handle(), TVM_GETINDENT, 0, 0), At(19));
    EXPECT_GE(SendMessageW(tree.Handle(), TVM_GETITEMHEIGHT, 0, 0), At(16));
    // The list's columns and the bar's panels are as wide as the scale makes them.
    auto& list = Find<tk::ListView>("List");
    EXPECT_EQ(SendMessageW(list.Handle(), LVM_GETCOLUMNWIDTH, 0, 0), At(60));
    EXPECT_EQ(SendMessageW(list.Handle(), LVM_GETCOLUMNWIDTH, 1, 0), At(45));
    int edges[3] = {};
    ASSERT_EQ(SendMessageW(Find<tk::StatusBar>("Bar").Handle(), SB_GETPARTS, 3,
                           reinterpret_cast<LPARAM>(edges)),
              3);
    EXPECT_EQ(edges[0], At(70));
    EXPECT_EQ(edges[1], At(70) + At(90));
    EXPECT_TRUE(errors.empty());
}

} // namespace

// A bitmap button's glyph of two cells (up, disabled) grows cell by cell
// with the form: neither cell bleeds into the other, the transparent colour
// stays exact, and the spacing beside the caption grows too.
TEST_F(ScalePictures, AButtonsGlyphGrowsCellByCellWithTheForm) {
    Read(R"(object F: TForm
  BorderStyle = bsSingle
  ClientWidth = 200
  ClientHeight = 80
  object Go: TBitBtn
    Left = 8
    Top = 8
    Width = 120
    Height = 40
    Caption = 'Go'
    NumGlyphs = 2
    Spacing = 6
    Glyph.Data = {)" +
         BmpHex(20, 10,
                [](int x, int y) {
                    const bool inside = x % 10 >= 2 && x % 10 < 8 && y >= 2 && y < 8;
                    return inside ? (x < 10 ? Red : Blue) : Magenta;
                }) +
         R"(}
  end
end)");
    ShowForm();
    auto& button = Find<tk::BitBtn>("Go");
    const tk::Bitmap& glyph = button.Glyph();
    const int cell = At(10);
    ASSERT_EQ(glyph.Width(), 2 * cell);
    ASSERT_EQ(glyph.Height(), cell);
    EXPECT_EQ(button.Spacing(), At(6));
    const auto pixels = glyph.Pixels();
    for (int y = 0; y < glyph.Height(); ++y) {
        for (int x = 0; x < glyph.Width(); ++x) {
            const uint32_t c = pixels[size_t(y) * size_t(glyph.Width()) + size_t(x)] & 0xFFFFFF;
            const uint32_t own = x < cell ? Red : Blue;
            EXPECT_TRUE(c == Magenta || c == own) << x << "," << y << ": " << std::hex << c;
        }
    }
    EXPECT_TRUE(errors.empty());
}
