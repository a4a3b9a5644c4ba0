// The plain Win32 sample, a program that knows nothing of our toolkit,
// skinned by two calls to kanvioskin.dll: its window and its dialog of
// standard controls come up in the skin and answer the keyboard and the
// mouse as a plain program's do.
#include "tests/e2e/Journey.h"
#include "tests/e2e/PlainSampleScreen.h"

namespace e2e::plain {
namespace {

class PlainSampleJourney : public Journey {};

TEST_F(PlainSampleJourney, SkinnedWindowOpensItsDialogByKeyboardAndClosesByAltF4) {
    Launch(Program, {}, MainTitle);
    StepWhen("started-in-neon", "the main window in Kanvio Neon's frame",
             [&](const Picture& s) { return FramedInNeon(s, WaitForWindow(MainTitle).box); });

    Screen().Key("ctrl+d");
    ControlsDialog dialog(WaitForWindow(ControlsTitle));
    StepWhen("controls-dialog", "the Controls dialog in the skin, its Check box checked",
             [&](const Picture& s) {
                 dialog = ControlsDialog(WaitForWindow(ControlsTitle));
                 return FramedInNeon(s, dialog.Window()) && MarkShown(s, dialog.CheckMark());
             });

    Screen().Click(dialog.CheckCaption());
    StepWhen("check-box-cleared", "the Check box without its mark",
             [&](const Picture& s) { return !MarkShown(s, dialog.CheckMark()); });

    Screen().Key("Escape");
    WaitForNoWindow(ControlsTitle);
    StepWhen("dialog-closed", "the main window in Kanvio Neon's frame again",
             [&](const Picture& s) { return FramedInNeon(s, WaitForWindow(MainTitle).box); });

    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

// Where the main window's parts lie at 96 DPI in Kanvio Neon's frame: the
// menu bar's row and its File and View titles, the first row of a
// drop-down, the colour swatch and the text beside it, the status bar.
constexpr int MenuRowY = 38;
constexpr int FileMenuX = 25;
constexpr int ViewMenuX = 58;
constexpr int FirstItemY = 61;
constexpr int DropDownWidth = 100;
constexpr int DropDownRows = 40;
constexpr int StatusBarHeight = 22;
constexpr Rgb PureRed = MakeRgb(255, 0, 0);
// The Colour dialog's basic red, the first of its second row.
constexpr int BasicRedX = 21;
constexpr int BasicRedY = 84;
// Where the dialog shows the colour picked.
constexpr int SampleX = 234;
constexpr int SampleY = 232;
// Pixels of a large swatch: the 32 x 32 square, mostly.
constexpr int SwatchPixels = 600;

Box SwatchArea(const Box& window) {
    return {window.left, window.top + 46, 100, 90};
}

Box TextArea(const Box& window) {
    return {window.left + 60, window.top + 56, 460, 150};
}

Box StatusArea(const Box& window) {
    return {window.left + 8, window.Bottom() - StatusBarHeight - 6, 300, StatusBarHeight};
}

TEST_F(PlainSampleJourney, MenusCommonDialogsAndWindowChangesWorkInTheSkin) {
    Launch(Program, {}, MainTitle);
    const Box window = WaitForWindow(MainTitle).box;
    const Picture started = StepWhen("started-in-neon", "the main window in Kanvio Neon's frame",
                                     [&](const Picture& s) { return FramedInNeon(s, window); });

    // By mouse: File, then Open..., the skinned Open dialog; Escape.
    Screen().Click({window.left + FileMenuX, window.top + MenuRowY});
    const Box fileDropDown{window.left + FileMenuX - 10, window.top + FirstItemY - 8, DropDownWidth,
                           DropDownRows};
    StepWhen("file-menu", "the File drop-down in the skin",
             [&](const Picture& s) { return DarkFace(s, fileDropDown); });
    Screen().Click({window.left + FileMenuX + 20, window.top + FirstItemY});
    StepWhen("open-dialog", "the Open dialog in the skin's frame",
             [&](const Picture& s) { return FramedInNeon(s, WaitForWindow("Open").box); });
    Screen().Key("Escape");
    WaitForNoWindow("Open");

    // By keyboard: File, Save As, a name typed and Return; the status bar
    // says where.
    Screen().Key("alt+f");
    Screen().Key("a");
    StepWhen("save-as-dialog", "the Save As dialog in the skin's frame",
             [&](const Picture& s) { return FramedInNeon(s, WaitForWindow("Save As").box); });
    Screen().Key("ctrl+a");
    Screen().Type("journey.txt");
    Screen().Key("Return");
    WaitForNoWindow("Save As");
    StepWhen("saved", "the status bar naming the file",
             [&](const Picture& s) { return CountChanged(s, started, StatusArea(window)) > 30; });

    // The Font dialog by its letters: a larger size typed, and OK.
    const Picture beforeFont = Screen().Capture();
    Screen().Key("alt+v");
    Screen().Key("f");
    StepWhen("font-dialog", "the Font dialog in the skin's frame",
             [&](const Picture& s) { return FramedInNeon(s, WaitForWindow("Font").box); });
    Screen().Key("alt+s");
    Screen().Type("24");
    Screen().Key("Return");
    WaitForNoWindow("Font");
    StepWhen("larger-text", "the window's text in the larger size", [&](const Picture& s) {
        return CountChanged(s, beforeFont, TextArea(window)) > 1000;
    });

    // The Colour dialog from the View menu by mouse: the basic red picked,
    // and OK; the swatch turns red.
    Screen().Click({window.left + ViewMenuX, window.top + MenuRowY});
    const Box viewDropDown{window.left + ViewMenuX - 10, window.top + FirstItemY - 8, DropDownWidth,
                           DropDownRows};
    StepWhen("view-menu", "the View drop-down in the skin",
             [&](const Picture& s) { return DarkFace(s, viewDropDown); });
    Screen().Key("o");
    const Box colour = WaitForWindow("Color").box;
    StepWhen("colour-dialog", "the Colour dialog in the skin's frame",
             [&](const Picture& s) { return FramedInNeon(s, colour); });
    Screen().Click({colour.left + BasicRedX, colour.top + BasicRedY});
    StepWhen("red-picked", "the dialog's sample in red", [&](const Picture& s) {
        return CountLike(s, {colour.left + SampleX, colour.top + SampleY, 60, 40}, PureRed) >
               SwatchPixels;
    });
    Screen().Key("Return");
    WaitForNoWindow("Color");
    StepWhen("red-swatch", "the swatch in red", [&](const Picture& s) {
        return CountLike(s, SwatchArea(window), PureRed) > SwatchPixels;
    });

    // The window follows a drag of its corner, frame and all.
    const Point corner{window.Right() - 3, window.Bottom() - 3};
    Screen().Drag(corner, {corner.x - 120, corner.y - 80});
    StepWhen("resized", "the window smaller, in the skin's frame", [&](const Picture& s) {
        const Box now = WaitForWindow(MainTitle).box;
        return now.width <= window.width - 110 && now.height <= window.height - 70 &&
               FramedInNeon(s, now);
    });
    const Box resized = WaitForWindow(MainTitle).box;

    // Minimised and restored from the system menu.
    Screen().Key("alt+space");
    Step("system-menu");
    Screen().Key("n");
    Screen().MoveTo({Screen().Width() - 1, Screen().Height() - 1});
    StepWhen("minimised", "the window as a small title", [&](const Picture&) {
        return WaitForWindow(MainTitle).box.height < resized.height / 2;
    });
    Screen().Key("alt+space");
    Step("minimised-menu");
    Screen().Key("r");
    StepWhen("restored", "the window at its size, in the skin's frame", [&](const Picture& s) {
        const Box now = WaitForWindow(MainTitle).box;
        return now.width == resized.width && now.height == resized.height && FramedInNeon(s, now);
    });

    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(PlainSampleJourney, ASkinThatCannotBeLoadedIsExplainedAndTheProgramRunsWithoutIt) {
    const ScreenWindow box = Launch(Program, {"Z:\\nowhere\\missing.skn"}, SkinErrorTitle);
    StepWhen("skin-error", "the message box saying why the skin is not used",
             [&](const Picture& s) { return ShowsText(s, box.box); });

    Screen().Key("Return");
    WaitForNoWindow(SkinErrorTitle);
    const Box window = WaitForWindow(MainTitle).box;
    const Picture started =
        StepWhen("started-unskinned", "the main window in the system's own frame",
                 [&](const Picture& s) { return FramedBySystem(s, window); });

    Screen().Key("ctrl+d");
    StepWhen("controls-dialog-unskinned", "the Controls dialog in the system's own frame",
             [&](const Picture& s) { return FramedBySystem(s, WaitForWindow(ControlsTitle).box); });
    Screen().Key("Escape");
    WaitForNoWindow(ControlsTitle);
    // The dialog's end has reached the program (its status bar says so):
    // Alt+F4 pressed before that fell between the two windows on a loaded
    // machine.
    StepWhen("dialog-cancelled", "the status bar saying the dialog was cancelled",
             [&](const Picture& s) { return CountChanged(s, started, StatusArea(window)) > 30; });
    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

} // namespace
} // namespace e2e::plain
