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

TEST_F(PlainSampleJourney, ASkinThatCannotBeLoadedIsExplainedAndTheProgramRunsWithoutIt) {
    const ScreenWindow box = Launch(Program, {"Z:\\nowhere\\missing.skn"}, SkinErrorTitle);
    StepWhen("skin-error", "the message box saying why the skin is not used",
             [&](const Picture& s) { return ShowsText(s, box.box); });

    Screen().Key("Return");
    WaitForNoWindow(SkinErrorTitle);
    StepWhen("started-unskinned", "the main window in the system's own frame",
             [&](const Picture& s) { return FramedBySystem(s, WaitForWindow(MainTitle).box); });

    Screen().Key("ctrl+d");
    StepWhen("controls-dialog-unskinned", "the Controls dialog in the system's own frame",
             [&](const Picture& s) { return FramedBySystem(s, WaitForWindow(ControlsTitle).box); });
    Screen().Key("Escape");
    WaitForNoWindow(ControlsTitle);
    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

} // namespace
} // namespace e2e::plain
