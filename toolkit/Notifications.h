// The toolkit's own control notifications. Other code (the skin engine) relies
// on these values, so they never change.
#pragma once

namespace tk {

// The answer of a form that used a key or character it was offered.
constexpr int NotifyUsed = 1;

// Sent to a form when Tab, an arrow key, Enter or Escape is pressed in one of
// its windows and the focused control does not want the key (DialogKeys.h);
// wParam is the virtual key. A result of kNotifyUsed means the form used it.
constexpr unsigned NotifyDialogKey = 0xB005;
// Sent to a form when a character typed with Alt (WM_SYSCHAR) reaches one of
// its windows, before the system's own menu handling; wParam is the
// character. A result of kNotifyUsed means the form used it (a menu accelerator).
constexpr unsigned NotifyDialogChar = 0xB006;
// Sent to a control after its Enabled property changed.
constexpr unsigned NotifyEnabledChanged = 0xB00C;
// Sent to the control the mouse pointer has just moved onto / off.
constexpr unsigned NotifyMouseEnter = 0xB013;
constexpr unsigned NotifyMouseLeave = 0xB014;
// Sent to a form after its main menu changed; the form gives its window the
// menu again.
constexpr unsigned NotifyMenuChanged = 0xB015;
// Sent to a windowed control when the keyboard focus leaves it for another
// control of the same form.
constexpr unsigned NotifyExit = 0xB01B;
// Sent to each window-less control when the window it is painted on is
// destroyed: it is no longer on screen.
constexpr unsigned NotifyHostDestroyed = 0xB021;
// Sent to a check box, radio button or speed button after the toolkit changed
// its checked (down) state.
constexpr unsigned NotifyCheckedChanged = 0xB0D0;

// Notifications that a parent window receives about a child (WM_COMMAND,
// WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR..., WM_DRAWITEM) are sent on
// to the child as kReflectBase + the message, with the same parameters.
constexpr unsigned ReflectBase = 0xBC00;
constexpr unsigned ReflectedCommand = ReflectBase + 0x0111;
constexpr unsigned ReflectedNotify = ReflectBase + 0x004E;  // 0xBC4E
constexpr unsigned ReflectedHScroll = ReflectBase + 0x0114; // 0xBD14
constexpr unsigned ReflectedVScroll = ReflectBase + 0x0115; // 0xBD15
constexpr unsigned ReflectedDrawItem = ReflectBase + 0x002B;
constexpr unsigned ReflectedCtlColorFirst = ReflectBase + 0x0132; // WM_CTLCOLORMSGBOX
constexpr unsigned ReflectedCtlColorLast = ReflectBase + 0x0138;  // WM_CTLCOLORSTATIC

} // namespace tk
