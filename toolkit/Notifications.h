// The toolkit's own control notifications. Other code (the skin engine) relies
// on these values, so they never change.
#pragma once

namespace tk {

// Sent to a form when Tab, an arrow key, Enter or Escape is pressed in one of
// its windows and the focused control does not want the key (DialogKeys.h);
// wParam is the virtual key. A result of 1 means the form used it.
constexpr unsigned kNotifyDialogKey = 0xB005;
// Sent to a form when a character typed with Alt (WM_SYSCHAR) reaches one of
// its windows, before the system's own menu handling; wParam is the
// character. A result of 1 means the form used it (a menu accelerator).
constexpr unsigned kNotifyDialogChar = 0xB006;
// Sent to a control after its Enabled property changed.
constexpr unsigned kNotifyEnabledChanged = 0xB00C;
// Sent to the control the mouse pointer has just moved onto / off.
constexpr unsigned kNotifyMouseEnter = 0xB013;
constexpr unsigned kNotifyMouseLeave = 0xB014;
// Sent to a form after its main menu changed; the form gives its window the
// menu again.
constexpr unsigned kNotifyMenuChanged = 0xB015;
// Sent to a windowed control when the keyboard focus leaves it for another
// control of the same form.
constexpr unsigned kNotifyExit = 0xB01B;
// Sent to each window-less control when the window it is painted on is
// destroyed: it is no longer on screen.
constexpr unsigned kNotifyHostDestroyed = 0xB021;
// Sent to a check box, radio button or speed button after the toolkit changed
// its checked (down) state.
constexpr unsigned kNotifyCheckedChanged = 0xB0D0;

// Notifications that a parent window receives about a child (WM_COMMAND,
// WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR..., WM_DRAWITEM) are sent on
// to the child as kReflectBase + the message, with the same parameters.
constexpr unsigned kReflectBase = 0xBC00;
constexpr unsigned kReflectedCommand = kReflectBase + 0x0111;
constexpr unsigned kReflectedNotify = kReflectBase + 0x004E;  // 0xBC4E
constexpr unsigned kReflectedHScroll = kReflectBase + 0x0114; // 0xBD14
constexpr unsigned kReflectedVScroll = kReflectBase + 0x0115; // 0xBD15
constexpr unsigned kReflectedDrawItem = kReflectBase + 0x002B;
constexpr unsigned kReflectedCtlColorFirst = kReflectBase + 0x0132; // WM_CTLCOLORMSGBOX
constexpr unsigned kReflectedCtlColorLast = kReflectBase + 0x0138;  // WM_CTLCOLORSTATIC

} // namespace tk
