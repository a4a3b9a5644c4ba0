#include "tools/skinview/OpenSkinDialog.h"

#include <commdlg.h>

#include <string>

namespace skinview {
namespace {

// Pairs of a description and its patterns, each ended by NUL, the list by
// another.
constexpr wchar_t Filter[] = L"Skins (*.skn; a folder's *.ini)\0*.skn;*.ini\0"
                             L"Skin packages (*.skn)\0*.skn\0"
                             L"Unpacked skin folders (*.ini)\0*.ini\0"
                             L"All files (*.*)\0*.*\0";

// Room for a long path (the dialog refuses longer ones).
constexpr DWORD PathRoom = 32768;

} // namespace

std::optional<std::filesystem::path> ChooseSkinFile(HWND owner,
                                                    const std::filesystem::path& folder) {
    std::wstring file(PathRoom, L'\0');
    const std::wstring initial = folder.wstring();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = Filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = PathRoom;
    dialog.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
    dialog.lpstrTitle = L"打开皮肤 Open skin";
    // Choosing a file leaves the program's current folder where it was.
    dialog.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) {
        return std::nullopt;
    }
    return std::filesystem::path(file.c_str());
}

} // namespace skinview
