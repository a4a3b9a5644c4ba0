// A program skinned by the library keeps asking its windows for their menus
// (GetMenu) to tick, grey or rename items; the skin's menu bar took those
// menus off the windows, so the system would answer none and the program's
// changes would go nowhere. The library answers for the system: the calls
// to GetMenu that the program's modules import are pointed at a function
// that gives a framed window's taken menu, and the system's answer for
// every other window.
//
// Error policy: a module that cannot be changed keeps the system's answer;
// nothing throws.
#pragma once

namespace skinlib {

// Points the GetMenu imports of every module loaded now, this library's
// own excepted, at the library's answer. Safe to call again: modules loaded
// since are covered, the others are left as they are.
void AnswerMenuQueries();

} // namespace skinlib
