// Wine's minesweeper run skinned by skinrun: its Game menu by mouse and by
// keyboard, its Custom dialog filled in, the window following the board's
// size (it has no sizing border of its own), minimised and restored, closed.
#include "tests/e2e/SkinrunJourney.h"

#include <string>

namespace e2e {
namespace {

// Where winemine's parts lie in its window at 96 DPI in the Neon skin: the
// Game menu's title and its Intermediate item.
constexpr int GameMenuX = 32;
constexpr int IntermediateY = 137;
constexpr int BeginnerY = IntermediateY - 20;
// Where a ticked item of the Game drop-down shows its tick, left of its
// caption, in the row at `rowY`.
Box TickOf(const Box& window, int rowY) {
    return {window.left + 24, window.top + rowY - 7, 16, 14};
}

// The tick is drawn in the menu's light text colour on its dark face.
bool Ticked(const Picture& screen, const Box& box) {
    constexpr int Light = 170;
    constexpr int TickPixels = 8;
    int light = 0;
    for (int y = box.top; y < box.Bottom(); ++y) {
        for (int x = box.left; x < box.Right(); ++x) {
            const Rgb c = screen.At({x, y});
            light += ((c >> 16) & 0xFF) > Light && ((c >> 8) & 0xFF) > Light && (c & 0xFF) > Light;
        }
    }
    return light >= TickPixels;
}
// A square of the board: the window grows by one for each row or column.
// When winemine sizes its window for a new board it reckons with the
// system's frame, narrower and lower than the skin's, so the skinned window
// falls short by the difference (6 by 11 pixels in the Neon skin) and the
// board's last column and row are cut; the checks allow for that.
constexpr int Square = 16;
constexpr int ShortFall = 12;

// Most of the Game drop-down, below its first item, over the board.
Box DropDown(const Box& window) {
    return {window.left + 16, window.top + FirstItemY + 10, 120, 120};
}

TEST_F(SkinrunJourney, WinemineIsSkinnedThroughItsMenusCustomDialogAndWindowChanges) {
    const std::string title = "WineMine";
    const Box launched = LaunchSkinned("winemine.exe", title).box;
    StepWhen("skinned", "the title and menu bars in the skin's dark colours",
             [&](const Picture& s) { return MostlyDark(s, Bars(launched)); });

    // By keyboard: Alt+G, B starts a beginner's board of 9 by 9, whatever
    // board the last game left.
    Screen().Key("alt+g");
    Step("game-menu-by-keyboard");
    Screen().Key("b");
    StepWhen("beginner", "the drop-down gone and the window in the skin", [&](const Picture& s) {
        const Box now = WindowOf(title);
        return !MostlyDark(s, DropDown(now)) && MostlyDark(s, Bars(now));
    });
    const Box beginner = WindowOf(title);

    // By mouse: Game, in the skin, then Intermediate: a board of 16 by 16
    // where the beginner's is 9 by 9.
    Screen().Click({beginner.left + GameMenuX, beginner.top + MenuRowY});
    StepWhen("game-menu", "the Game drop-down in the skin",
             [&](const Picture& s) { return MostlyDark(s, DropDown(beginner)); });
    Screen().Click({beginner.left + GameMenuX + 30, beginner.top + IntermediateY});
    StepWhen("intermediate", "the window around a board of 16 by 16, in the skin",
             [&](const Picture& s) {
                 const Box now = WindowOf(title);
                 return now.width >= beginner.width + 7 * Square - ShortFall &&
                        now.height >= beginner.height + 7 * Square - ShortFall &&
                        MostlyDark(s, Bars(now));
             });

    // By keyboard again: Alt+G, C opens the Custom dialog in the skin;
    // rows, columns and mines typed over its numbers, and OK.
    Screen().Key("alt+g");
    StepWhen("game-menu-again", "the tick moved from Beginner to Intermediate",
             [&](const Picture& s) {
                 const Box now = WindowOf(title);
                 return Ticked(s, TickOf(now, IntermediateY)) && !Ticked(s, TickOf(now, BeginnerY));
             });
    Screen().Key("c");
    const std::string customTitle = "Custom Game";
    const Box custom = WindowOf(customTitle);
    StepWhen("custom-dialog", "the Custom dialog in the skin",
             [&](const Picture& s) { return MostlyDark(s, Title(custom)); });
    Screen().Key("ctrl+a");
    Screen().Type("10");
    Screen().Key("Tab");
    Screen().Key("ctrl+a");
    Screen().Type("20");
    Screen().Key("Tab");
    Screen().Key("ctrl+a");
    Screen().Type("30");
    Step("custom-filled");
    Screen().Key("Return");
    WaitForNoWindow(customTitle);
    StepWhen("custom-board", "the window around a board of 10 rows of 20, in the skin",
             [&](const Picture& s) {
                 const Box now = WindowOf(title);
                 return now.width >= beginner.width + 11 * Square - ShortFall &&
                        now.height > beginner.height && now.height <= beginner.height + Square &&
                        MostlyDark(s, Bars(now));
             });
    const Box custom20 = WindowOf(title);

    // Minimised and restored from the system menu.
    Screen().Key("alt+space");
    Step("system-menu");
    Screen().Key("n");
    StepMinimisedAndRestored(title, custom20);

    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
    EXPECT_EQ(LibraryErrors(), 0);
}

} // namespace
} // namespace e2e
