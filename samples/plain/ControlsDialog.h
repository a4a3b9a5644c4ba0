// The Controls dialog: every standard control, filled with a few items.
#ifndef PLAIN_SAMPLE_CONTROLS_DIALOG_H
#define PLAIN_SAMPLE_CONTROLS_DIALOG_H

#include <windows.h>

// Shows the dialog modally; answers true when it was closed with OK.
bool ShowControlsDialog(HWND owner);

#endif
