// skinview's showcase window as the journeys see it: the places of its menu
// bar and controls on the screen, from its design, named for what they are.
#pragma once

#include "tests/e2e/FramedWindow.h"

namespace e2e::skinview {

inline constexpr char Program[] = "bin/skinview.exe";
inline constexpr char Title[] = "Skin Viewer";
// The showcase's client area in its design.
inline constexpr int ClientWidth = 772;
inline constexpr int ClientHeight = 580;

class SkinviewScreen : public FramedWindow {
public:
    explicit SkinviewScreen(const ScreenWindow& window)
        : FramedWindow(window, ClientWidth, ClientHeight) {}

    // The menu bar's buttons, from 0: File, Edit, View, Help.
    Point MenuBarItem(int index) const;
};

} // namespace e2e::skinview
