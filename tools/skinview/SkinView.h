// skinview, a program for people who make skins: shows the showcase window
// in a skin package or an unpacked skin folder and, with --screenshot, saves
// it as the screen shows it. Only a run with a user keeps File > Recent
// (screenshots leave the stored list alone).
//
// Error policy: RunSkinView reports everything it cannot do with its command
// line as a line on `err` and an exit status (1: a skin or file it cannot
// use, or an error while the window ran in screenshot mode); it never shows
// a message box in screenshot mode, so a run without a user never waits.
// Once the window is up, what the user asks for and cannot be done is shown
// in a message box.
#pragma once

#include "tools/skinview/ViewOptions.h"

#include <ostream>

namespace skinview {

int RunSkinView(const TViewOptions& options, std::ostream& out, std::ostream& err);

} // namespace skinview
