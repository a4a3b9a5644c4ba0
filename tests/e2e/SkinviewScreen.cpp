#include "tests/e2e/SkinviewScreen.h"

namespace e2e::skinview {

Point SkinviewScreen::MenuBarItem(int index) const {
    // Centres of the bar's buttons from the window's left edge, and the
    // bar's middle from the client area's top (the bar sits right above it).
    constexpr int Centres[] = {37, 83, 128, 175};
    constexpr int AboveClientTop = 11;
    return {Window().left + Centres[index], Client(0, 0).y - AboveClientTop};
}

} // namespace e2e::skinview
