// Journeys of a skin author through skinview's own menus: opening skins
// through the system's Open dialog, the recent list, reloading by F5 and by
// --watch while the files change, skins that cannot be loaded, the status
// bar and the About box. Real clicks and keys on a private display; the
// skins are the build's, copied into the journey's work folder, which the
// program sees as its current folder.
#include "tests/e2e/Journey.h"
#include "tests/e2e/SkinviewScreen.h"

#include <fstream>
#include <functional>
#include <thread>

namespace fs = std::filesystem;

namespace e2e::skinview {
namespace {

class SkinviewToolJourney : public Journey {
protected:
    // A skin package of the build, copied into the work folder as `as`.
    fs::path CopySkin(const std::string& skin, const std::string& as) {
        const fs::path to = Wine().Folder() / as;
        fs::copy_file(WindowsTree().parent_path() / "skins" / (skin + ".skn"), to,
                      fs::copy_options::overwrite_existing);
        return to;
    }

    // The package unpacked by skinpack into a folder of the work folder.
    fs::path UnpackSkin(const std::string& skin, const std::string& folder) {
        const fs::path to = Wine().Folder() / folder;
        const int status = RunToEnd(
            {KANVIO_E2E_SKINPACK, "unpack",
             (WindowsTree().parent_path() / "skins" / (skin + ".skn")).string(), to.string()},
            EnvironmentWith({}), 60s);
        if (status != 0) {
            throw std::runtime_error("skinpack unpack " + skin + " failed");
        }
        return to;
    }

    SkinviewScreen Start(const std::vector<std::string>& args) {
        return SkinviewScreen(Launch(Program, args, Title));
    }

    // The window as it lies now (a skin of other border widths resizes it).
    SkinviewScreen View() { return SkinviewScreen(WaitForWindow(Title)); }

    // Waits until `holds` is true of the screen and the window as it lies
    // then, keeps the step and gives the window.
    SkinviewScreen
    StepWhenView(const std::string& name, const std::string& what,
                 const std::function<bool(const Picture&, const SkinviewScreen&)>& holds) {
        SkinviewScreen view = View();
        StepWhen(name, what, [&](const Picture& s) {
            view = View();
            return holds(s, view);
        });
        return view;
    }

    // Waits until the window is drawn in `look` and keeps the step.
    SkinviewScreen StepInSkin(const std::string& name, const SkinLook& look) {
        return StepWhenView(
            name, std::string("the window in ") + look.name,
            [&](const Picture& s, const SkinviewScreen& v) { return DrawnIn(s, v, look); });
    }

    // Waits until the window of that title (the dialog's by default) is
    // drawn in the skin's frame with the skin's buttons, keeps the step and
    // gives the window as it then lies (the frame resizes it once skinned).
    template <class Box>
    Box WaitForSkinned(const std::string& step, const SkinLook& look,
                       const char* title = OpenDialog::Title) {
        Box box(WaitForWindow(title));
        const Picture shown =
            StepWhen(step, std::string(title) + " in " + look.name + "'s frame and buttons",
                     [&](const Picture& s) {
                         box = Box(WaitForWindow(title));
                         return box.DrawnIn(s, look);
                     });
        if (!box.DrawnIn(shown, look)) {
            ADD_FAILURE() << title << " lies at " << box.Window().left << "," << box.Window().top
                          << " " << box.Window().width << "x" << box.Window().height;
        }
        return box;
    }

    // File > Recent > entry `index` (from 0), the pointer going along the
    // Recent item into the submenu and then down it, as a hand does (across
    // the File menu's other items the submenu would close).
    void OpenRecentEntry(const SkinviewScreen& view, int index) {
        Screen().Click(view.MenuBarItem(0));
        Step("file-menu");
        Screen().Glide(view.FileRecent());
        Screen().Glide(view.RecentEntry(0));
        Screen().Glide(view.RecentEntry(index));
        Step("recent-entry-" + std::to_string(index + 1));
        Screen().Click(view.RecentEntry(index));
    }

    // Moves the pointer off the window, so nothing shows hot.
    void PointerAway() { Screen().Glide({Screen().Width() - 5, Screen().Height() - 5}); }
};

TEST_F(SkinviewToolJourney, OpensDaylightThroughTheSkinnedOpenDialogAndGoesBackByRecent) {
    CopySkin("kanvio_neon", "neon.skn");
    CopySkin("kanvio_daylight", "kanvio_daylight.skn");
    SkinviewScreen view = Start({"neon.skn"});
    PointerAway();
    const Picture first = StepWhen("started-in-neon", "the window in Kanvio Neon",
                                   [&](const Picture& s) { return DrawnIn(s, view, Neon); });

    Screen().Click(view.MenuBarItem(0));
    Step("file-menu");
    Screen().Glide(view.FileOpen());
    Screen().Click(view.FileOpen());
    const OpenDialog dialog = WaitForSkinned<OpenDialog>("open-dialog-skinned", Neon);

    Screen().Click(dialog.FileNameBox());
    Screen().Type("kanvio_daylight.skn");
    Step("file-name-typed");
    Screen().Glide(dialog.OpenButton());
    Screen().Click(dialog.OpenButton());
    WaitForNoWindow(OpenDialog::Title);
    PointerAway();
    view = StepInSkin("daylight", Daylight);
    EXPECT_NE(Screen().FindWindow("Kanvio Daylight"), std::nullopt) << "the caption names it";

    // Recent lists Daylight first, then the Neon package started with.
    OpenRecentEntry(view, 1);
    PointerAway();
    view = StepInSkin("back-in-neon", Neon);
    const Picture back = Settle();
    EXPECT_EQ(CountChanged(first, back, view.Window()), 0)
        << "the window looks as it did in Neon at the start: no pixel of Daylight's frame is left";
    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(SkinviewToolJourney, OpensAnUnpackedFolderByItsIniAndGoesBackToTheBuiltInSkin) {
    UnpackSkin("kanvio_daylight", "day");
    SkinviewScreen view = Start({});
    PointerAway();
    const Picture builtIn = StepWhen("started-built-in", "the window in Kanvio Neon",
                                     [&](const Picture& s) { return DrawnIn(s, view, Neon); });
    Screen().Click(view.MenuBarItem(0));
    Screen().Glide(view.FileOpen());
    Screen().Click(view.FileOpen());
    const OpenDialog dialog = WaitForSkinned<OpenDialog>("open-dialog", Neon);
    Screen().Click(dialog.FileNameBox());
    Screen().Type("day\\kanvio_daylight.ini");
    Step("ini-typed");
    Screen().Click(dialog.OpenButton());
    WaitForNoWindow(OpenDialog::Title);
    PointerAway();
    view = StepInSkin("folder-in-daylight", Daylight);

    Screen().Click(view.MenuBarItem(0));
    Step("file-menu");
    Screen().Glide(view.FileBuiltIn());
    Screen().Click(view.FileBuiltIn());
    PointerAway();
    view = StepInSkin("built-in-again", Neon);
    EXPECT_EQ(CountChanged(builtIn, Settle(), view.Window()), 0)
        << "the window looks as it did at the start";
    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(SkinviewToolJourney, F5ReloadsThePackageAfterItChanged) {
    const fs::path package = CopySkin("kanvio_neon", "edited.skn");
    SkinviewScreen view = Start({"edited.skn"});
    PointerAway();
    StepWhen("started-in-neon", "the window in Kanvio Neon",
             [&](const Picture& s) { return DrawnIn(s, view, Neon); });
    CopySkin("kanvio_daylight", "edited.skn");
    Step("package-changed-window-not-yet");
    Screen().Key("F5");
    view = StepInSkin("reloaded-in-daylight", Daylight);
    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(SkinviewToolJourney, WatchingAnUnpackedFolderFollowsItsIniAndBitmaps) {
    const fs::path folder = UnpackSkin("kanvio_neon", "my-skin");
    const fs::path daylight = UnpackSkin("kanvio_daylight", "daylight-parts");
    SkinviewScreen view = Start({"my-skin", "--watch"});
    PointerAway();
    StepWhen("started-in-neon", "the window in Kanvio Neon",
             [&](const Picture& s) { return DrawnIn(s, view, Neon); });

    // The author renames the skin in its INI.
    const fs::path ini = folder / "kanvio_neon.ini";
    std::string text;
    {
        std::ifstream in(ini, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::string name = "SkinName=Kanvio Neon";
    ASSERT_NE(text.find(name), std::string::npos);
    text.replace(text.find(name), name.size(), "SkinName=My Edited Neon");
    std::ofstream(ini, std::ios::binary | std::ios::trunc) << text;
    WaitForWindow("My Edited Neon");
    Step("renamed-in-ini");

    // Then repaints the borders: three bitmaps saved at once.
    for (const char* part : {"left.bmp", "right.bmp", "bottom.bmp"}) {
        fs::copy_file(daylight / part, folder / part, fs::copy_options::overwrite_existing);
    }
    StepWhenView(
        "borders-repainted", "the borders in Daylight's colours",
        [&](const Picture& s, const SkinviewScreen& v) { return BordersIn(s, v, Daylight); });
    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(SkinviewToolJourney, ACorruptPackageAndAMissingOneAreReportedAndTheSkinStays) {
    CopySkin("kanvio_neon", "neon.skn");
    const fs::path daylight = CopySkin("kanvio_daylight", "daylight.skn");
    std::ofstream(Wine().Folder() / "corrupt.skn", std::ios::binary)
        << std::string(4000, '\x5A') << "not a skin package";
    SkinviewScreen view = Start({"daylight.skn"});
    // Recent: Daylight, then Neon.
    Screen().Click(view.MenuBarItem(0));
    Screen().Click(view.FileOpen());
    OpenDialog dialog = WaitForSkinned<OpenDialog>("open-dialog", Daylight);
    Screen().Click(dialog.FileNameBox());
    Screen().Type("neon.skn");
    Screen().Key("Return");
    WaitForNoWindow(OpenDialog::Title);
    PointerAway();
    view = StepInSkin("neon-opened", Neon);
    const Picture before = Settle();

    // A damaged package: the reason in a skinned box, Enter closes it.
    Screen().Click(view.MenuBarItem(0));
    Screen().Click(view.FileOpen());
    dialog = WaitForSkinned<OpenDialog>("open-dialog-again", Neon);
    Screen().Click(dialog.FileNameBox());
    Screen().Type("corrupt.skn");
    Screen().Key("Return");
    WaitForNoWindow(OpenDialog::Title);
    WaitForSkinned<MessageBox>("damaged-reported", Neon, MessageBox::FailureTitle);
    Screen().Key("Return");
    WaitForNoWindow(MessageBox::FailureTitle);
    PointerAway();
    StepWhen("neon-stays", "the window as before, in Neon",
             [&](const Picture& s) { return CountChanged(before, s, view.Window()) == 0; });

    // Daylight's package is taken away; its Recent entry says so.
    fs::remove(daylight);
    OpenRecentEntry(view, 1);
    WaitForSkinned<MessageBox>("missing-reported", Neon, MessageBox::FailureTitle);
    Screen().Key("Return");
    WaitForNoWindow(MessageBox::FailureTitle);
    PointerAway();
    StepWhen("neon-stays-again", "the window as before, in Neon",
             [&](const Picture& s) { return CountChanged(before, s, view.Window()) == 0; });
    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(SkinviewToolJourney, TheStatusBarGoesAndComesBackFromTheViewMenu) {
    SkinviewScreen view = Start({});
    PointerAway();
    const Picture shown = StepWhen("started", "the status bar's texts",
                                   [&](const Picture& s) { return StatusBarShown(s, view); });
    Screen().Click(view.MenuBarItem(2));
    const Picture checked = Step("view-menu-checked");
    EXPECT_TRUE(ItemChecked(checked, view, view.ViewStatusBar()));
    Screen().Glide(view.ViewStatusBar());
    Screen().Click(view.ViewStatusBar());
    PointerAway();
    StepWhen("status-bar-hidden", "no status bar",
             [&](const Picture& s) { return !StatusBarShown(s, view); });
    Screen().Click(view.MenuBarItem(2));
    const Picture unchecked = Step("view-menu-unchecked");
    EXPECT_FALSE(ItemChecked(unchecked, view, view.ViewStatusBar()));
    Screen().Glide(view.ViewStatusBar());
    Screen().Click(view.ViewStatusBar());
    PointerAway();
    const Picture again = StepWhen("status-bar-back", "the status bar's texts",
                                   [&](const Picture& s) { return StatusBarShown(s, view); });
    EXPECT_EQ(CountChanged(shown, again, view.StatusBar()), 0) << "drawn as at the start";
    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(SkinviewToolJourney, HelpAboutIsReadInASkinnedBoxAndClosed) {
    SkinviewScreen view = Start({});
    PointerAway();
    const Picture before = Step("started");
    Screen().Click(view.MenuBarItem(3));
    Step("help-menu");
    Screen().Glide(view.HelpAbout());
    Screen().Click(view.HelpAbout());
    const MessageBox about =
        WaitForSkinned<MessageBox>("about-shown", Neon, MessageBox::AboutTitle);
    EXPECT_TRUE(about.ShowsText(Settle())) << "the About box has its text";
    Screen().Key("Return");
    WaitForNoWindow(MessageBox::AboutTitle);
    PointerAway();
    StepWhen("about-closed", "the window as before",
             [&](const Picture& s) { return CountChanged(before, s, view.Window()) == 0; });
    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

} // namespace
} // namespace e2e::skinview
