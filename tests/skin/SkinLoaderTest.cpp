#include "tools/skinpack/LzhEncoder.h"
#include "tests/skin/SkinPackageFixture.h"

#include <string>
#include <utility>

using namespace skin;
using namespace skintest;

namespace {

TEST(SkinLoader, AnAlmostEmptyIniYieldsAUsableSkin) {
    TSkinModel model;
    Load(model, {"[TitlebarSkin]\nSkinName=Bare\n", {}});
    EXPECT_EQ(model.SkinName, "Bare");
    for (const TDataSkinObject* e : std::as_const(model).OptionalElements()) {
        EXPECT_EQ(e, nullptr);
    }
    EXPECT_EQ(model.ButtonFaceColour, SysBtnFace);
    for (const TDataSkinObject* e : {static_cast<const TDataSkinObject*>(&model.Title),
                                     static_cast<const TDataSkinObject*>(&model.Buttons),
                                     static_cast<const TDataSkinObject*>(&model.BorderLeft),
                                     static_cast<const TDataSkinObject*>(&model.BorderRight),
                                     static_cast<const TDataSkinObject*>(&model.BorderTop),
                                     static_cast<const TDataSkinObject*>(&model.BorderBottom)}) {
        EXPECT_TRUE(e->Bitmap.Empty()) << e->Name;
    }
    ASSERT_EQ(model.SysButtons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const TDataSkinSysButton& b = *model.SysButtons[size_t(i)];
        EXPECT_EQ(b.Action, 7 + i);
        EXPECT_EQ(b.Align, 100);
        EXPECT_EQ(b.Visibility, 100);
        EXPECT_EQ(b.Visibility1, 100);
        EXPECT_EQ(b.Frame, 4);
        EXPECT_TRUE(b.Bitmap.Empty());
    }
    EXPECT_EQ(model.Buttons.Frame, 5);
    EXPECT_EQ(model.Title.Frame, 2);
    EXPECT_EQ(model.Title.FontHeight, 14);
    EXPECT_EQ(model.Buttons.RadioButtonFrame, 4);
}

TEST(SkinLoader, AnEmptyOrMissingIniStillLoads) {
    TSkinModel model;
    ASSERT_TRUE(model.LoadSkin(BuildPackage({{"a.bmp", TaggedBmp(2, 2, 1)}})));
    EXPECT_EQ(model.SysButtons.size(), 3u);
    EXPECT_EQ(model.MenuColour, SysMenu);
}

TEST(SkinLoader, FrameBordersReadTheirEndsAlongTheirLength) {
    TSkinModel model;
    Load(model, TTestPackage{"[Personality]\nLeft=left.bmp\nLeftTopHeight=30\nLeftBotHeight=8\n"
                             "LeftFrame=2\nLeftStretch=0\nTop=top.bmp\nTopTopHeight=12\n"
                             "TopBotHeight=14\nTopTrans=0\nBottomFrame=0\nRightFrame=-3\n",
                             {}}
                    .Bmp("left.bmp", 8, 40)
                    .Bmp("top.bmp", 50, 60));
    const TDataSkinBorder& left = model.BorderLeft;
    EXPECT_EQ(left.TopHeight, 30);
    EXPECT_EQ(left.BottomHeight, 8);
    EXPECT_EQ(left.LeftWidth, 0);
    EXPECT_EQ(left.Frame, 2);
    EXPECT_EQ(left.Tile, 0);
    EXPECT_EQ(left.Trans, 1);
    EXPECT_EQ(left.Bitmap.Width(), 8);
    const TDataSkinBorder& top = model.BorderTop;
    EXPECT_EQ(top.LeftWidth, 12);
    EXPECT_EQ(top.RightWidth, 14);
    EXPECT_EQ(top.TopHeight, 0);
    EXPECT_EQ(top.Frame, 1);
    EXPECT_EQ(top.Tile, 1);
    EXPECT_EQ(top.Trans, 0);
    EXPECT_EQ(model.BorderBottom.Frame, 1) << "0 frames would divide by zero";
    EXPECT_EQ(model.BorderRight.Frame, 1);
    EXPECT_EQ(model.BorderRight.Name, "Right");
}

TEST(SkinLoader, CaptionButtonFramesFollowTheImageShape) {
    TSkinModel model;
    Load(model, TTestPackage{"[Button1]\nButtonImage=b60.bmp\n"
                             "[Button2]\nButtonImage=b80.bmp\nAction=1\nAlign=1\nXcoord=30\n"
                             "[Button3]\nButtonImage=b60.bmp\nAction=-1\nVisibility=0\n"
                             "[Button4]\nButtonImage=b80.bmp\nAction=-1\nVisibility=0\n"
                             "[Button5]\nButtonImage=b60.bmp\nAction=3\n"
                             "[Button6]\nButtonImage=b60.bmp\nAction=11\nframe=2\n"
                             "[Button7]\nButtonImage=b60.bmp\nAction=-1\n"
                             "[Button8]\nButtonImage=b60.bmp\nframe=-2\n"
                             "[Button9]\nButtonImage=none.bmp\n",
                             {}}
                    .Bmp("b60.bmp", 60, 20)
                    .Bmp("b80.bmp", 80, 20));
    ASSERT_EQ(model.SysButtons.size(), 8u + 3u)
        << "Button7 (no action, no Visibility=0) is left out";
    const auto& b = model.SysButtons;
    EXPECT_EQ(b[0]->Name, "BUTTON1");
    EXPECT_EQ(b[0]->Frame, 3) << "ratio 3.0";
    EXPECT_EQ(b[0]->CombineOp, -1);
    EXPECT_EQ(b[1]->Frame, 6) << "ratio 4.0";
    EXPECT_EQ(b[1]->Align, 1);
    EXPECT_EQ(b[1]->Xcoord, 30);
    EXPECT_EQ(b[2]->Frame, 6);
    EXPECT_EQ(b[2]->Visibility1, -1) << "a button without action defaults to never shown";
    EXPECT_EQ(b[3]->Frame, 6);
    EXPECT_TRUE(b[4]->Bitmap.Empty()) << "the icon button gets the window icon instead";
    EXPECT_EQ(b[4]->Frame, 3);
    EXPECT_EQ(b[5]->Frame, 2);
    EXPECT_EQ(b[5]->Bitmap.Width(), 60) << "an explicit frame keeps the image";
    EXPECT_EQ(b[6]->Frame, 1) << "a negative frame count is taken as 1";
    EXPECT_EQ(b[7]->Frame, 6) << "no image: 6";
    EXPECT_EQ(b[8]->Action, 7);
}

TEST(SkinLoader, ButtonSectionsOfControlsAreNeverCaptionButtons) {
    TSkinModel model;
    Load(model, TTestPackage{"[buttons]\nBitmap=push.bmp\nTile=2\nNormalColour2=1 2 3\n"
                             "MouseOverColour=0x10\n[BUTTON.Radio]\nButtonImage=b.bmp\n"
                             "[Button.CheckBox]\nButtonImage=b.bmp\n[Button]\nButtonImage=b.bmp\n"
                             "[ButtonClose]\nButtonImage=b.bmp\n",
                             {}}
                    .Bmp("push.bmp", 50, 20)
                    .Bmp("b.bmp", 30, 10));
    ASSERT_EQ(model.SysButtons.size(), 4u);
    EXPECT_EQ(model.SysButtons[0]->Name, "BUTTONCLOSE");
    EXPECT_EQ(model.Buttons.Bitmap.Width(), 50);
    EXPECT_EQ(model.Buttons.Tile, 2) << "not clamped for Buttons";
    EXPECT_TRUE(model.Buttons.HasNormalColour2);
    EXPECT_FALSE(model.Buttons.HasPressedColour2);
    EXPECT_EQ(model.Buttons.NormalColour2, MakeColour(1, 2, 3));
    EXPECT_EQ(model.Buttons.PressedColour2, model.ButtonTextColour);
    EXPECT_EQ(model.Buttons.MouseOverColour, 16);
    EXPECT_EQ(model.Buttons.NormalColour, -1);
}

TEST(SkinLoader, ImageValuesNameEntriesByTheirFileNamePart) {
    TSkinModel model;
    Load(model, TTestPackage{"[SunkEdge]\nImage=images\\skin.bmp\n[MenuItem]\nImage=Skin.BMP\n"
                             "[Toolbars]\nImage=missing.bmp\n[Headerbar]\nImage=C:SKIN.bmp\n"
                             "[Scrollbar]\nImage=skin\n[HorzScroll]\nImage=dir\\\n",
                             {}}
                    .Bmp("skin.bmp", 7, 3));
    EXPECT_EQ(model.SunkEdge->Bitmap.Width(), 7);
    EXPECT_TRUE(model.MenuItem->Bitmap.Empty()) << "the extension is compared exactly";
    EXPECT_TRUE(model.Toolbars->Bitmap.Empty()) << "present, with an empty bitmap";
    EXPECT_EQ(model.Headerbar->Bitmap.Width(), 7) << "entry names ignore case";
    EXPECT_TRUE(model.Scrollbar->Bitmap.Empty());
    EXPECT_TRUE(model.HorzScroll->Bitmap.Empty());
}

TEST(SkinLoader, DamagedBitmapEntriesGiveEmptyBitmaps) {
    TSkinModel model;
    TTestPackage package{"[SunkEdge]\nImage=bad.bmp\n", {}};
    package.bitmaps.push_back({"bad.bmp", {'B', 'M', 1, 2, 3}});
    Load(model, package);
    ASSERT_NE(model.SunkEdge, nullptr);
    EXPECT_TRUE(model.SunkEdge->Bitmap.Empty());
}

TEST(SkinLoader, GenericElementsReadEveryKeyAndClampTile) {
    TSkinModel model;
    Load(model, TTestPackage{"[Tabs]\nImage=tabs.bmp\nBorder=border.bmp\nStyle=4\nLeftWidth=1\n"
                             "RightWidth=2\nTopHeight=3\nBottomHeight=4\nTrans=1\nTile=2\n"
                             "[GroupBox]\nImage=g.bmp\nStyle=7\nTile=1\nBackgroundAlignment=2\n"
                             "BackgroundLeftShift=5\nBackgroundRightShift=6\n"
                             "[Progress]\nBitmap=p.bmp\nChunk=c.bmp\nTile=2\nStyle=1\n"
                             "NormalColour=5\n[ComboButton]\nImage=combo.bmp\nStyle=1\n",
                             {}}
                    .Bmp("tabs.bmp", 50, 10)
                    .Bmp("border.bmp", 9, 9)
                    .Bmp("g.bmp", 4, 4)
                    .Bmp("p.bmp", 20, 8)
                    .Bmp("c.bmp", 3, 6)
                    .Bmp("combo.bmp", 5, 2, 9));
    const TDataSkinBorder& tabs = *model.Tabs;
    EXPECT_EQ(tabs.Style, 0) << "border elements do not read Style";
    EXPECT_EQ(tabs.LeftWidth, 1);
    EXPECT_EQ(tabs.RightWidth, 2);
    EXPECT_EQ(tabs.TopHeight, 3);
    EXPECT_EQ(tabs.BottomHeight, 4);
    EXPECT_EQ(tabs.Trans, 1);
    EXPECT_EQ(tabs.Tile, 0) << "Tile above 1 becomes 0";
    EXPECT_EQ(tabs.Bitmap2.Width(), 9);
    EXPECT_EQ(tabs.Frame, 5);
    EXPECT_EQ(tabs.NormalColour2, model.ButtonTextColour);
    const TDataSkinBoxLabel& group = *model.GroupBox;
    EXPECT_EQ(group.Style, 7);
    EXPECT_EQ(group.Tile, 1);
    EXPECT_EQ(group.BackgroundAlignment, 2);
    EXPECT_EQ(group.BackgroundLeftShift, 5);
    EXPECT_EQ(group.BackgroundRightShift, 6);
    const TDataSkinBorder& progress = *model.Progress;
    EXPECT_EQ(progress.Tile, 2) << "Progress keeps its Tile";
    EXPECT_EQ(progress.Style, 1);
    EXPECT_EQ(progress.Bitmap2.Width(), 3);
    EXPECT_EQ(progress.NormalColour, 0) << "Progress reads no colours";
    EXPECT_EQ(progress.Frame, 2);
    const TDataSkinBorder& combo = *model.ComboButton;
    EXPECT_EQ(combo.Style, 1) << "the combo button reads Style (its simple drawing)";
    ASSERT_EQ(combo.Bitmap2.Width(), 5);
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(combo.Bitmap2.Pixel(x, 1), combo.Bitmap.Pixel(4 - x, 1));
    }
}

TEST(SkinLoader, FrameCountsAreFixedPerElement) {
    std::string ini =
        "[HorzScrollThumb]\nImage=x.bmp\nFrameCount=7\n[VertScrollThumb]\nImage=x.bmp\n";
    for (const char* section : {"GroupBoxEdge",
                                "StatusBarEdges",
                                "SunkEdge",
                                "ExtraImages",
                                "Headerbar",
                                "MenuItem",
                                "MenuBackground",
                                "Scrollbar",
                                "HorzScroll",
                                "VertScroll",
                                "Toolbars",
                                "Trackbar.ThumbHorz",
                                "Trackbar.ThumbVert",
                                "Trackbar.ThumbLeft",
                                "Trackbar.ThumbRight",
                                "Trackbar.ThumbUp",
                                "Trackbar.ThumbDown",
                                "UpDown.Horz",
                                "UpDown.Vert",
                                "GroupBox"}) {
        ini += std::string("[") + section + "]\nImage=x.bmp\nGlyphImage=x.bmp\n";
    }
    ini += "[Personality]\nmenubar=x.bmp\n";
    TSkinModel model;
    Load(model, TTestPackage{ini, {}}.Bmp("x.bmp", 46, 4));
    EXPECT_EQ(model.HorzScrollThumb->Frame, 7);
    EXPECT_EQ(model.VertScrollThumb->Frame, 3);
    EXPECT_EQ(model.GroupBoxEdge->Frame, 2);
    EXPECT_EQ(model.StatusBarEdges->Frame, 3);
    EXPECT_EQ(model.SunkEdge->Frame, 4);
    EXPECT_EQ(model.HorzScroll->Frame, 4);
    EXPECT_EQ(model.ExtraImages->Frame, 5);
    EXPECT_EQ(model.MenuItem->Frame, 5);
    EXPECT_EQ(model.TrackbarThumbDown->Frame, 5);
    EXPECT_EQ(model.UpDownVert->Frame, 8);
    EXPECT_EQ(model.UpDownHorz->Bitmap2.Width(), 46);
    EXPECT_EQ(model.GroupBox->Frame, 1);
    EXPECT_EQ(model.MenuBackground->Frame, 1);
    EXPECT_EQ(model.Scrollbar->Frame, 23);
    EXPECT_EQ(model.Scrollbar->Name, "Scrollbar");
    const TDataSkinObject& bar = *model.MenuBar;
    EXPECT_EQ(bar.Frame, 2);
    EXPECT_EQ(bar.Name, "Personality");
    EXPECT_EQ(bar.LeftWidth, 1);
    EXPECT_EQ(bar.RightWidth, 1);
    EXPECT_EQ(bar.Tile, 0);
}

TEST(SkinLoader, CheckAndRadioStripsDeriveTheirCellCounts) {
    TSkinModel model;
    Load(model, TTestPackage{"[Buttons]\nRadioButton=r.bmp\nCheckButton=c.bmp\n", {}}
                    .Bmp("r.bmp", 52, 13)
                    .Bmp("c.bmp", 48, 16));
    EXPECT_EQ(model.Buttons.RadioButtonFrame, 4) << "13-pixel cells";
    EXPECT_EQ(model.Buttons.CheckButtonFrame, 4) << "16-pixel cells give 3, raised to 4";
    Load(model, TTestPackage{"[Buttons]\nRadioButton=r.bmp\nRadioButtonFrame=2\n", {}}.Bmp("r.bmp",
                                                                                           96, 16));
    EXPECT_EQ(model.Buttons.RadioButtonFrame, 2);
    EXPECT_EQ(model.Buttons.CheckButtonFrame, 4);
}

TEST(SkinLoader, MdiControlsAreSplitIntoThreeButtons) {
    TSkinModel model;
    Load(model, TTestPackage{"[MDICONTROLS]\nImage=mdi.bmp\n[Button1]\nButtonImage=b.bmp\n", {}}
                    .Bmp("mdi.bmp", 120, 9)
                    .Bmp("b.bmp", 30, 10));
    ASSERT_EQ(model.SysButtons.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        const TDataSkinSysButton& b = *model.SysButtons[1 + size_t(i)];
        ASSERT_EQ(b.Bitmap.Width(), 40);
        EXPECT_EQ(b.Bitmap.Height(), 9);
        EXPECT_EQ(b.Xcoord, 42 - 14 * i);
        EXPECT_EQ(RedOf(b.Bitmap.Pixel(0, 0)), 40 * i) << "columns 40i onwards";
        EXPECT_EQ(RedOf(b.Bitmap.Pixel(39, 8)), 40 * i + 39);
    }
}

TEST(SkinLoader, TitleSettingsComeFromPersonalityAndFonts) {
    TSkinModel model;
    Load(model, TTestPackage{"[Personality]\nTextBack=tb.bmp\nTextShift=5\nTextShiftVert=-2\n"
                             "TextRightClip=40\nTextAlignment=1\nTextbackground=1\nTXTBackleft=6\n"
                             "TXTBackRight=7\n[Fonts]\nFontHeight=17\n",
                             {}}
                    .Bmp("tb.bmp", 30, 40));
    const TDataSkinTitle& t = model.Title;
    EXPECT_EQ(t.Bitmap.Width(), 30);
    EXPECT_EQ(t.LeftWidth, 5);
    EXPECT_EQ(t.TopHeight, -2);
    EXPECT_EQ(t.RightWidth, 40);
    EXPECT_EQ(t.BottomHeight, 0);
    EXPECT_EQ(t.TextAlignment, 1);
    EXPECT_EQ(t.Textbackground, 1);
    EXPECT_EQ(t.FontHeight, 17);
    EXPECT_EQ(t.TXTBackleft, 6);
    EXPECT_EQ(t.TXTBackRight, 7);
}

TEST(SkinLoader, AReloadReplacesTheWholeModel) {
    TSkinModel model;
    Load(model,
         TTestPackage{"[TitlebarSkin]\nSkinName=First\n[Tabs]\nImage=t.bmp\n[Colours]\n"
                      "ButtonFace=1 1 1\n[Colour1]\ncolor=1 1 1\n[Button1]\nButtonImage=t.bmp\n"
                      "[Personality]\nLeft=t.bmp\nTextShift=9\n",
                      {}}
             .Bmp("t.bmp", 10, 10));
    ASSERT_NE(model.Tabs, nullptr);
    const TDataSkinBorder* left = &model.BorderLeft;
    Load(model, {"[TitlebarSkin]\nSkinName=Second\n", {}});
    EXPECT_EQ(model.SkinName, "Second");
    EXPECT_EQ(model.Tabs, nullptr);
    EXPECT_EQ(model.ButtonFaceColour, SysBtnFace);
    EXPECT_TRUE(model.ColourTable.empty());
    EXPECT_EQ(model.SysButtons.size(), 3u);
    EXPECT_TRUE(model.BorderLeft.Bitmap.Empty());
    EXPECT_EQ(&model.BorderLeft, left) << "always-present elements stay where they are";
    EXPECT_EQ(model.Title.LeftWidth, 0);
}

TEST(SkinLoader, ARefusedPackageLeavesTheModelAndSaysWhy) {
    TSkinModel model;
    Load(model, {"[TitlebarSkin]\nSkinName=Kept\n", {}});
    std::vector<uint8_t> container = BuildContainer({{"a.ini", {'x'}}});
    container[0] = 0x1F; // version 19999 + ...: any other version is refused
    std::vector<std::string> notices;
    EXPECT_FALSE(model.LoadSkin(LzhCompress(container),
                                [&](const std::string& text) { notices.push_back(text); }));
    EXPECT_FALSE(model.SkinLoaded);
    EXPECT_EQ(model.SkinName, "Kept");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_FALSE(model.LoadSkin(std::vector<uint8_t>{1, 2}));
}

} // namespace
