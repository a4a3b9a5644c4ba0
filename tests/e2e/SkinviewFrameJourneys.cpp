// Journeys with skinview's window frame: resized by a corner, maximised and
// restored by its caption button and by a double click on its title bar, and
// shown inactive behind another program's window and active again.
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

// The borders at the window's bottom-right corner look in `s` as they did in
// `before`, wherever the window's edges now lie.
bool CornerAsBefore(const Picture& s, const Box& now, const Picture& before, const Box& then) {
    constexpr int Length = 40;
    constexpr int Border = 6;
    const auto same = [&](int x, int y) {
        return s.At({now.Right() - x, now.Bottom() - y}) ==
               before.At({then.Right() - x, then.Bottom() - y});
    };
    for (int along = 1; along <= Length; ++along) {
        for (int across = 1; across <= Border; ++across) {
            if (!same(along, across) || !same(across, along)) {
                return false;
            }
        }
    }
    return true;
}

// A point of the skin's bottom-right corner a hand takes: well inside its
// six-pixel borders, beyond the few pixels the system sizes by itself.
Point CornerGrip(const Box& window) {
    constexpr int Inset = 5;
    return {window.Right() - Inset, window.Bottom() - Inset};
}

TEST_F(SkinviewFrame, ACornerDragResizesTheWindowAndTheFrameFollowsWhole) {
    const SkinviewScreen view = Start();
    const Picture before = Step("started");
    const Box start = view.Window();
    const Point corner = CornerGrip(start);
    Screen().Glide(corner);
    Screen().Drag(corner, {corner.x + 120, corner.y + 90});
    const Box bigger{start.left, start.top, start.width + 120, start.height + 90};
    StepWhen("bigger", "the window grown, its corner drawn as before", [&](const Picture& s) {
        return SameBox(WindowBox(Screen()), bigger) && CornerAsBefore(s, bigger, before, start);
    });
    const Point grown = CornerGrip(bigger);
    Screen().Drag(grown, {grown.x - 220, grown.y - 160});
    const Box smaller{start.left, start.top, start.width - 100, start.height - 70};
    StepWhen("smaller", "the window shrunk, nothing of it left outside", [&](const Picture& s) {
        const Box right{smaller.Right(), start.top, bigger.Right() - smaller.Right(),
                        bigger.height};
        const Box below{start.left, smaller.Bottom(), bigger.width,
                        bigger.Bottom() - smaller.Bottom()};
        return SameBox(WindowBox(Screen()), smaller) && CountUnlike(s, right, Backdrop, 0) == 0 &&
               CountUnlike(s, below, Backdrop, 0) == 0 && CornerAsBefore(s, smaller, before, start);
    });
}

TEST_F(SkinviewFrame, MaximisesAndRestoresByItsButtonAndByADoubleClickOnItsTitle) {
    const SkinviewScreen view = Start();
    const Picture before = Step("started");
    const Box start = view.Window();
    // Over the whole screen, its title bar along the top edge and its status
    // bar, moved down and widened, painted whole along the bottom.
    const auto maximised = [&](const Picture& s) {
        const Box now = WindowBox(Screen());
        const Box title{Screen().Width() / 2, 2, Screen().Width() / 2 - 100, 20};
        const Box status{8, Screen().Height() - 24, Screen().Width() - 16, 16};
        return now.width >= Screen().Width() && now.height >= Screen().Height() - 40 &&
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
