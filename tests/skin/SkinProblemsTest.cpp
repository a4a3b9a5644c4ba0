// What a skin holds that cannot be used as written is kept with its section
// and reason, and the skin loads exactly as it would without the record.
#include "tests/skin/SkinPackageFixture.h"

#include <string>

using namespace skin;
using namespace skintest;

namespace {

// The reasons recorded for `section`, one text.
std::string ReasonsFor(const TSkinModel& model, const std::string& section) {
    std::string reasons;
    for (const SkinProblem& problem : model.problems) {
        if (problem.section == section) {
            reasons += problem.reason + "\n";
        }
    }
    return reasons;
}

TEST(SkinProblems, AWellFormedSkinRecordsNone) {
    TSkinModel model;
    Load(model, TTestPackage{"[TitlebarSkin]\nSkinName=Clean\n[Colours]\nButtonFace=1 2 3\n"
                             "[SunkEdge]\nImage=s.bmp\nLeftWidth=0x10\nTile=1\n[Colour1]\n"
                             "color=R1 G2 B3\n[Button1]\nButtonImage=s.bmp\nAction=1\n"
                             "[Personality]\nLeft=s.bmp\nLeftFrame=2\n",
                             {}}
                    .Bmp("s.bmp", 30, 10));
    EXPECT_TRUE(model.problems.empty())
        << model.problems.front().section << ": " << model.problems.front().reason;
}

TEST(SkinProblems, ValuesThatAreNoNumbersTakeTheirDefaultsAndAreRecorded) {
    TSkinModel model;
    Load(model, TTestPackage{"[SunkEdge]\nImage=s.bmp\nLeftWidth=wide\nTopHeight=12px\n"
                             "RightWidth=7\n[Colours]\nButtonFace=grey\nMenu=10 20\n"
                             "[Personality]\nLeftFrame=two\nActiveTextR=255\nActiveTextG=x\n"
                             "ActiveTextB=0\nInActiveTextR=9\n[Fonts]\nFontHeight=big\n",
                             {}}
                    .Bmp("s.bmp", 8, 8));
    const TDataSkinObject& edge = *model.SunkEdge;
    EXPECT_EQ(edge.LeftWidth, 0);
    EXPECT_EQ(edge.TopHeight, 0);
    EXPECT_EQ(edge.RightWidth, 7);
    EXPECT_EQ(model.BorderLeft.Frame, 1);
    EXPECT_EQ(model.Title.FontHeight, 14);
    EXPECT_EQ(model.ButtonFaceColour, MakeColour(0, 0, 0)) << "read as it always was";
    EXPECT_EQ(model.MenuColour, MakeColour(10, 0, 0));
    const std::string edgeReasons = ReasonsFor(model, "SunkEdge");
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "LeftWidth=wide is not a whole number",
                        edgeReasons);
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "TopHeight=12px", edgeReasons);
    EXPECT_PRED_FORMAT2(::testing::IsNotSubstring, "RightWidth", edgeReasons);
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "ButtonFace=grey", ReasonsFor(model, "Colours"));
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "Menu=10 20", ReasonsFor(model, "Colours"));
    EXPECT_EQ(model.Title.ActiveTextColour, NoColour);
    EXPECT_EQ(model.Title.InActiveTextColour, NoColour);
    const std::string personality = ReasonsFor(model, "Personality");
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "ActiveTextG=x", personality);
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "ActiveTextR, G and B are not all given",
                        personality);
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "InActiveTextR, G and B", personality);
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "LeftFrame=two", ReasonsFor(model, "Personality"));
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "FontHeight=big", ReasonsFor(model, "Fonts"));
}

TEST(SkinProblems, BitmapsThatCannotBeHadAreRecordedWithTheirKey) {
    TSkinModel model;
    TTestPackage package{
        "[SunkEdge]\nImage=missing.bmp\n[MenuItem]\nImage=Skin.BMP\n"
        "[Toolbars]\nImage=bad.bmp\n[Headerbar]\nImage=empty.bmp\n"
        "[Tabs]\nImage=good.bmp\nBorder=gone.bmp\n[Buttons]\nCheckButton=gone.bmp\n"
        "[Button1]\nButtonImage=gone.bmp\n[Personality]\nTop=gone.bmp\n",
        {}};
    package.Bmp("good.bmp", 4, 4).Bmp("skin.bmp", 4, 4);
    package.bitmaps.push_back({"bad.bmp", {'B', 'M', 1, 2, 3}});
    package.bitmaps.push_back({"empty.bmp", {}});
    Load(model, package);
    for (const TDataSkinObject* e : {model.SunkEdge.get(), model.MenuItem.get(),
                                     model.Toolbars.get(), model.Headerbar.get()}) {
        ASSERT_NE(e, nullptr) << "present, with an empty bitmap";
        EXPECT_TRUE(e->Bitmap.Empty()) << e->Name;
    }
    EXPECT_EQ(model.Tabs->Bitmap.Width(), 4);
    EXPECT_TRUE(model.Tabs->Bitmap2.Empty());
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "Image: \"missing.bmp\" is not in the package",
                        ReasonsFor(model, "SunkEdge"));
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "names no .bmp file",
                        ReasonsFor(model, "MenuItem"));
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "no readable bitmap",
                        ReasonsFor(model, "Toolbars"));
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "\"empty.bmp\" is empty",
                        ReasonsFor(model, "Headerbar"));
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "Border: \"gone.bmp\" is not in the package",
                        ReasonsFor(model, "Tabs"));
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "CheckButton:", ReasonsFor(model, "Buttons"));
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "ButtonImage:", ReasonsFor(model, "Button1"));
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "Top:", ReasonsFor(model, "Personality"));
}

TEST(SkinProblems, SectionsThatCannotBeUsedAreRecordedAndLeftOut) {
    TSkinModel model;
    Load(model, TTestPackage{"[SunkEdge]\nLeftWidth=3\n[Colour2]\nName=Sea\n"
                             "[ButtonDeco]\nButtonImage=b.bmp\nAction=-1\n"
                             "[ButtonKept]\nButtonImage=b.bmp\nAction=-1\nVisibility=0\n"
                             "[MDICONTROLS]\nImage=narrow.bmp\n[Personality]\nTextShift=2\n",
                             {}}
                    .Bmp("b.bmp", 30, 10)
                    .Bmp("narrow.bmp", 11, 9));
    EXPECT_EQ(model.SunkEdge, nullptr);
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "no Image key", ReasonsFor(model, "SunkEdge"));
    ASSERT_EQ(model.ColourTable.size(), 1u);
    EXPECT_EQ(model.ColourTable[0], SysWindowText);
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "no color key", ReasonsFor(model, "Colour2"));
    ASSERT_EQ(model.SysButtons.size(), 1u + 3u);
    EXPECT_EQ(model.SysButtons[0]->Name, "BUTTONKEPT");
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "left out", ReasonsFor(model, "ButtonDeco"));
    EXPECT_EQ(ReasonsFor(model, "ButtonKept"), "");
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "narrower than its twelve cells",
                        ReasonsFor(model, "MDICONTROLS"));
    EXPECT_EQ(ReasonsFor(model, "Personality"), "")
        << "a skin without a menu bar image is no problem";
}

TEST(SkinProblems, ValuesOutsideTheirRangeAreRecordedAsTheyAreAdjusted) {
    TSkinModel model;
    Load(model, TTestPackage{"[Toolbars]\nImage=t.bmp\nTile=2\n[Personality]\nRightFrame=-3\n"
                             "BottomFrame=0\n[Button1]\nButtonImage=t.bmp\nframe=-2\n"
                             "[Buttons]\nTile=2\n",
                             {}}
                    .Bmp("t.bmp", 30, 10));
    EXPECT_EQ(model.Toolbars->Tile, 0);
    EXPECT_EQ(model.BorderRight.Frame, 1);
    EXPECT_EQ(model.BorderBottom.Frame, 1);
    EXPECT_EQ(model.SysButtons[0]->Frame, 1);
    EXPECT_EQ(model.Buttons.Tile, 2) << "Buttons keep their Tile";
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "Tile=2 is taken as 0",
                        ReasonsFor(model, "Toolbars"));
    const std::string borders = ReasonsFor(model, "Personality");
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "RightFrame=-3 is taken as 1", borders);
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "BottomFrame=0 is taken as 1", borders);
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "frame=-2 is taken as 1",
                        ReasonsFor(model, "Button1"));
    EXPECT_EQ(ReasonsFor(model, "Buttons"), "");
}

TEST(SkinProblems, APackageWithoutIniIsRecordedAndAReloadStartsAfresh) {
    TSkinModel model;
    ASSERT_TRUE(model.LoadSkin(BuildPackage({{"a.bmp", TaggedBmp(2, 2, 1)}})));
    ASSERT_EQ(model.problems.size(), 1u);
    EXPECT_EQ(model.problems[0].section, "");
    EXPECT_PRED_FORMAT2(::testing::IsSubstring, "no INI", model.problems[0].reason);
    EXPECT_EQ(model.SysButtons.size(), 3u);
    Load(model, {"[TitlebarSkin]\nSkinName=Fine\n", {}});
    EXPECT_TRUE(model.problems.empty());
}

} // namespace
