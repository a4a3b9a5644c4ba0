// File > Open: the system's Open dialog, asking for a skin package or the
// INI of an unpacked skin folder (which stands for its folder: the dialog
// chooses files, and an author's folder is known by its INI).
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>

namespace skinview {

// The file chosen, or none when the dialog was cancelled. The dialog opens
// in `folder` when one is given.
std::optional<std::filesystem::path> ChooseSkinFile(HWND owner,
                                                    const std::filesystem::path& folder);

} // namespace skinview
