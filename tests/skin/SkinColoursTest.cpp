#include "skin/WinSkinData/SkinColours.h"
#include "tests/skin/SkinPackageFixture.h"

using namespace skin;
using namespace skintest;

namespace {

TEST(ParseRgbText, NumbersSeparatedByAnythingGiveRedGreenBlue) {
    EXPECT_EQ(ParseRgbText("0,0,255"), 0xFF0000u);
    EXPECT_EQ(ParseRgbText("255,128,0"), MakeColour(255, 128, 0));
    EXPECT_EQ(ParseRgbText("255 128 0"), MakeColour(255, 128, 0));
    EXPECT_EQ(ParseRgbText("R255 G128 B0"), MakeColour(255, 128, 0));
    EXPECT_EQ(ParseRgbText("  10 ; 20 ;30  "), MakeColour(10, 20, 30));
    EXPECT_EQ(ParseRgbText("300 0 0"), MakeColour(44, 0, 0)) << "modulo 256";
    EXPECT_EQ(ParseRgbText("1234567890123456789012345 1 2"), MakeColour(121, 1, 2))
        << "no overflow on long digit runs";
}

TEST(ParseRgbText, ANumberEndingTheTextCountsOnlyAsTheThird) {
    EXPECT_EQ(ParseRgbText(""), 0u);
    EXPECT_EQ(ParseRgbText("200"), 0u);
    EXPECT_EQ(ParseRgbText("255 128"), MakeColour(255, 0, 0));
    EXPECT_EQ(ParseRgbText("255 128 "), MakeColour(255, 0, 0)) << "the text is trimmed first";
    EXPECT_EQ(ParseRgbText("255,128,"), MakeColour(255, 128, 0));
    EXPECT_EQ(ParseRgbText("1 2 3 4 5"), MakeColour(1, 2, 3))
        << "numbers after the third are ignored";
}

TEST(SkinColours, MissingKeysTakeSystemColoursAndTheMenuBarFollowsTheFace) {
    TSkinModel model;
    Load(model, {"[Colours]\nButtonFace=1 2 3\nWindowText=\nHilight=9,9,9,\n", {}});
    EXPECT_EQ(model.ButtonFaceColour, MakeColour(1, 2, 3));
    EXPECT_EQ(model.MenubarColour, MakeColour(1, 2, 3));
    EXPECT_EQ(model.WindowTextColour, SysWindowText) << "an empty value is missing";
    EXPECT_EQ(model.HilightColour, MakeColour(9, 9, 9));
    EXPECT_EQ(model.ButtonlightColour, SysBtnHighlight);
    EXPECT_EQ(model.ButtonDkShadowColour, 0xFF000015u);
    EXPECT_EQ(model.TitleTextNoActiveColour, 0xFF000013u);
    EXPECT_EQ(model.ScrollbarColour, 0xFF000000u);
    EXPECT_EQ(model.MenuBarTextColour, SysMenuText);
}

TEST(SkinColours, EveryColourKeyFillsItsOwnField) {
    struct TKeyField {
        const char* key;
        Colour TSkinModel::*field;
    };
    const TKeyField keys[] = {
        {"WindowText", &TSkinModel::WindowTextColour},
        {"ButtonFace", &TSkinModel::ButtonFaceColour},
        {"Scrollbar", &TSkinModel::ScrollbarColour},
        {"HilightText", &TSkinModel::HilightTextColour},
        {"Hilight", &TSkinModel::HilightColour},
        {"Menubar", &TSkinModel::MenubarColour},
        {"Menu", &TSkinModel::MenuColour},
        {"MenuText", &TSkinModel::MenuTextColour},
        {"ButtonText", &TSkinModel::ButtonTextColour},
        {"ButtonHilight", &TSkinModel::ButtonHilightColour},
        {"Buttonlight", &TSkinModel::ButtonlightColour},
        {"ButtonShadow", &TSkinModel::ButtonShadowColour},
        {"ButtonDkShadow", &TSkinModel::ButtonDkShadowColour},
        {"MenuBarText", &TSkinModel::MenuBarTextColour},
        {"TitleTextActive", &TSkinModel::TitleTextActiveColour},
        {"TitleTextNoActive", &TSkinModel::TitleTextNoActiveColour},
    };
    // Key i gets the colour (i + 1, 2i + 1, 3i + 1): a key read into another
    // key's field, or two keys sharing one, shows as a wrong value.
    std::string ini = "[Colours]\n";
    for (size_t i = 0; i < std::size(keys); ++i) {
        ini += std::string(keys[i].key) + "=" + std::to_string(i + 1) + " " +
               std::to_string(2 * i + 1) + " " + std::to_string(3 * i + 1) + "\n";
    }
    TSkinModel model;
    Load(model, {ini, {}});
    for (size_t i = 0; i < std::size(keys); ++i) {
        EXPECT_EQ(model.*keys[i].field,
                  MakeColour(uint8_t(i + 1), uint8_t(2 * i + 1), uint8_t(3 * i + 1)))
            << keys[i].key;
    }
}

TEST(SkinColours, ColourTableKeepsNumberedSectionsInFileOrder) {
    TSkinModel model;
    Load(model, {"[Colour2]\ncolor=0 0 2\n[COLOURS]\ncolor=1 1 1\n[Colours]\n[colourTitle]\n"
                 "[Colour1]\nColor=0,0,1,\n[XColour3]\ncolor=3 3 3\n",
                 {}});
    EXPECT_EQ(model.ColourTable,
              (std::vector<Colour>{MakeColour(0, 0, 2), SysWindowText, MakeColour(0, 0, 1)}));
}

TEST(SkinColours, TitleTextColoursNeedAllThreeKeys) {
    TSkinModel model;
    Load(model, {"[Personality]\nActiveTextR=0\nActiveTextG=0\nInActiveTextR=10\n"
                 "InActiveTextG=0x14\nInActiveTextB=286\n",
                 {}});
    EXPECT_EQ(model.Title.ActiveTextColour, NoColour);
    EXPECT_EQ(model.Title.InActiveTextColour, int32_t(MakeColour(10, 20, 30))) << "low bytes";
    Load(model, {"[Personality]\nActiveTextR=1\nActiveTextG=-2\nActiveTextB=3\n", {}});
    EXPECT_EQ(model.Title.ActiveTextColour, NoColour) << "a negative component gives none";
}

} // namespace
