// Keyboard use of forms, as in the system's dialogs. The message loop offers
// every key press to IsDialogKey before translating it. When the focused
// control does not want the key (its WM_GETDLGCODE answer: an edit wants the
// arrows, a memo Enter, a dropped-down combo box Enter and Escape), the form
// is sent kNotifyDialogKey, and its handler (DialogKey) uses it:
//
//   Tab, Shift+Tab  the focus moves to the next (previous) control with
//                   TabStop in tab order, through panels and group boxes; of
//                   a group of radio buttons only the checked one (or the
//                   first) is a stop; the window-less stops of a container
//                   (speed buttons with TabStop) follow its windowed ones
//   arrow keys      on a radio button: the focus moves to the next (previous)
//                   radio button of its group and checks it
//   Enter           clicks the focused push button or window-less stop, or
//                   else the form's Default button
//   Escape          clicks the form's Cancel button
//
// Keys with Alt (and Tab or an arrow with Ctrl) are left to the system and
// the controls; Alt+character still reaches the form as kNotifyDialogChar.
#pragma once

#include <windows.h>

#include <vector>

namespace tk {

class Control;
class Form;
class WinControl;

// Called by the message loop: true when the message was a dialog key that a
// form used (and must not be translated or dispatched).
bool IsDialogKey(const MSG& msg);

// A form's handling of kNotifyDialogKey (wParam the virtual key): true when used.
bool DialogKey(Form& form, WPARAM key);

// The windowed controls inside `root`, depth first, each container before
// its children, siblings in tab order.
std::vector<WinControl*> TabSequence(WinControl& root);

// The control the focus goes to from `current` (none: from the start) with
// Tab (forward) or Shift+Tab; none when no control can take it.
WinControl* FindNextControl(WinControl& root, WinControl* current, bool forward);

// The Tab stops inside `root` as TabSequence orders them, each container's
// window-less stops (GraphicControl::TabStop) right after its windowed
// controls; whether each can take the focus now is not asked.
std::vector<Control*> StopSequence(WinControl& root);

// The same as FindNextControl over StopSequence: the next windowed control
// or window-less stop.
Control* FindNextStop(WinControl& root, Control* current, bool forward);

} // namespace tk
