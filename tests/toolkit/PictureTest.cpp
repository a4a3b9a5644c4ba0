// Pictures from files of every known format, the error texts for unknown,
// missing and damaged files, and unscaled, clipped drawing.
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/Picture.h"
#include "toolkit/Text.h"

#include "tests/guitest/GuiTest.h"
#include "tests/support/TempFolder.h"

#include "base/Bytes.h"

#include <cstdio>
#include <jpeglib.h>

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;

using base::AppendU16;
using base::AppendU32;

// 24-bit BMP whose pixel colour (0xRRGGBB) comes from `color`.
template <class F> Bytes MakeBmp(int w, int h, F color) {
    int stride = (w * 3 + 3) & ~3;
    Bytes b{'B', 'M'};
    AppendU32(b, uint32_t(54 + stride * h));
    AppendU32(b, 0);
    AppendU32(b, 54);
    AppendU32(b, 40);
    AppendU32(b, uint32_t(w));
    AppendU32(b, uint32_t(h));
    AppendU16(b, 1);
    AppendU16(b, 24);
    for (int i = 0; i < 6; ++i) {
        AppendU32(b, 0);
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            uint32_t c = color(x, y);
            b.push_back(uint8_t(c));
            b.push_back(uint8_t(c >> 8));
            b.push_back(uint8_t(c >> 16));
        }
        b.resize(b.size() + size_t(stride - w * 3));
    }
    return b;
}

Bytes MakeJpeg(int w, int h, uint8_t r, uint8_t g, uint8_t bl) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(w);
    info.image_height = JDIMENSION(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(w) * 3);
    for (int x = 0; x < w; ++x) {
        row[size_t(x) * 3] = r;
        row[size_t(x) * 3 + 1] = g;
        row[size_t(x) * 3 + 2] = bl;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    Bytes bytes(out, out + size);
    jpeg_destroy_compress(&info);
    free(out);
    return bytes;
}

// A 16x16 32-bit icon, all one colour.
Bytes MakeIcon(uint32_t bgra) {
    Bytes b;
    AppendU16(b, 0);
    AppendU16(b, 1);
    AppendU16(b, 1);
    b.insert(b.end(), {16, 16, 0, 0});
    AppendU16(b, 1);
    AppendU16(b, 32);
    uint32_t imageSize = 40 + 16 * 16 * 4 + 16 * 4;
    AppendU32(b, imageSize);
    AppendU32(b, 22);
    AppendU32(b, 40);
    AppendU32(b, 16);
    AppendU32(b, 32);
    AppendU16(b, 1);
    AppendU16(b, 32);
    for (int i = 0; i < 6; ++i) {
        AppendU32(b, 0);
    }
    for (int i = 0; i < 256; ++i) {
        AppendU32(b, bgra);
    }
    b.resize(b.size() + 16 * 4);
    return b;
}

struct Pictures : ::testing::Test {
    testsupport::TempFolder temp{"toolkit-pictures"};
    const std::string dir = tk::Narrow(temp.Path().wstring()) + "\\";
    std::string Write(const std::string& name, const Bytes& bytes) {
        std::string path = dir + name;
        std::ofstream(tk::Widen(path).c_str(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }
    std::string ErrorOf(const std::string& path) {
        tk::Picture picture;
        try {
            picture.LoadFromFile(path);
        } catch (const std::runtime_error& e) {
            return e.what();
        }
        return "no error";
    }
};

uint32_t PixelAt(const tk::Picture& p, int x, int y) {
    return p.Bitmap().Pixels()[size_t(y) * size_t(p.Width()) + size_t(x)] & 0xFFFFFF;
}

} // namespace

TEST_F(Pictures, BmpFilesLoadWhateverTheExtensionsCase) {
    std::string path =
        Write("quad.BMP", MakeBmp(4, 2, [](int x, int) { return x < 2 ? 0xFF0000u : 0x0000FFu; }));
    tk::Picture picture;
    picture.LoadFromFile(path);
    EXPECT_EQ(picture.Format(), tk::PictureFormat::Bitmap);
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(picture.Height(), 2);
    EXPECT_EQ(PixelAt(picture, 0, 1), 0xFF0000u);
    EXPECT_EQ(PixelAt(picture, 3, 0), 0x0000FFu);
}

TEST_F(Pictures, JpegFilesDecodeThroughLibjpeg) {
    for (const char* name : {"red.jpg", "red.JPEG"}) {
        tk::Picture picture;
        picture.LoadFromFile(Write(name, MakeJpeg(24, 16, 250, 10, 10)));
        ASSERT_EQ(picture.Width(), 24) << name;
        EXPECT_EQ(picture.Height(), 16);
        uint32_t c = PixelAt(picture, 12, 8);
        EXPECT_GT((c >> 16) & 0xFF, 230u);
        EXPECT_LT((c >> 8) & 0xFF, 30u);
    }
}

TEST_F(Pictures, IconFilesLoad) {
    tk::Picture picture;
    picture.LoadFromFile(Write("dot.ico", MakeIcon(0xFF00FF00)));
    EXPECT_EQ(picture.Format(), tk::PictureFormat::Icon);
    EXPECT_EQ(picture.Width(), 16);
    EXPECT_NE(picture.Icon(), nullptr);
}

TEST_F(Pictures, MetafilesLoadThroughGdi) {
    std::string emf = dir + "box.emf";
    RECT frame{0, 0, 1000, 500}; // hundredths of a millimetre
    HDC recorder = CreateEnhMetaFileW(nullptr, tk::Widen(emf).c_str(), &frame, nullptr);
    Rectangle(recorder, 0, 0, 30, 20);
    DeleteEnhMetaFile(CloseEnhMetaFile(recorder));
    tk::Picture picture;
    picture.LoadFromFile(emf);
    EXPECT_EQ(picture.Format(), tk::PictureFormat::Metafile);
    EXPECT_GT(picture.Width(), 0);

    std::string wmf = dir + "box.wmf";
    HDC oldRecorder = CreateMetaFileW(tk::Widen(wmf).c_str());
    Rectangle(oldRecorder, 0, 0, 30, 20);
    DeleteMetaFile(CloseMetaFile(oldRecorder));
    tk::Picture old;
    old.LoadFromFile(wmf);
    EXPECT_EQ(old.Format(), tk::PictureFormat::Metafile);
    EXPECT_GT(old.Height(), 0);
}

TEST_F(Pictures, ErrorTextsNameTheFile) {
    std::string gif = Write("anim.gif", {'G', 'I', 'F', '8', '9', 'a'});
    EXPECT_EQ(ErrorOf(gif), "Cannot load picture \"" + gif + "\": unknown picture format \".gif\"");
    std::string none = Write("noext", {1, 2, 3});
    EXPECT_EQ(ErrorOf(none),
              "Cannot load picture \"" + none + "\": the file name has no picture extension");
    std::string missing = dir + "missing.jpg";
    EXPECT_EQ(ErrorOf(missing), "Cannot load picture \"" + missing + "\": the file does not exist");
    std::string text = Write("text.jpg", {'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(ErrorOf(text), "Cannot load picture \"" + text + "\": not a JPEG picture");
    std::string notBmp = Write("jpeg.bmp", MakeJpeg(8, 8, 0, 0, 0));
    EXPECT_EQ(ErrorOf(notBmp), "Cannot load picture \"" + notBmp + "\": not a BMP picture");
}

TEST_F(Pictures, DamagedFilesAreRefusedNotReadPastTheirEnd) {
    Bytes jpeg = MakeJpeg(64, 64, 1, 2, 3);
    std::string cut = Write("cut.jpg", Bytes(jpeg.begin(), jpeg.begin() + long(jpeg.size() / 2)));
    EXPECT_NE(ErrorOf(cut).find("damaged JPEG data"), std::string::npos) << ErrorOf(cut);

    Bytes bmp = MakeBmp(16, 16, [](int, int) { return 0u; });
    std::string shortBmp = Write("short.bmp", Bytes(bmp.begin(), bmp.end() - 100));
    EXPECT_EQ(ErrorOf(shortBmp),
              "Cannot load picture \"" + shortBmp + "\": the BMP file is cut short");
    Bytes huge = bmp;
    huge[18] = 0xFF;
    huge[19] = 0xFF;
    huge[20] = 0xFF;
    huge[21] = 0x00;
    std::string hugeBmp = Write("huge.bmp", huge);
    EXPECT_EQ(ErrorOf(hugeBmp),
              "Cannot load picture \"" + hugeBmp + "\": unsupported picture size");

    Bytes icon = MakeIcon(0);
    icon[18] = 0xF0; // image offset far past the end
    std::string badIcon = Write("bad.ico", icon);
    EXPECT_EQ(ErrorOf(badIcon), "Cannot load picture \"" + badIcon + "\": damaged icon image");
    Bytes lying = MakeIcon(0);
    lying[22 + 8] = 0x40; // header claims 64 rows: planes run past the image
    std::string lyingIcon = Write("lying.ico", lying);
    EXPECT_EQ(ErrorOf(lyingIcon), "Cannot load picture \"" + lyingIcon + "\": damaged icon image");

    std::string emf = Write("bad.emf", Bytes(100, 0));
    EXPECT_EQ(ErrorOf(emf), "Cannot load picture \"" + emf + "\": not an enhanced metafile");
}

TEST_F(Pictures, AFailedLoadKeepsThePreviousPicture) {
    tk::Picture picture;
    picture.LoadFromFile(Write("ok.bmp", MakeBmp(3, 3, [](int, int) { return 0x00FF00u; })));
    EXPECT_THROW(picture.LoadFromFile(dir + "gone.bmp"), std::runtime_error);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(PixelAt(picture, 1, 1), 0x00FF00u);
}

TEST_F(Pictures, AnImageDrawsItsPictureUnscaledFromTheTopLeftAndClipped) {
    tk::Application app;
    auto* form = new tk::Form(&app);
    form->SetBorderStyle(tk::BorderStyle::Single);
    form->SetClientWidth(100);
    form->SetClientHeight(60);
    form->SetColor(0x808080);
    auto* image = new tk::Image(form);
    image->SetParent(form);
    image->SetBounds(5, 5, 8, 8);
    // 12x12: red, green, blue and white quarters of 6x6.
    image->Picture().LoadFromFile(Write("quarters.bmp", MakeBmp(12, 12, [](int x, int y) {
                                            return y < 6 ? (x < 6 ? 0xFF0000u : 0x00FF00u)
                                                         : (x < 6 ? 0x0000FFu : 0xFFFFFFu);
                                        })));
    form->Show();
    guitest::PumpUntilIdle();
    guitest::Capture client = guitest::CaptureClient(form->Handle());
    EXPECT_TRUE(guitest::PixelIs(client, 5, 5, RGB(255, 0, 0)));
    EXPECT_TRUE(guitest::PixelIs(client, 10, 5, RGB(255, 0, 0)));
    EXPECT_TRUE(guitest::PixelIs(client, 11, 5, RGB(0, 255, 0)));
    EXPECT_TRUE(guitest::PixelIs(client, 12, 12, RGB(255, 255, 255)));
    // Outside the control's 8x8 nothing of the picture shows.
    EXPECT_TRUE(guitest::PixelIs(client, 13, 5, RGB(128, 128, 128)));
    EXPECT_TRUE(guitest::PixelIs(client, 5, 13, RGB(128, 128, 128)));
}
