// Whether the system runs a high-contrast theme. While it does, the skin
// engine stands aside and every window draws itself in the system's colours
// (TSkinManage). The question goes through one replaceable answer, the seam
// tests use to play the setting: the system's own setting cannot be changed
// from a program everywhere (Wine keeps it off and refuses to set it).
//
// Error policy: nothing throws; a system that cannot answer counts as off.
#pragma once

#include <functional>

namespace skin::highcontrast {

// True while a high-contrast theme is on.
bool On();

// Answers On() from now on (an empty one: the system again); answers the
// query it replaced. For tests.
using Query = std::function<bool()>;
Query ReplaceQuery(Query query);

} // namespace skin::highcontrast
