// kanvioskin.dll loaded into a program that did not ask for it: skinrun
// starts the program suspended, names the skin package in the environment
// variable KANVIOSKIN_RUN_PACKAGE and has the program load this library by a
// thread of its own. The library then hooks every other thread of the
// program, and each thread the program starts later as it starts; the first
// time a shown window of a hooked thread is activated, or the thread takes a
// message from its queue while it shows a window (one shown inactive), the
// engine starts on that thread as a program's own two calls would, and frames
// its shown windows. Threads that show no window (workers, those with
// message-only windows) never get an engine.
//
// Error policy: nothing here stops the program; a skin that cannot be
// loaded leaves it native and says why on the debugger's output.
#include "include/kanvioskin.h"

#include <tlhelp32.h>

#include <map>
#include <mutex>
#include <string>

namespace {

// A thread's two ways to its engine: a shown window of it activated, or a
// message taken from its queue while it shows a window (one shown inactive).
struct THooks {
    HHOOK activation = nullptr;
    HHOOK message = nullptr;
};

// What skinrun asked for, set once when the library is loaded; then the
// threads' bootstrap hooks, and the skin the first of them loaded.
struct TRun {
    HINSTANCE module = nullptr;
    std::wstring package;
    std::mutex lock;
    std::map<DWORD, THooks> hooks;
    KanvioSkin* skin = nullptr;
    bool refused = false;
};

TRun& Run() {
    static TRun run;
    return run;
}

// The package, loaded by the first thread that needs it and kept for the
// others until the process ends; none when it was refused (said once).
const KanvioSkin* RunSkin(TRun& run) {
    if (!run.skin && !run.refused &&
        KanvioSkinLoadFile(run.package.c_str(), &run.skin) != KanvioSkinOk) {
        run.refused = true;
        OutputDebugStringW((std::wstring(L"kanvioskin: ") + KanvioSkinLastError() + L"\n").c_str());
    }
    return run.skin;
}

void Unhook(const THooks& hooks) {
    for (HHOOK hook : {hooks.activation, hooks.message}) {
        if (hook) {
            UnhookWindowsHookEx(hook);
        }
    }
}

// Starts the engine on the calling thread the first time it is asked.
void StartOnThisThread() {
    TRun& run = Run();
    std::unique_lock lock(run.lock);
    const auto hooks = run.hooks.find(GetCurrentThreadId());
    if (hooks == run.hooks.end()) {
        return;
    }
    Unhook(hooks->second);
    run.hooks.erase(hooks);
    const KanvioSkin* skin = RunSkin(run);
    lock.unlock();
    if (skin && KanvioSkinStart(skin) != KanvioSkinOk) {
        OutputDebugStringW((std::wstring(L"kanvioskin: ") + KanvioSkinLastError() + L"\n").c_str());
    }
}

BOOL CALLBACK FindShownWindow(HWND window, LPARAM found) {
    *reinterpret_cast<bool*>(found) = IsWindowVisible(window);
    return !IsWindowVisible(window);
}

bool ThreadShowsWindow() {
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), FindShownWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

LRESULT CALLBACK OnActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && IsWindowVisible(reinterpret_cast<HWND>(wParam))) {
        StartOnThisThread();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK OnMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && ThreadShowsWindow()) {
        StartOnThisThread();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void HookThread(TRun& run, DWORD thread) {
    {
        const std::lock_guard lock(run.lock);
        if (run.hooks.count(thread) != 0) {
            return;
        }
    }
    THooks hooks;
    hooks.activation = SetWindowsHookExW(WH_CBT, OnActivation, run.module, thread);
    hooks.message = SetWindowsHookExW(WH_GETMESSAGE, OnMessage, run.module, thread);
    const std::lock_guard lock(run.lock);
    run.hooks[thread] = hooks;
}

// The program's threads there already; the one loading the library is
// skinrun's and ends once it has.
void HookOtherThreads(TRun& run) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return;
    }
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == GetCurrentProcessId() &&
            entry.th32ThreadID != GetCurrentThreadId()) {
            HookThread(run, entry.th32ThreadID);
        }
    }
    CloseHandle(snapshot);
}

// Reads skinrun's request; the variable goes, so the program's own children
// do not see it.
bool AskedBySkinrun(TRun& run, HINSTANCE module) {
    wchar_t path[32768];
    const DWORD length =
        GetEnvironmentVariableW(KANVIOSKIN_RUN_PACKAGE, path, DWORD(std::size(path)));
    if (length == 0 || length >= std::size(path)) {
        return false;
    }
    SetEnvironmentVariableW(KANVIOSKIN_RUN_PACKAGE, nullptr);
    run.module = module;
    run.package.assign(path, length);
    return true;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    TRun& run = Run();
    if (reason == DLL_PROCESS_ATTACH && AskedBySkinrun(run, module)) {
        HookOtherThreads(run);
    } else if (reason == DLL_THREAD_ATTACH && run.module) {
        HookThread(run, GetCurrentThreadId());
    } else if (reason == DLL_THREAD_DETACH && run.module) {
        // A thread that ends before it had a window leaves its hook behind.
        const std::lock_guard lock(run.lock);
        if (const auto hooks = run.hooks.find(GetCurrentThreadId()); hooks != run.hooks.end()) {
            Unhook(hooks->second);
            run.hooks.erase(hooks);
        }
    }
    return TRUE;
}
