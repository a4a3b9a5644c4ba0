// Wine's wordpad run skinned by skinrun, named without its folder as one
// types it into the Run box: words typed and set larger through the Font
// dialog by keyboard, a menu by mouse, the window resized, minimised from
// its caption button and restored, and closed without saving.
#include "tests/e2e/SkinrunJourney.h"

#include <string>

namespace e2e {
namespace {

// Where wordpad's parts lie in its window at 96 DPI in the Neon skin: the
// Edit and View menus' titles, the Ruler item, the ruler, the top of the
// page.
constexpr int EditMenuX = 55;
constexpr int ViewMenuX = 88;
constexpr int RulerItemY = 101;
constexpr int RulerTop = 105;
constexpr int PageTop = 125;

TEST_F(SkinrunJourney, WordpadIsSkinnedThroughItsFontDialogMenusAndWindowChanges) {
    // Wordpad lives in a folder of its own, found through its App Paths
    // entry as Windows registers it (Wine's prefix registers none).
    Wine().SetUserString("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wordpad.exe", "",
                         "\"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe\"");
    const std::string title = "Document - Wine Wordpad";
    const Box window = LaunchSkinned("wordpad.exe", title).box;
    StepWhen("skinned", "the title and menu bars in the skin's dark colours",
             [&](const Picture& s) { return MostlyDark(s, Bars(window)); });

    const Box page{window.left + 8, window.top + PageTop, window.width - 40, 100};
    Screen().Type("Skinned by skinrun");
    const Picture typed = StepWhen("typed", "the words on the page", [&](const Picture& s) {
        return CountUnlike(s, page, Paper) > 60;
    });
    const int typedInk = CountUnlike(typed, page, Paper);

    // All of it set larger: Format > Font by its letters, the size typed
    // into its box, and OK.
    Screen().Key("ctrl+a");
    Screen().Key("alt+o");
    Step("format-menu");
    Screen().Key("f");
    const Box font = WindowOf("Font");
    StepWhen("font-dialog", "the Font dialog in the skin",
             [&](const Picture& s) { return MostlyDark(s, Title(font)); });
    Screen().Key("alt+s");
    Screen().Type("24");
    Step("font-size");
    Screen().Key("Return");
    WaitForNoWindow("Font");
    StepWhen("larger-font", "the words larger",
             [&](const Picture& s) { return CountUnlike(s, page, Paper) > typedInk * 3 / 2; });

    // By mouse: View, in the skin, then Ruler takes the ruler away.
    const Picture before = Settle();
    Screen().Click({window.left + ViewMenuX, window.top + MenuRowY});
    const Box dropDown{window.left + ViewMenuX - 5, window.top + FirstItemY + 10, 60, 40};
    StepWhen("view-menu", "the View drop-down in the skin",
             [&](const Picture& s) { return MostlyDark(s, dropDown); });
    Screen().Click({window.left + ViewMenuX + 20, window.top + RulerItemY});
    const Box ruler{window.left + 20, window.top + RulerTop, window.width - 60, 12};
    StepWhen("ruler-off", "the ruler gone", [&](const Picture& s) {
        return CountChanged(s, before, ruler) > 200 && !MostlyDark(s, dropDown);
    });

    // The Edit menu by mouse, in the skin, and away again with Escape.
    const Picture rulerOff = Settle();
    Screen().Click({window.left + EditMenuX, window.top + MenuRowY});
    const Box editDropDown{window.left + EditMenuX - 5, window.top + FirstItemY + 10, 90, 150};
    StepWhen("edit-menu", "the Edit drop-down in the skin",
             [&](const Picture& s) { return MostlyDark(s, editDropDown); });
    Screen().Key("Escape");
    Screen().Key("Escape");
    // The page where the drop-down lay is as it was (the tool bar above it
    // follows the Edit menu's commands, enabled or not).
    const Box underDropDown{editDropDown.left, window.top + PageTop - 20, editDropDown.width,
                            window.height - PageTop - 10};
    StepWhen("edit-menu-closed", "the Edit drop-down gone",
             [&](const Picture& s) { return CountChanged(s, rulerOff, underDropDown) == 0; });

    // The window follows a drag of its corner outwards, frame and all.
    const Point corner{window.Right() - 3, window.Bottom() - 3};
    Screen().Drag(corner, {corner.x + 200, corner.y + 150});
    StepWhen("resized", "the window larger, in the skin", [&](const Picture& s) {
        const Box now = WindowOf(title);
        return now.width >= window.width + 190 && now.height >= window.height + 140 &&
               MostlyDark(s, Bars(now));
    });
    const Box resized = WindowOf(title);

    // Minimised by the caption's button, restored from the system menu.
    Screen().Click({resized.Right() - MinimiseFromRight, resized.top + CaptionButtonY});
    StepMinimisedAndRestored(title, resized);

    // Closing asks about the words in the skin's box; No ends wordpad well.
    Screen().Key("alt+F4");
    StepWhenSkinnedBox("save-question", "Wine Wordpad");
    Screen().Key("n");
    EXPECT_EQ(WaitForExit(), 0);
    EXPECT_EQ(LibraryErrors(), 0);
}

} // namespace
} // namespace e2e
