// A program that knows nothing of the skin engine and shows windows from two
// threads: its main thread's, and one of a thread it starts once its first
// window is up. Run by skinrun, it answers by its exit code which windows
// were skinned (their window procedure replaced by the engine's): the sum of
// the ProbeAnswer bits. The second thread ends while its window is skinned.
#include "tests/skinrun/ThreadProbe.h"

#include <windows.h>

namespace {

constexpr wchar_t ProbeClass[] = L"SkinrunThreadProbe";
// How long a window may take to be skinned before the probe gives up.
constexpr DWORD WaitForSkinMs = 5000;
constexpr DWORD PumpStepMs = 20;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

bool Skinned(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != ProbeProc;
}

// Takes the thread's messages until the window is skinned or time is up.
bool PumpUntilSkinned(HWND window) {
    const ULONGLONG until = GetTickCount64() + WaitForSkinMs;
    while (!Skinned(window) && GetTickCount64() < until) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(PumpStepMs);
    }
    return Skinned(window);
}

HWND ShowProbeWindow(const wchar_t* title, int left) {
    HWND window = CreateWindowExW(0, ProbeClass, title, WS_OVERLAPPEDWINDOW, left, 80, 300, 200,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

DWORD WINAPI SecondThread(LPVOID) {
    HWND window = ShowProbeWindow(L"Second thread", 420);
    return PumpUntilSkinned(window) ? SecondThreadSkinned : 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ProbeProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = ProbeClass;
    RegisterClassW(&windowClass);
    HWND main = ShowProbeWindow(L"Main thread", 40);
    int answer = PumpUntilSkinned(main) ? MainThreadSkinned : 0;
    const HANDLE second = CreateThread(nullptr, 0, SecondThread, nullptr, 0, nullptr);
    DWORD secondAnswer = 0;
    while (MsgWaitForMultipleObjects(1, &second, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    GetExitCodeThread(second, &secondAnswer);
    CloseHandle(second);
    answer |= int(secondAnswer);
    if (Skinned(main)) {
        answer |= MainStillSkinned;
    }
    DestroyWindow(main);
    return answer;
}
