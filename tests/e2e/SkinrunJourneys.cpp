// Programs no one here wrote, run skinned by skinrun: Wine's own notepad, as a
// person uses it, by mouse and keyboard, through its menus and dialogs, its
// window resized, minimised and restored, and closed.
#include "tests/e2e/SkinrunJourney.h"

#include <string>

namespace e2e {
namespace {

// Where notepad's parts lie in its window at 96 DPI in the Neon skin: the
// menu bar's titles, the first line of the page, the status bar.
constexpr int ViewMenuX = 135;
constexpr int PageTop = 52;
constexpr int StatusBarHeight = 22;

TEST_F(SkinrunJourney, NotepadIsSkinnedThroughItsMenusDialogsAndWindowChanges) {
    const std::string title = "Untitled - Notepad";
    const Box window = LaunchSkinned("notepad.exe", title).box;
    const Picture started =
        StepWhen("skinned", "the title and menu bars in the skin's dark colours",
                 [&](const Picture& s) { return MostlyDark(s, Bars(window)); });
    const Box statusBar{window.left + 8, window.Bottom() - StatusBarHeight - 6, 200,
                        StatusBarHeight};

    // By mouse: View, then its one item, takes the status bar away.
    Screen().Click({window.left + ViewMenuX, window.top + MenuRowY});
    const Box dropDown{window.left + ViewMenuX - 10, window.top + FirstItemY - 8, 90, 16};
    StepWhen("view-menu", "the View drop-down in the skin", [&](const Picture& s) {
        return CountUnlike(s, dropDown, Paper) > dropDown.width * dropDown.height / 2;
    });
    Screen().Click({window.left + ViewMenuX + 20, window.top + FirstItemY});
    StepWhen("status-bar-off", "the status bar gone", [&](const Picture& s) {
        return CountChanged(s, started, statusBar) > 50 && CountChanged(s, started, dropDown) == 0;
    });
    // By keyboard: Alt+V and Enter bring it back.
    Screen().Key("alt+v");
    Screen().Key("Return");
    StepWhen("status-bar-on", "the status bar back",
             [&](const Picture& s) { return CountChanged(s, started, statusBar) == 0; });

    // The top of the page, room for a line of large print.
    const Box firstLine{window.left + 10, window.top + PageTop, 500, 100};
    Screen().Type("Skinned by skinrun");
    const Picture typed = StepWhen("typed", "the words on the page", [&](const Picture& s) {
        return CountUnlike(s, firstLine, Paper) > 60;
    });
    const int typedInk = CountUnlike(typed, firstLine, Paper);

    // The Font dialog from the Edit menu by its letters: a larger size,
    // typed into its box, and OK.
    Screen().Key("alt+e");
    Screen().Key("f");
    const Box font = WindowOf("Font");
    StepWhen("font-dialog", "the Font dialog in the skin",
             [&](const Picture& s) { return MostlyDark(s, Title(font)); });
    Screen().Key("alt+s");
    Screen().Type("24");
    Screen().Key("Return");
    WaitForNoWindow("Font");
    StepWhen("larger-font", "the words larger",
             [&](const Picture& s) { return CountUnlike(s, firstLine, Paper) > typedInk * 3 / 2; });

    // The Open dialog comes up in the skin and goes with Escape.
    Screen().Key("ctrl+o");
    const Box open = WindowOf("Open");
    StepWhen("open-dialog", "the Open dialog in the skin",
             [&](const Picture& s) { return MostlyDark(s, Title(open)); });
    Screen().Key("Escape");
    WaitForNoWindow("Open");

    // The window follows a drag of its corner, frame and all.
    const Point corner{window.Right() - 3, window.Bottom() - 3};
    Screen().Drag(corner, {corner.x - 200, corner.y - 120});
    StepWhen("resized", "the window smaller, in the skin", [&](const Picture& s) {
        const Box now = WindowOf(title);
        return now.width <= window.width - 190 && now.height <= window.height - 110 &&
               MostlyDark(s, Bars(now));
    });
    const Box resized = WindowOf(title);

    // Minimised and restored from the system menu.
    Screen().Key("alt+space");
    Step("system-menu");
    Screen().Key("n");
    StepMinimisedAndRestored(title, resized);

    // Closing asks about the words in the skin's box; No ends notepad well.
    Screen().Key("alt+F4");
    StepWhenSkinnedBox("save-question", "Notepad");
    Screen().Key("n");
    EXPECT_EQ(WaitForExit(), 0);
    EXPECT_EQ(LibraryErrors(), 0);
}

} // namespace
} // namespace e2e
