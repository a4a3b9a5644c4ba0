// skinview, a program for people who make skins: shows the showcase window
// in a skin package and, with --screenshot, saves it as the screen shows it.
//
// Error policy: RunSkinView reports everything it cannot do as a line on
// `err` and an exit status (1: a package or file it cannot use, or an error
// while the window ran in screenshot mode); it never shows a message box in
// screenshot mode, so a run without a user never waits.
#pragma once

#include "tools/skinview/ViewOptions.h"

#include <ostream>

namespace skinview {

int RunSkinView(const TViewOptions& options, std::ostream& out, std::ostream& err);

} // namespace skinview
