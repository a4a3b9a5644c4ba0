// Journeys through skinview, the skin makers' viewer, as its users take
// them: real clicks and keys on a private display, checked on the screen.
#include "tests/e2e/Journey.h"
#include "tests/e2e/SkinviewScreen.h"

namespace e2e::skinview {
namespace {

class SkinviewJourney : public Journey {
protected:
    SkinviewScreen Start(const std::vector<std::string>& args = {}) {
        return SkinviewScreen(Launch(Program, args, Title));
    }
};

TEST_F(SkinviewJourney, FileMenuOpensByMouseAndClosesByEscape) {
    const SkinviewScreen view = Start();
    const Picture before = Step("started");
    Screen().Click(view.MenuBarItem(0));
    StepWhen("file-menu-open", "the File drop-down below the bar", [&](const Picture& s) {
        const Box below{view.MenuBarItem(0).x - 20, view.Client(0, 0).y, 120, 80};
        return CountChanged(s, before, below) > 1000;
    });
    Screen().Key("Escape");
    Screen().Key("Escape");
    StepWhen("menu-closed", "the client area as before", [&](const Picture& s) {
        return CountChanged(s, before, view.ClientBox(0, 0, 300, 200)) == 0;
    });
    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

} // namespace
} // namespace e2e::skinview
