// The sample's main window: a window class of its own with the menu bar of
// the resource script, a status bar, and a line of text in the colour and
// font chosen through the common dialogs.
#ifndef PLAIN_SAMPLE_MAIN_WINDOW_H
#define PLAIN_SAMPLE_MAIN_WINDOW_H

#include <windows.h>

// Registers the window class; false when the system refuses it.
bool RegisterMainWindowClass(HINSTANCE instance);
// Creates and shows the main window, its text in `textColour` until the
// user chooses another; null when the system refuses it.
HWND CreateMainWindow(HINSTANCE instance, int show, COLORREF textColour);

#endif
