// Open, Save As, Colour and Font, each from its structure filled as the
// system's documentation describes it; nothing here knows about skins.
#include "samples/plain/CommonDialogs.h"

#include <commdlg.h>

namespace {

constexpr const wchar_t* FileFilter = L"Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";

OPENFILENAMEW FileDialog(HWND owner, wchar_t* buffer, DWORD size, DWORD flags) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = FileFilter;
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = size;
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = flags | OFN_EXPLORER | OFN_HIDEREADONLY;
    return dialog;
}

} // namespace

bool AskFileToOpen(HWND owner, std::wstring& path) {
    wchar_t buffer[MAX_PATH] = L"";
    OPENFILENAMEW dialog =
        FileDialog(owner, buffer, MAX_PATH, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    if (!GetOpenFileNameW(&dialog)) {
        return false;
    }
    path = buffer;
    return true;
}

bool AskFileToSave(HWND owner, std::wstring& path) {
    wchar_t buffer[MAX_PATH] = L"untitled.txt";
    OPENFILENAMEW dialog = FileDialog(owner, buffer, MAX_PATH, OFN_OVERWRITEPROMPT);
    if (!GetSaveFileNameW(&dialog)) {
        return false;
    }
    path = buffer;
    return true;
}

bool AskColour(HWND owner, COLORREF& colour) {
    // The dialog's sixteen custom colours, kept for the next time it opens.
    static COLORREF custom[16] = {};
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.rgbResult = colour;
    dialog.lpCustColors = custom;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&dialog)) {
        return false;
    }
    colour = dialog.rgbResult;
    return true;
}

bool AskFont(HWND owner, LOGFONTW& font, COLORREF& colour) {
    LOGFONTW chosen = font;
    CHOOSEFONTW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpLogFont = &chosen;
    dialog.rgbColors = colour;
    dialog.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
    if (!ChooseFontW(&dialog)) {
        return false;
    }
    font = chosen;
    colour = dialog.rgbColors;
    return true;
}
