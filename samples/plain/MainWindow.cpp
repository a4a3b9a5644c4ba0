// The main window's procedure: the menu's commands, the status bar kept
// along the bottom edge, and the painted sample text.
#include "samples/plain/MainWindow.h"

#include "samples/plain/CommonDialogs.h"
#include "samples/plain/ControlsDialog.h"
#include "samples/plain/resource.h"

#include <commctrl.h>

#include <string>

namespace {

constexpr const wchar_t* ClassName = L"PlainSampleWindow";
constexpr const wchar_t* Title = L"Plain Win32 sample";

// What the window remembers between messages, kept in its user data.
struct WindowState {
    HWND status = nullptr;
    COLORREF colour = 0;
    LOGFONTW font{};
    HFONT fontHandle = nullptr;
};

WindowState* StateOf(HWND window) {
    return reinterpret_cast<WindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void SetStatus(WindowState& state, const std::wstring& text) {
    SendMessageW(state.status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void UseFont(HWND window, WindowState& state, const LOGFONTW& font) {
    HFONT created = CreateFontIndirectW(&font);
    if (!created) {
        return;
    }
    if (state.fontHandle) {
        DeleteObject(state.fontHandle);
    }
    state.font = font;
    state.fontHandle = created;
    InvalidateRect(window, nullptr, TRUE);
}

void Create(HWND window, WindowState& state) {
    state.status =
        CreateWindowExW(0, STATUSCLASSNAMEW, L"Ready", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                        0, 0, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = font.lfHeight * 2;
    UseFont(window, state, font);
}

void Paint(HWND window, const WindowState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    InflateRect(&area, -16, -16);
    HBRUSH swatch = CreateSolidBrush(state.colour);
    const RECT square{area.left, area.top, area.left + 32, area.top + 32};
    FillRect(dc, &square, swatch);
    DeleteObject(swatch);
    area.left += 48;
    HGDIOBJ before = SelectObject(dc, state.fontHandle);
    SetTextColor(dc, state.colour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc,
              L"A plain Win32 program.\nFile, View and Help are in the menu bar;\n"
              L"Ctrl+D opens the dialog of controls.",
              -1, &area, DT_LEFT | DT_TOP | DT_WORDBREAK);
    SelectObject(dc, before);
    EndPaint(window, &paint);
}

void Command(HWND window, WindowState& state, int id) {
    std::wstring path;
    switch (id) {
    case IDM_OPEN:
        if (AskFileToOpen(window, path)) {
            SetStatus(state, L"Opened " + path);
        }
        break;
    case IDM_SAVEAS:
        if (AskFileToSave(window, path)) {
            SetStatus(state, L"Saved as " + path);
        }
        break;
    case IDM_EXIT:
        DestroyWindow(window);
        break;
    case IDM_CONTROLS:
        SetStatus(state, ShowControlsDialog(window) ? L"Controls: OK" : L"Controls: cancelled");
        break;
    case IDM_COLOUR:
        if (AskColour(window, state.colour)) {
            InvalidateRect(window, nullptr, TRUE);
        }
        break;
    case IDM_FONT: {
        LOGFONTW font = state.font;
        if (AskFont(window, font, state.colour)) {
            UseFont(window, state, font);
        }
        break;
    }
    case IDM_ABOUT:
        MessageBoxW(window,
                    L"A plain Win32 program: a window class, a menu bar, accelerators, a dialog "
                    L"of every standard control and the common dialogs, skinned by two calls to "
                    L"kanvioskin.dll.",
                    L"About the plain sample", MB_OK | MB_ICONINFORMATION);
        break;
    default:
        break;
    }
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowState* state = StateOf(window);
    if (!state && message != WM_CREATE) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_CREATE:
        state = new WindowState;
        state->colour =
            *static_cast<const COLORREF*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        Create(window, *state);
        return 0;
    case WM_SIZE:
        SendMessageW(state->status, WM_SIZE, 0, 0);
        return 0;
    case WM_PAINT:
        Paint(window, *state);
        return 0;
    case WM_COMMAND:
        Command(window, *state, LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        if (state->fontHandle) {
            DeleteObject(state->fontHandle);
        }
        delete state;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAINMENU);
    windowClass.lpszClassName = ClassName;
    windowClass.hIconSm = LoadIconW(nullptr, IDI_APPLICATION);
    return RegisterClassExW(&windowClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance, int show, COLORREF textColour) {
    HWND window = CreateWindowExW(0, ClassName, Title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 560, 360, nullptr, nullptr, instance, &textColour);
    if (window) {
        ShowWindow(window, show);
        UpdateWindow(window);
    }
    return window;
}
