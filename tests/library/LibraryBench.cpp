// The library's figures: switching the skin on over a program with fifty
// windows open, up to the last frame painted; and the start of a program of
// the system (notepad) to its window shown, run skinned by skinrun and run
// plainly, the two taking turns. Prints figures; never fails on time.
#include "include/kanvioskin.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Windows = 50;
constexpr int Rounds = 9;
constexpr const wchar_t* BenchClass = L"LibraryBenchWindow";
constexpr const wchar_t* NotepadTitle = L"Untitled - Notepad";
constexpr auto ShowLimit = std::chrono::seconds(30);

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Every message there is, paints included.
void Drain() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

double SkinFiftyWindows(const KanvioSkin* skin) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = BenchClass;
    RegisterClassExW(&wc);
    std::vector<HWND> windows;
    for (int i = 0; i < Windows; ++i) {
        HWND window =
            CreateWindowExW(0, BenchClass, L"Bench window", WS_OVERLAPPEDWINDOW, 10 * i, 10 * i,
                            300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(window, SW_SHOWNOACTIVATE);
        windows.push_back(window);
    }
    Drain();
    std::vector<double> times;
    for (int round = 0; round < Rounds; ++round) {
        const Clock::time_point start = Clock::now();
        KanvioSkinStart(skin);
        Drain();
        for (HWND window : windows) {
            RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
        GdiFlush();
        times.push_back(MillisecondsSince(start));
        KanvioSkinStop();
        Drain();
    }
    for (HWND window : windows) {
        DestroyWindow(window);
    }
    return Median(times);
}

// Milliseconds from starting `command` to notepad's window on the screen;
// the window is then closed and the process waited for. -1 when it failed.
double StartToWindow(std::wstring command) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const Clock::time_point start = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    HWND window = nullptr;
    while (!(window = FindWindowW(nullptr, NotepadTitle)) || !IsWindowVisible(window)) {
        if (Clock::now() - start > ShowLimit) {
            TerminateProcess(process.hProcess, 1);
            break;
        }
        Sleep(1);
    }
    const double time = window ? MillisecondsSince(start) : -1;
    if (window) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return time;
}

std::wstring Beside(const wchar_t* name) {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

} // namespace

int wmain() {
    KanvioSkin* skin = nullptr;
    if (KanvioSkinLoadFile(KANVIO_BENCH_SKIN, &skin) != KanvioSkinOk) {
        std::fwprintf(stderr, L"library_bench: %ls\n", KanvioSkinLastError());
        return 1;
    }
    std::printf("library: switching the skin on over %d open windows, to the last frame "
                "painted: %.1f ms (median of %d)\n",
                Windows, SkinFiftyWindows(skin), Rounds);
    KanvioSkinFree(skin);

    const std::wstring skinned = L"\"" + Beside(L"skinrun.exe") + L"\" \"" +
                                 std::wstring(KANVIO_BENCH_SKIN) + L"\" -- notepad.exe";
    std::vector<double> plainTimes, skinnedTimes;
    for (int round = 0; round < Rounds; ++round) {
        plainTimes.push_back(StartToWindow(L"notepad.exe"));
        skinnedTimes.push_back(StartToWindow(skinned));
    }
    const double plain = Median(plainTimes);
    const double throughSkinrun = Median(skinnedTimes);
    std::printf("library: notepad started to its window shown: plainly %.1f ms, by skinrun "
                "%.1f ms, %.1f ms more (median of %d each)\n",
                plain, throughSkinrun, throughSkinrun - plain, Rounds);
    return 0;
}
