// A plain Win32 program, as one is written without any class library: a
// window class, a menu bar and accelerators from the resource script, a
// dialog of every standard control, the common dialogs and message boxes.
// Two calls to kanvioskin.dll at the start skin all of it.
#include "include/kanvioskin.h"
#include "samples/plain/MainWindow.h"
#include "samples/plain/resource.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

namespace {

// The skin package named on the command line, or else the one beside the
// program.
std::wstring SkinPath() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring path;
    if (arguments && count > 1) {
        path = arguments[1];
    }
    LocalFree(arguments);
    if (!path.empty()) {
        return path;
    }
    wchar_t program[MAX_PATH] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    path.assign(program, length);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"kanvio_neon.skn";
}

// A skin that cannot be used is reported, and the program goes on in the
// system's own look.
void ReportSkinError(const std::wstring& path) {
    const std::wstring text = L"The skin " + path + L" is not used:\n\n" + KanvioSkinLastError() +
                              L"\n\nThe program carries on without it.";
    MessageBoxW(nullptr, text.c_str(), L"Skin not used", MB_OK | MB_ICONWARNING);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                     ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES |
                     ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS;
    InitCommonControlsEx(&controls);

    // The two calls: load the skin package, then skin every window of this
    // thread, those open now and every one opened later.
    const std::wstring skinPath = SkinPath();
    KanvioSkin* skin = nullptr;
    const bool skinned = KanvioSkinLoadFile(skinPath.c_str(), &skin) == KanvioSkinOk &&
                         KanvioSkinStart(skin) == KanvioSkinOk;
    if (!skinned) {
        ReportSkinError(skinPath);
    }

    // The window paints its own text. The skin fills the window with its
    // face, so the text takes the skin's colour for text on faces; unskinned,
    // the system's colour for text in windows.
    COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    if (skinned) {
        KanvioSkinGetColour(skin, KanvioSkinFaceText, &text);
    }
    HWND window =
        RegisterMainWindowClass(instance) ? CreateMainWindow(instance, show, text) : nullptr;
    if (!window) {
        MessageBoxW(nullptr, L"The main window could not be created.", L"Plain Win32 sample",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorW(window, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // The engine keeps its own copy of the skin it shows.
    if (skin) {
        KanvioSkinFree(skin);
    }
    return static_cast<int>(message.wParam);
}
