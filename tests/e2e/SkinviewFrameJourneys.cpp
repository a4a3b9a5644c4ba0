// Journeys with skinview's window frame: maximised and restored by its
// caption button and by a double click on its title bar, and shown inactive
// behind another program's window and active again.
#include "tests/e2e/SkinviewShowcase.h"

namespace e2e::skinview {
namespace {

using SkinviewFrame = SkinviewShowcase;

constexpr Rgb Backdrop = MakeRgb(0, 0, 0);
// Wine's own notepad, a program no one here wrote.
constexpr char NotepadProgram[] = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/notepad.exe";

// The window's box as X has it now.
Box WindowBox(Desktop& screen) {
    const std::optional<ScreenWindow> window = screen.FindWindow(Title);
    return window ? window->box : Box{};
}

bool SameBox(const Box& a, const Box& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

TEST_F(SkinviewFrame, MaximisesAndRestoresByItsButtonAndByADoubleClickOnItsTitle) {
    const SkinviewScreen view = Start();
    const Picture before = Step("started");
    const Box start = view.Window();
    // Over the whole screen, its title bar along the top edge and its status
    // bar, moved down and widened, painted whole along the bottom.
    const auto maximised = [&](const Picture& s) {
        const Box now = WindowBox(Screen());
        const Box title{Desktop::Width / 2, 2, Desktop::Width / 2 - 100, 20};
        const Box status{8, Desktop::Height - 24, Desktop::Width - 16, 16};
        return now.width >= Desktop::Width && now.height >= Desktop::Height - 40 &&
               CountUnlike(s, title, Backdrop, 0) > title.width * title.height / 2 &&
               CountLike(s, status, Backdrop, 0) == 0;
    };
    const auto restored = [&](const Picture& s) {
        return SameBox(WindowBox(Screen()), start) &&
               CountChanged(s, before, view.AboveClient()) == 0;
    };
    Screen().Click(view.MaximiseButton());
    StepWhen("maximised-by-button", "the window over the whole screen", maximised);
    Screen().Click(SkinviewScreen(*Screen().FindWindow(Title)).MaximiseButton());
    StepWhen("restored-by-button", "the window as it was", restored);
    Screen().DoubleClick(view.TitleBar());
    StepWhen("maximised-by-title", "the window over the whole screen", maximised);
    Screen().DoubleClick(SkinviewScreen(*Screen().FindWindow(Title)).TitleBar());
    StepWhen("restored-by-title", "the window as it was", restored);
}

TEST_F(SkinviewFrame, BehindAnotherWindowTheFrameShowsInactiveAndActiveWhenClickedAgain) {
    const SkinviewScreen view = Start();
    const Picture before = Step("started");
    // Notepad opens at the screen's top-left corner over most of the window;
    // its right edge and its bottom stay in sight.
    const auto notepad = Wine().Start(NotepadProgram);
    WaitForWindow("Notepad");
    const Box w = view.Window();
    const Box rightEdge{w.Right() - 30, w.top, 30, w.height};
    StepWhen("inactive", "the frame in the inactive colours",
             [&](const Picture& s) { return CountChanged(s, before, rightEdge) > 100; });
    Screen().Click(view.Client(300, ClientHeight - 8));
    StepWhen("active-again", "the frame as at the start",
             [&](const Picture& s) { return CountChanged(s, before, rightEdge) == 0; });
}

} // namespace
} // namespace e2e::skinview
