// Pictures at the screen's scale: a designed form grows its images with it,
// resampled so each picture stays crisp. ctest runs these at
// 96, 120, 144 and 192 dots per inch; at 96 they are the design itself.
#include "tests/toolkit/FormFixture.h"

#include "toolkit/Dpi.h"
#include "toolkit/Image.h"
#include "toolkit/Picture.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr uint32_t Red = 0xFF0000;
constexpr uint32_t Blue = 0x0000FF;

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

} // namespace
