// The generated skins as packed at build time: the default skin defines
// every element the loader reads, the second one loads over it.
#include "skin/WinSkinData/SkinModel.h"
#include "skin/SkinRead/SkinReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

using namespace skin;

namespace {

std::vector<uint8_t> Package(const std::string& name) {
    std::ifstream in(std::string(KANVIO_SKINS_DIR) + "/" + name + ".skn", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(DefaultSkin, PackageHoldsFiftyThreeBitmapsThirteenDoubleSizeOnesAndTheIni) {
    TSkinReader reader;
    ASSERT_TRUE(reader.Load(Package("kanvio_neon"))) << reader.RejectReason();
    ASSERT_EQ(reader.Count(), 67u);
    EXPECT_EQ(reader.Names().front(), "kanvio_neon__top.bmp");
    EXPECT_EQ(reader.Names()[47], "kanvio_neon__but-close_i.bmp");
    EXPECT_EQ(reader.Names()[53], "kanvio_neon__but-close_i@2x.bmp");
    EXPECT_EQ(reader.Names()[62], "spinner-lr-glyph@2x.bmp");
    EXPECT_EQ(reader.Names().back(), "kanvio_neon.ini");
}

// Their four hover animation sections are the only ones the engine leaves
// out, at every scale: the double-size art is all usable.
TEST(DefaultSkin, OurSkinsHoldNothingTheLoaderCannotUseButHoverAnimations) {
    for (const char* name : {"kanvio_neon", "kanvio_daylight"}) {
        for (const int dpi : {96, 144, 192}) {
            TSkinModel m;
            ASSERT_TRUE(m.LoadSkin(Package(name), {}, dpi)) << name;
            EXPECT_EQ(m.problems.size(), 4u) << name << " at " << dpi;
            for (const SkinProblem& problem : m.problems) {
                EXPECT_NE(problem.reason.find("not a caption button"), std::string::npos)
                    << name << " [" << problem.section << "] " << problem.reason;
            }
        }
    }
}

// At 200 % the glyphs (caption buttons, check and radio marks, the scroll
// bar's, combo box's and up-down's arrows) and the rounded faces of push
// buttons (Neon's; Daylight's are square) and scroll boxes are their
// double-size art as
// drawn, finer than the 1x art's pixels repeated; the key colour changes
// only along the 1x outline, so the finer art is cut out as the 1x art is.
TEST(DefaultSkin, AtTwiceTheScaleGlyphsAndRoundedFacesAreTheirDoubleSizeArt) {
    for (const char* name : {"kanvio_neon", "kanvio_daylight"}) {
        TSkinModel plain, twice;
        ASSERT_TRUE(plain.LoadSkin(Package(name)));
        ASSERT_TRUE(twice.LoadSkin(Package(name), {}, 192));
        const auto glyphs = [name](const TSkinModel& m) {
            std::vector<const TDib*> art{&m.SysButtons.front()->Bitmap, &m.Buttons.CheckBitmap,
                                         &m.Buttons.RadioBitmap,        &m.Scrollbar->Bitmap,
                                         &m.ExtraImages->Bitmap,        &m.UpDownVert->Bitmap2,
                                         &m.UpDownHorz->Bitmap2,        &m.HorzScrollThumb->Bitmap,
                                         &m.VertScrollThumb->Bitmap};
            if (std::string(name) == "kanvio_neon") {
                art.push_back(&m.Buttons.Bitmap);
            }
            return art;
        };
        const std::vector<const TDib*> small = glyphs(plain), large = glyphs(twice);
        for (size_t k = 0; k < small.size(); ++k) {
            SCOPED_TRACE(std::string(name) + ", glyph bitmap " + std::to_string(k));
            ASSERT_EQ(large[k]->Width(), 2 * small[k]->Width());
            ASSERT_EQ(large[k]->Height(), 2 * small[k]->Height());
            const TDib& coarse = *small[k];
            // Whether the 1x art, repeated, has key and other pixels beside
            // (x, y) of the double-size art.
            const auto onOutline = [&](int x, int y) {
                bool key = false, other = false;
                for (int j = std::max(y - 1, 0); j <= std::min(y + 1, 2 * coarse.Height() - 1);
                     ++j) {
                    for (int i = std::max(x - 1, 0); i <= std::min(x + 1, 2 * coarse.Width() - 1);
                         ++i) {
                        (coarse.Pixel(i / 2, j / 2) == KeyColour ? key : other) = true;
                    }
                }
                return key && other;
            };
            int finer = 0, keyMoved = 0;
            for (int y = 0; y < large[k]->Height(); ++y) {
                for (int x = 0; x < large[k]->Width(); ++x) {
                    const Colour fine = large[k]->Pixel(x, y);
                    finer += fine != coarse.Pixel(x / 2, y / 2);
                    keyMoved += (fine == KeyColour) != (coarse.Pixel(x / 2, y / 2) == KeyColour) &&
                                !onOutline(x, y);
                }
            }
            EXPECT_GT(finer, 0);
            EXPECT_EQ(keyMoved, 0) << "pixels off the outline changed between key and art";
        }
    }
}

TEST(DefaultSkin, DefinesEveryElement) {
    TSkinModel m;
    ASSERT_TRUE(m.LoadSkin(Package("kanvio_neon")));
    EXPECT_EQ(m.SkinName, "Kanvio Neon");
    std::vector<const TDataSkinObject*> present = std::as_const(m).OptionalElements();
    present.insert(present.end(),
                   {&m.Buttons, &m.BorderLeft, &m.BorderRight, &m.BorderTop, &m.BorderBottom});
    for (const TDataSkinObject* e : present) {
        ASSERT_NE(e, nullptr);
        EXPECT_FALSE(e->Bitmap.Empty()) << e->Name;
        EXPECT_EQ(e->Bitmap.Width() % std::max(e->Frame, 1), 0)
            << e->Name << ": cells of equal width";
    }
    EXPECT_FALSE(m.Tabs->Bitmap2.Empty());
    EXPECT_FALSE(m.UpDownVert->Bitmap2.Empty());
    EXPECT_FALSE(m.ComboButton->Bitmap2.Empty());
    EXPECT_FALSE(m.Buttons.CheckBitmap.Empty());
    EXPECT_FALSE(m.Buttons.RadioBitmap.Empty());
    // As in the stored skin: no progress chunk and no caption text background.
    EXPECT_TRUE(m.Progress->Bitmap2.Empty());
    EXPECT_TRUE(m.Title.Bitmap.Empty());
    EXPECT_EQ(m.ColourTable.size(), 11u);
    EXPECT_NE(m.Title.ActiveTextColour, NoColour);
}

TEST(DefaultSkin, CaptionButtonsAndFrames) {
    TSkinModel m;
    ASSERT_TRUE(m.LoadSkin(Package("kanvio_neon")));
    ASSERT_EQ(m.SysButtons.size(), 8u + 3u);
    const int actions[] = {0, 1, 1, 2, 40, 41, 3, -1, 7, 8, 9};
    for (size_t i = 0; i < m.SysButtons.size(); ++i) {
        EXPECT_EQ(m.SysButtons[i]->Action, actions[i]) << i;
    }
    for (size_t i : {0, 1, 2, 3, 4, 5, 7}) {
        const TDataSkinSysButton& b = *m.SysButtons[i];
        EXPECT_EQ(b.Frame, 4) << b.Name << ": normal, pressed, hot, inactive";
        EXPECT_EQ(b.Bitmap.Width() % 4, 0);
    }
    EXPECT_TRUE(m.SysButtons[6]->Bitmap.Empty()) << "the icon button shows the window icon";
    for (size_t i = 8; i < 11; ++i) {
        EXPECT_EQ(m.SysButtons[i]->Bitmap.Width(), 64) << "four 16-pixel MDI cells";
    }
    // Active and inactive frames of every border.
    for (const TDataSkinBorder* b :
         {&m.BorderLeft, &m.BorderRight, &m.BorderTop, &m.BorderBottom}) {
        EXPECT_EQ(b->Frame, 2) << b->Name;
        EXPECT_EQ(b->Trans, 1) << b->Name;
    }
    EXPECT_EQ(m.BorderTop.Bitmap.Height() / 2, 30) << "title bar height";
    EXPECT_EQ(m.BorderLeft.TopHeight, 30) << "the title part of the side border is kept";
}

TEST(DefaultSkin, RoundedCornersUseTheColourKey) {
    TSkinModel m;
    ASSERT_TRUE(m.LoadSkin(Package("kanvio_neon")));
    const TDib& left = m.BorderLeft.Bitmap;
    const TDib& top = m.BorderTop.Bitmap;
    const TDib& right = m.BorderRight.Bitmap;
    const int side = left.Width() / 2;
    for (int frame = 0; frame < 2; ++frame) {
        EXPECT_EQ(left.Pixel(frame * side, 0), KeyColour) << "outer corner is cut away";
        EXPECT_NE(left.Pixel(frame * side + side - 1, 29), KeyColour);
        EXPECT_EQ(right.Pixel(frame * side + side - 1, 0), KeyColour);
        EXPECT_NE(top.Pixel(top.Width() / 2, frame * 30), KeyColour) << "the top edge is solid";
        EXPECT_EQ(left.Pixel(frame * side, left.Height() - 1), KeyColour) << "bottom corner";
    }
    EXPECT_NE(top.Pixel(40, 29), top.Pixel(40, 59)) << "the active and inactive frames differ";
}

TEST(SecondSkin, LoadsOverTheDefaultAndLooksDifferent) {
    TSkinModel m;
    ASSERT_TRUE(m.LoadSkin(Package("kanvio_neon")));
    const Colour neonFace = m.ButtonFaceColour;
    ASSERT_TRUE(m.LoadSkin(Package("kanvio_daylight")));
    EXPECT_EQ(m.SkinName, "Kanvio Daylight");
    EXPECT_NE(m.ButtonFaceColour, neonFace);
    EXPECT_EQ(m.BorderTop.Bitmap.Height() / 2, 24);
    EXPECT_EQ(m.BorderLeft.Trans, 0) << "a plain rectangular window";
    EXPECT_EQ(m.SysButtons.size(), 11u);
}

} // namespace
