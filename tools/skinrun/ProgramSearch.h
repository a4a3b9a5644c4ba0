// Where a program named without a folder lives, found as the shell's Run box
// finds it: on the search path first, then through the App Paths key under
// which an installer registers a program kept in a folder of its own
// (wordpad in "Program Files\Windows NT\Accessories", for one).
#pragma once

#include <optional>
#include <string>

namespace skinrun {

// The program to start for `name`: `name` itself when it has a folder or is
// on the search path (the system then finds it just as well), the
// registered path when App Paths names one, nothing when neither knows it.
std::optional<std::wstring> FindProgram(const std::wstring& name);

} // namespace skinrun
