// kanvioskin.dll loaded into a program that did not ask for it: skinrun
// starts the program suspended, names the skin package in the environment
// variable KANVIOSKIN_RUN_PACKAGE and has the program's first thread load
// this library. The library then hooks the program's main thread and, the
// first time that thread takes a message from its queue (its first windows
// made, outside any of their messages), starts the engine there as a
// program's own two calls would.
//
// Error policy: nothing here stops the program; a skin that cannot be
// loaded leaves it native and says why on the debugger's output.
#include "include/kanvioskin.h"

#include <tlhelp32.h>

#include <string>
#include <utility>

namespace {

std::wstring RunPackage;
HHOOK BootstrapHook = nullptr;

// The program's main thread: of the process's other threads (this one loads
// the library), the one made first.
DWORD MainThread() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 0;
    }
    DWORD found = 0;
    ULONGLONG earliest = ~0ULL;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != GetCurrentProcessId() ||
            entry.th32ThreadID == GetCurrentThreadId()) {
            continue;
        }
        const HANDLE thread =
            OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID);
        FILETIME created{}, exited{}, kernel{}, user{};
        if (thread && GetThreadTimes(thread, &created, &exited, &kernel, &user)) {
            const ULONGLONG at = (ULONGLONG(created.dwHighDateTime) << 32) | created.dwLowDateTime;
            if (at < earliest) {
                earliest = at;
                found = entry.th32ThreadID;
            }
        }
        if (thread) {
            CloseHandle(thread);
        }
    }
    CloseHandle(snapshot);
    return found;
}

LRESULT CALLBACK Bootstrap(int code, WPARAM wParam, LPARAM lParam) {
    if (const HHOOK hook = std::exchange(BootstrapHook, nullptr)) {
        UnhookWindowsHookEx(hook);
        KanvioSkin* skin = nullptr;
        if (KanvioSkinLoadFile(RunPackage.c_str(), &skin) != KanvioSkinOk ||
            KanvioSkinStart(skin) != KanvioSkinOk) {
            OutputDebugStringW(
                (std::wstring(L"kanvioskin: ") + KanvioSkinLastError() + L"\n").c_str());
        }
        KanvioSkinFree(skin);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Hooks the main thread when skinrun asked for it; the variable goes, so the
// program's own children do not see it.
void HookMainThreadForSkinrun(HINSTANCE module) {
    wchar_t path[32768];
    const DWORD length =
        GetEnvironmentVariableW(KANVIOSKIN_RUN_PACKAGE, path, DWORD(std::size(path)));
    if (length == 0 || length >= std::size(path)) {
        return;
    }
    SetEnvironmentVariableW(KANVIOSKIN_RUN_PACKAGE, nullptr);
    RunPackage.assign(path, length);
    if (const DWORD thread = MainThread()) {
        BootstrapHook = SetWindowsHookExW(WH_GETMESSAGE, Bootstrap, module, thread);
    }
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        HookMainThreadForSkinrun(module);
    }
    return TRUE;
}
