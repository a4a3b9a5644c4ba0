// Where skinview keeps its recent skins between runs, as a Windows tool
// keeps such a list: the value "Recent" (one path a line, REG_MULTI_SZ) of
// HKEY_CURRENT_USER\Software\Kanvio\skinview.
//
// Error policy: a list that cannot be read is an empty one, and one that
// cannot be written is left as it was; neither stops the program.
#pragma once

#include <string>
#include <vector>

namespace skinview {

std::vector<std::string> LoadRecentSkins();
void SaveRecentSkins(const std::vector<std::string>& paths);

} // namespace skinview
