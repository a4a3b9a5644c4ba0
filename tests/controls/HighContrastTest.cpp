// A high-contrast theme turned on and off while skinned windows are open:
// frames, control skinners and popup menus step aside, every window looks
// as it does with skinning switched off, and the skin comes back whole when
// the theme ends, without a leaked object. The system's setting is played
// through the engine's seam and announced as the system announces it.
#include "tests/controls/ControlsFixture.h"
#include "tests/guitest/LeakCheck.h"

#include "skin/WinSubClass/HighContrast.h"
#include "skin/WinSubClass/SettingWatch.h"

using namespace skin;
using namespace controlstest;

namespace {

class HighContrast : public ControlsTest {
protected:
    HighContrast() : replaced_(highcontrast::ReplaceQuery([this] { return on_; })) {}
    ~HighContrast() override { highcontrast::ReplaceQuery(std::move(replaced_)); }

    // Turns the theme on or off and tells every top-level window, as the
    // system does after the setting changed.
    void Turn(bool on) {
        on_ = on;
        Announce(SPI_SETHIGHCONTRAST);
    }
    static void Announce(UINT setting) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, setting, 0, SMTO_ABORTIFHUNG, 2000,
                            &result);
        frametest::Settle();
    }

    // A skinned form with a push button that has the focus.
    tk::Form& FormWithButton() {
        tk::Form& form = SkinnedForm();
        button_ = &Place<tk::Button>(form, 20, 20, 75, 25);
        button_->SetCaption("OK");
        frame_->SkinFormControls(form);
        button_->SetFocus();
        frametest::Settle();
        return form;
    }
    static bool Framed(HWND window) {
        return SendMessageW(window, WM_SKINQUERY, 0, 0) == SkinQueryAnswer;
    }
    // Whether the system's popup menu shown from `owner` had a skinner while
    // it was open.
    static bool PopupMenuSkinned(HWND owner) {
        static bool skinned = false;
        skinned = false;
        HMENU menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, 1, L"One");
        AppendMenuW(menu, MF_STRING, 2, L"Two");
        SetTimer(owner, 7, 50, [](HWND owner, UINT, UINT_PTR id, DWORD) {
            HWND popup = FindWindowW(L"#32768", nullptr);
            if (!popup || !IsWindowVisible(popup)) {
                return;
            }
            KillTimer(owner, id);
            skinned = SkinManager->IsPopupMenuWindow(popup);
            EndMenu();
        });
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RETURNCMD, 200, 200, 0, owner, nullptr);
        DestroyMenu(menu);
        frametest::Settle();
        return skinned;
    }

    tk::Button* button_ = nullptr;
    bool on_ = false;
    highcontrast::Query replaced_;
};

TEST_F(HighContrast, SkinnedWindowsLookAsWithSkinningOffUntilTheThemeEnds) {
    tk::Form& form = FormWithButton();
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, 1, L"File");
    HWND raw = CreateWindowExW(0, frametest::RawClass, L"Raw", frametest::RawStyle, 420, 60, 300,
                               200, nullptr, bar, GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(raw);
    ShowWindow(raw, SW_SHOW);
    SetForegroundWindow(form.Handle());
    frametest::Settle();
    ASSERT_TRUE(Framed(form.Handle()));
    ASSERT_TRUE(Framed(raw));
    ASSERT_EQ(GetMenu(raw), nullptr) << "the skin draws the menu bar itself";
    ASSERT_NE(SkinnerOf(*button_), nullptr);
    ASSERT_TRUE(PopupMenuSkinned(form.Handle()));
    const guitest::Capture skinned = guitest::CaptureWindow(form.Handle());

    Turn(true);
    EXPECT_TRUE(SkinManager->StandingAside());
    EXPECT_FALSE(Framed(form.Handle()));
    EXPECT_FALSE(Framed(raw));
    EXPECT_EQ(GetMenu(raw), bar) << "the native menu bar is back";
    EXPECT_FALSE(PopupMenuSkinned(form.Handle()));
    EXPECT_EQ(form.GetColor(), tk::clBtnFace);
    const guitest::Capture aside = guitest::CaptureWindow(form.Handle());
    EXPECT_NE(aside.At(aside.width / 2, 4), skinned.At(skinned.width / 2, 4)) << "title bar";

    Turn(false);
    EXPECT_FALSE(SkinManager->StandingAside());
    ASSERT_TRUE(Framed(form.Handle()));
    EXPECT_TRUE(Framed(raw));
    EXPECT_EQ(GetMenu(raw), nullptr);
    frame_ = frametest::FrameOf(form.Handle());
    EXPECT_NE(SkinnerOf(*button_), nullptr);
    EXPECT_TRUE(PopupMenuSkinned(form.Handle()));
    const guitest::Capture back = guitest::CaptureWindow(form.Handle());
    EXPECT_TRUE(guitest::SameRect(skinned, {0, 0, skinned.width, skinned.height}, back, {0, 0}))
        << "the skin came back as it was";

    // What the theme showed is what switching the skin off shows.
    skinData_->SetActive(false);
    frametest::RunPendingAction();
    ASSERT_FALSE(Framed(form.Handle()));
    const guitest::Capture off = guitest::CaptureWindow(form.Handle());
    EXPECT_TRUE(guitest::SameRect(off, {0, 0, off.width, off.height}, aside, {0, 0}));
}

// Settings other than the theme's are announced often (the work area, the
// wallpaper): the frames stay as they are, none is made again.
TEST_F(HighContrast, OtherSettingChangesLeaveTheFramesAlone) {
    tk::Form& form = FormWithButton();
    TWinSkinForm* before = frametest::FrameOf(form.Handle());
    ASSERT_NE(before, nullptr);
    Announce(SPI_SETWORKAREA);
    Announce(SPI_SETDESKWALLPAPER);
    EXPECT_EQ(frametest::FrameOf(form.Handle()), before);
    // Announced twice, the theme stands the skin aside once and brings it
    // back once.
    Turn(true);
    Turn(true);
    EXPECT_FALSE(Framed(form.Handle()));
    Turn(false);
    Turn(false);
    EXPECT_TRUE(Framed(form.Handle()));
}

// A window opened during the theme stays native and is framed when it ends,
// and so is one opened before the skin's first window while the theme was
// already on; a window closed meanwhile is not asked about.
TEST_F(HighContrast, WindowsOpenedDuringTheThemeAreFramedWhenItEnds) {
    on_ = true;
    tk::Form& first = SkinnedForm();
    EXPECT_TRUE(SkinManager->StandingAside());
    EXPECT_FALSE(Framed(first.Handle()));
    tk::Form& second = ShowForm({140, 140, 440, 340}, "Second");
    tk::Form& closed = ShowForm({200, 200, 500, 400}, "Closed");
    EXPECT_FALSE(Framed(second.Handle()));
    delete &closed;
    frametest::Settle();
    Turn(false);
    EXPECT_TRUE(Framed(first.Handle()));
    EXPECT_TRUE(Framed(second.Handle()));
}

// The watch starts listening once the thread's pending messages are
// handled, and then asks once: a theme turned on before it listened is not
// missed. From then on it hears every announcement.
TEST_F(HighContrast, TheWatchListensAfterThePendingPaintsAndCatchesUp) {
    int heard = 0;
    {
        TSettingWatch watch([&heard] { ++heard; });
        EXPECT_EQ(watch.Window(), nullptr);
        frametest::Settle();
        ASSERT_NE(watch.Window(), nullptr);
        EXPECT_EQ(heard, 1);
        Announce(SPI_SETHIGHCONTRAST);
        EXPECT_EQ(heard, 2);
    }
    Announce(SPI_SETHIGHCONTRAST);
    EXPECT_EQ(heard, 2) << "a watch that is gone hears nothing";
}

TEST_F(HighContrast, TwentyThemeSwitchesLeakNothing) {
    tk::Form& form = FormWithButton();
    HWND raw = ShowRaw({420, 60, 720, 260});
    guitest::ExpectFlat(20, [&] {
        Turn(true);
        Turn(false);
    });
    EXPECT_TRUE(Framed(form.Handle()));
    EXPECT_TRUE(Framed(raw));
}

} // namespace
