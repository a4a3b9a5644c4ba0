// Wine's regedit run skinned by skinrun: its menus by mouse and keyboard, its
// Find dialog filled in and run, the window resized, minimised from its
// caption button and restored from the system menu, and closed from its menu.
#include "tests/e2e/SkinrunJourney.h"

#include <string>

namespace e2e {
namespace {

// Where regedit's parts lie in its window at 96 DPI in the Neon skin: the
// menu bar's titles, the Edit menu's Find item, the tree's
// HKEY_CURRENT_USER, the status bar.
constexpr int EditMenuX = 79;
constexpr int ViewMenuX = 111;
constexpr int FindItemY = 165;
constexpr Point CurrentUserRow{110, 91};
constexpr int StatusBarHeight = 22;
// The Find dialog's check boxes, by their labels, and their marks.
constexpr int CheckLabelX = 40;
constexpr int CheckMarkX = 17;
constexpr int ValueNamesY = 112;
constexpr int ValueContentY = 131;
constexpr int WholeStringY = 151;

// The skin's check mark is bright on the dark dialog.
int LitPixels(const Picture& screen, const Box& box) {
    return CountUnlike(screen, box, MakeRgb(0x1A, 0x1C, 0x28), 150);
}

Box CheckMark(const Box& dialog, int y) {
    return {dialog.left + CheckMarkX, dialog.top + y - 6, 12, 12};
}

TEST_F(SkinrunJourney, RegeditIsSkinnedThroughItsMenusFindDialogAndWindowChanges) {
    const std::string title = "Registry Editor";
    const Box window = LaunchSkinned("regedit.exe", title).box;
    const Picture started =
        StepWhen("skinned", "the title and menu bars in the skin's dark colours",
                 [&](const Picture& s) { return MostlyDark(s, Bars(window)); });
    const Box statusBar{window.left + 6, window.Bottom() - StatusBarHeight - 4, 300,
                        StatusBarHeight};

    // By keyboard: Alt+V, in the skin, and its first item takes the status
    // bar away; the same brings it back.
    Screen().Key("alt+v");
    const Box viewDropDown{window.left + ViewMenuX, window.top + FirstItemY + 10, 90, 50};
    StepWhen("view-menu", "the View drop-down in the skin",
             [&](const Picture& s) { return MostlyDark(s, viewDropDown); });
    Screen().Key("Return");
    StepWhen("status-bar-off", "the status bar gone", [&](const Picture& s) {
        return CountChanged(s, started, statusBar) > 50 &&
               CountChanged(s, started, viewDropDown) == 0;
    });
    Screen().Key("alt+v");
    Screen().Key("Return");
    StepWhen("status-bar-on", "the status bar back",
             [&](const Picture& s) { return CountChanged(s, started, statusBar) == 0; });

    // HKEY_CURRENT_USER picked in the tree names itself in the status bar.
    Screen().Click(Point{window.left, window.top} + CurrentUserRow);
    const Picture picked =
        StepWhen("current-user", "the key's name in the status bar",
                 [&](const Picture& s) { return CountChanged(s, started, statusBar) > 50; });

    // By mouse: Edit, in the skin, then Find.
    Screen().Click({window.left + EditMenuX, window.top + MenuRowY});
    const Box editDropDown{window.left + EditMenuX - 5, window.top + FirstItemY + 10, 110, 110};
    StepWhen("edit-menu", "the Edit drop-down in the skin",
             [&](const Picture& s) { return MostlyDark(s, editDropDown); });
    Screen().Click({window.left + EditMenuX + 20, window.top + FindItemY});
    const Box find = WindowOf("Find");
    const Picture found = StepWhen("find-dialog", "the Find dialog in the skin",
                                   [&](const Picture& s) { return MostlyDark(s, Title(find)); });
    EXPECT_GT(LitPixels(found, CheckMark(find, ValueNamesY)), 10);
    EXPECT_LT(LitPixels(found, CheckMark(find, WholeStringY)), 10);

    // A key's whole name only: two boxes unticked, one ticked, by their
    // labels; the word typed; Return finds it.
    Screen().Type("Software");
    Screen().Click({find.left + CheckLabelX, find.top + ValueNamesY});
    Screen().Click({find.left + CheckLabelX, find.top + ValueContentY});
    Screen().Click({find.left + CheckLabelX, find.top + WholeStringY});
    StepWhen("find-filled", "two boxes unticked and one ticked", [&](const Picture& s) {
        return LitPixels(s, CheckMark(find, ValueNamesY)) < 10 &&
               LitPixels(s, CheckMark(find, ValueContentY)) < 10 &&
               LitPixels(s, CheckMark(find, WholeStringY)) > 10;
    });
    Screen().Key("Return");
    WaitForNoWindow("Find");
    // HKEY_CURRENT_USER\Software is picked: a longer name in the status bar.
    const int pickedInk = LitPixels(picked, statusBar);
    StepWhen("key-found", "the found key's longer name in the status bar",
             [&](const Picture& s) { return LitPixels(s, statusBar) > pickedInk + 100; });

    // The window follows a drag of its corner, frame and all.
    const Point corner{window.Right() - 3, window.Bottom() - 3};
    Screen().Drag(corner, {corner.x - 200, corner.y - 120});
    StepWhen("resized", "the window smaller, in the skin", [&](const Picture& s) {
        const Box now = WindowOf(title);
        return now.width <= window.width - 190 && now.height <= window.height - 110 &&
               MostlyDark(s, Bars(now));
    });
    const Box resized = WindowOf(title);

    // Minimised by the caption's button, restored from the system menu.
    Screen().Click({resized.Right() - MinimiseFromRight, resized.top + CaptionButtonY});
    StepMinimisedAndRestored(title, resized);

    // Registry > Exit by its letters ends regedit well.
    Screen().Key("alt+r");
    Step("registry-menu");
    Screen().Key("x");
    EXPECT_EQ(WaitForExit(), 0);
    EXPECT_EQ(LibraryErrors(), 0);
}

} // namespace
} // namespace e2e
