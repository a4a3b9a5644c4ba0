// The skin component: its options, switching on and off, loading a skin file
// and the class filter the manager asks.
#include "tests/frame/FrameFixture.h"

#include "tests/guitest/BoxRefuser.h"

#include "toolkit/ClassRegistry.h"
#include "toolkit/DesignReader.h"

#include <commctrl.h>

#include <cstdio>

using namespace skin;
using namespace frametest;

namespace {

using SkinComponent = FrameTest;

TEST_F(SkinComponent, StartsWithTheDocumentedOptions) {
    TSkinData data(nullptr);
    EXPECT_FALSE(data.Active());
    EXPECT_EQ(data.DisableTag(), 99);
    EXPECT_EQ(data.SkinControls(), 0x3FFFFu);
    EXPECT_EQ(data.Skin3rd().size(), 85u);
    EXPECT_EQ(data.Skin3rd().front(), "TTBDock=Panel");
    EXPECT_EQ(data.SkinFormtype(), TSkinFormType::sfMainform);
    EXPECT_TRUE(data.MenuUpdate());
    data.SetVersion("1.0");
    data.SetSkinStore("(Good)");
    EXPECT_EQ(data.Version(), "2.68.9.07");
    EXPECT_EQ(data.SkinStore(), "(none)");
    // The four system menu glyphs come from the program's bitmap resource.
    ASSERT_NE(data.MenuGlyphs(), nullptr);
    EXPECT_EQ(ImageList_GetImageCount(data.MenuGlyphs()), 4);
}

TEST_F(SkinComponent, ActiveInTheDesignSwitchesOnOnceLoaded) {
    TSkinData& data = AddSkin(ShippedSkin("kanvio_neon"));
    ASSERT_TRUE(SkinManager);
    EXPECT_TRUE(SkinManager->HookInstalled());
    // Before any window was activated the switch takes effect at once.
    EXPECT_TRUE(SkinManager->Enabled());
    EXPECT_FALSE(SkinManager->TimerArmed());
    EXPECT_TRUE(data.Active());
}

TEST_F(SkinComponent, WithoutASkinActiveIsClearedAndNothingSwitchesOn) {
    TSkinData& data = AddSkin({});
    EXPECT_FALSE(data.Active());
    EXPECT_FALSE(SkinManager->Enabled());
}

TEST_F(SkinComponent, SwitchingIsScheduledOnlyForAChange) {
    TSkinData& data = AddSkin(ShippedSkin("kanvio_neon"));
    SkinManager->MarkActivated();
    data.SetActive(true);
    EXPECT_FALSE(SkinManager->TimerArmed());
    data.SetActive(false);
    EXPECT_TRUE(SkinManager->TimerArmed());
    EXPECT_EQ(SkinManager->PendingAction(), TSkinAction::SwitchOff);
    int changed = 0;
    data.OnSkinChanged = [&](tk::Component&) { ++changed; };
    guitest::PumpFor(400);
    EXPECT_FALSE(SkinManager->Enabled());
    EXPECT_FALSE(SkinManager->TimerArmed());
    EXPECT_EQ(changed, 1);
}

TEST_F(SkinComponent, ADialogComponentOnlyStoresActive) {
    AddSkin(ShippedSkin("kanvio_neon"));
    TSkinData& dialogs = AddSkin(ShippedSkin("kanvio_daylight"), TSkinFormType::sfDialog, false);
    SkinManager->MarkActivated();
    dialogs.SetActive(true);
    EXPECT_TRUE(dialogs.Active());
    EXPECT_FALSE(SkinManager->TimerArmed());
}

TEST_F(SkinComponent, ASkinFileIsLoadedAndEveryFrameTakesIt) {
    TSkinData& data = AddSkin(ShippedSkin("kanvio_neon"));
    HWND window = ShowRaw({40, 40, 340, 240});
    ASSERT_NE(FrameOf(window), nullptr);
    data.SetSkinFile(ShippedSkinPath("kanvio_daylight"));
    EXPECT_TRUE(data.SkinLoaded);
    EXPECT_EQ(data.SkinName, "Kanvio Daylight");
    EXPECT_EQ(SkinManager->PendingAction(), TSkinAction::SkinChanged);
    EXPECT_TRUE(SkinManager->TimerArmed());
}

// A file that is not there loads nothing and takes nothing away: the skin
// stays loaded and new windows are still framed with it.
TEST_F(SkinComponent, AMissingSkinFileKeepsTheSkinLoaded) {
    TSkinData& data = AddSkin(ShippedSkin("kanvio_neon"));
    std::vector<std::string> notices;
    data.OnNotice = [&](const std::string& text) { notices.push_back(text); };
    data.SetSkinFile("Z:\\no\\such\\skin.skn");
    EXPECT_EQ(data.SkinFile(), "Z:\\no\\such\\skin.skn");
    EXPECT_TRUE(data.SkinLoaded);
    EXPECT_EQ(data.SkinName, "Kanvio Neon");
    EXPECT_EQ(notices.size(), 1u);
    HWND window = ShowRaw({40, 40, 340, 240});
    EXPECT_NE(FrameOf(window), nullptr);
}

// A package the reader refuses, given while a skin works, leaves that skin
// in place: the frames go on painting it, new windows still get a frame,
// and the notice says why and that the skin stays.
TEST_F(SkinComponent, ARefusedSkinFileKeepsTheSkinThatWorks) {
    TSkinData& data = AddSkin(TOddSkin().Build());
    std::vector<std::string> notices;
    data.OnNotice = [&](const std::string& text) { notices.push_back(text); };
    HWND window = ShowRaw({40, 40, 340, 240});
    ASSERT_NE(FrameOf(window), nullptr);
    const guitest::Capture before = guitest::CaptureWindow(window);
    ASSERT_TRUE(guitest::PixelIs(before, 1, 100, TOddSkin::LeftActive));
    const std::vector<uint8_t> stream = data.SkinStream();

    const std::string bogus = "skin-component-refused.skn";
    std::ofstream(bogus, std::ios::binary) << "not a skin package at all";
    data.SetSkinFile(bogus);
    std::remove(bogus.c_str());

    EXPECT_TRUE(data.SkinLoaded);
    EXPECT_EQ(data.SkinStream(), stream) << "the working skin's package stays stored";
    EXPECT_NE(SkinManager->PendingAction(), TSkinAction::SkinChanged) << "nothing to change";
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].find("The skin package is damaged: "), 0u) << notices[0];
    EXPECT_NE(notices[0].find(KeptSkinNotice), std::string::npos) << notices[0];

    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Settle();
    const guitest::Capture after = guitest::CaptureWindow(window);
    EXPECT_TRUE(guitest::PixelIs(after, 1, 100, TOddSkin::LeftActive));
    EXPECT_TRUE(guitest::SameRect(before, {0, 0, before.width, before.height}, after, {0, 0}));
    EXPECT_NE(FrameOf(ShowRaw({60, 60, 360, 260})), nullptr) << "a new window is still framed";
}

// A frame keeps its caption buttons by reference to the skin's elements; a
// new skin replaces them at once, so a frame painted before the manager's
// SkinChanged action (a menu rebuilt, a dialog closed over it) draws no
// freed element.
TEST_F(SkinComponent, ANewSkinsCaptionButtonsAreTakenAtOnce) {
    TSkinData& data = AddSkin(TOddSkin().Build());
    HWND window = ShowRaw({40, 40, 340, 240});
    TWinSkinForm* frame = FrameOf(window);
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(data.SetSkinStream(ShippedSkin("kanvio_daylight")));
    ASSERT_EQ(frame->FSysButtons.size(), data.SysButtons.size());
    for (size_t i = 0; i < data.SysButtons.size(); ++i) {
        EXPECT_EQ(&frame->FSysButtons[i]->FElement, data.SysButtons[i].get()) << i;
    }
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    data.ApplySkinChange();
    RunPendingAction();
    Settle();
    EXPECT_EQ(FrameOf(window), frame);
}

// Without a skin that works there is nothing to keep: a refused package
// leaves none loaded and the notice gives the reason alone.
TEST_F(SkinComponent, ARefusedFirstPackageLeavesNoSkin) {
    TSkinData& data = AddSkin({}, TSkinFormType::sfMainform, false);
    std::vector<std::string> notices;
    data.OnNotice = [&](const std::string& text) { notices.push_back(text); };
    EXPECT_FALSE(data.SetSkinStream({1, 2, 3}));
    EXPECT_FALSE(data.SkinLoaded);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].find(KeptSkinNotice), std::string::npos) << notices[0];
}

// The skin layer reports what went wrong with a package; showing it is the
// application's business, so the component alone opens no box.
TEST_F(SkinComponent, TheComponentAloneShowsNoNotice) {
    TSkinData& data = AddSkin(TOddSkin().Build());
    data.OnNotice = TSkinData(nullptr).OnNotice;
    ASSERT_TRUE(data.OnNotice);
    const guitest::TBoxRefuser boxes;
    EXPECT_FALSE(data.SetSkinStream({1, 2, 3}));
    data.SetSkinFile("Z:\\no\\such\\skin.skn");
    EXPECT_TRUE(data.SkinLoaded);
    EXPECT_EQ(boxes.Refused(), 0);
}

TEST_F(SkinComponent, TheClassFilterRefusesCalendarsAndReportClasses) {
    TSkinData& data = AddSkin(ShippedSkin("kanvio_neon"));
    const auto accepts = [&](const std::string& name) {
        bool accept = true;
        data.AcceptsWindowClass(name, accept);
        return accept;
    };
    EXPECT_FALSE(accepts("SysMonthCal32"));
    EXPECT_TRUE(accepts("TfrPreview"));
    data.SetSkinControls(data.SkinControls() | SkinControlBit(xcFastReport));
    EXPECT_FALSE(accepts("TfrPreview"));
    EXPECT_TRUE(accepts("tfrPreview"));
    // An OnFormSkin handler decides alone.
    data.OnFormSkin = [](TSkinData&, const std::string& name, bool& doSkin) {
        doSkin = name == "SysMonthCal32";
    };
    EXPECT_TRUE(accepts("SysMonthCal32"));
    EXPECT_FALSE(accepts("TForm"));
}

TEST_F(SkinComponent, TheDesignGivesEveryOption) {
    tk::ClassRegistry classes;
    classes.Register<TSkinData>();
    tk::DesignReader(classes, "Test")
        .Read(app_, "object App: TApplication\n object SkinData1: TSkinData\n"
                    "  Active = True\n  DisableTag = 42\n  SkinControls = [xcMainMenu, xcTab]\n"
                    "  Skin3rd = ('TOne=Panel', 'TTwo=Edit')\n  SkinFormtype = sfDialog\n"
                    "  SkinStore = '(Good)'\n  Version = '9'\n  MenuUpdate = False\n end\nend\n");
    auto& data = *static_cast<TSkinData*>(app_.FindComponent("SkinData1"));
    EXPECT_TRUE(data.Active());
    EXPECT_EQ(data.DisableTag(), 42);
    EXPECT_EQ(data.SkinControls(), SkinControlBit(xcMainMenu) | SkinControlBit(xcTab));
    EXPECT_EQ(data.Skin3rd(), (std::vector<std::string>{"TOne=Panel", "TTwo=Edit"}));
    EXPECT_EQ(data.SkinFormtype(), TSkinFormType::sfDialog);
    EXPECT_EQ(data.Version(), "2.68.9.07");
    EXPECT_FALSE(data.MenuUpdate());
}

} // namespace
