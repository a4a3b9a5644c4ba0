// skinrun PKG -- PROGRAM [ARGS]: runs an existing Windows program with every
// window of its main thread skinned, without changing the program on disk.
// The program is started suspended, kanvioskin.dll is loaded into it by a
// thread of skinrun's making (the library takes the skin package from the
// environment and hooks the program's main thread), and then the program
// runs. skinrun waits for it and ends with its exit code.
#include "include/kanvioskin.h"
#include "tools/skinrun/CommandLine.h"
#include "tools/skinrun/ProgramSearch.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int UsageError = 2;
constexpr int RunError = 1;
// How long the program may take to load the library.
constexpr DWORD LoadTimeoutMs = 30000;

int Fail(const std::wstring& why) {
    std::fwprintf(stderr, L"skinrun: %ls\n", why.c_str());
    return RunError;
}

std::wstring SystemError(DWORD code) {
    return L"system error " + std::to_wstring(code);
}

std::wstring FullPath(const wchar_t* path) {
    wchar_t full[MAX_PATH * 4];
    const DWORD length = GetFullPathNameW(path, DWORD(std::size(full)), full, nullptr);
    return length && length < std::size(full) ? std::wstring(full, length) : path;
}

// The library this program was linked with: the one to load into the other.
std::wstring LibraryPath() {
    wchar_t path[MAX_PATH * 4];
    const DWORD length =
        GetModuleFileNameW(GetModuleHandleW(L"kanvioskin.dll"), path, DWORD(std::size(path)));
    return std::wstring(path, length);
}

// Has the suspended process load the library with a thread of its own;
// false, with the reason, when it could not.
bool LoadLibraryInto(HANDLE process, const std::wstring& library, std::wstring& why) {
    const size_t bytes = (library.size() + 1) * sizeof(wchar_t);
    void* remote = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
    if (!remote) {
        why = L"cannot reserve memory in the program (" + SystemError(GetLastError()) + L")";
        return false;
    }
    bool loaded = false;
    const auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
    if (!WriteProcessMemory(process, remote, library.c_str(), bytes, nullptr)) {
        why = L"cannot write into the program (" + SystemError(GetLastError()) + L")";
    } else if (HANDLE thread =
                   CreateRemoteThread(process, nullptr, 0, loadLibrary, remote, 0, nullptr)) {
        DWORD module = 0;
        if (WaitForSingleObject(thread, LoadTimeoutMs) != WAIT_OBJECT_0) {
            why = L"the program did not load " + library + L" in time";
        } else if (!GetExitCodeThread(thread, &module) || module == 0) {
            why = L"the program could not load " + library;
        } else {
            loaded = true;
        }
        CloseHandle(thread);
    } else {
        why = L"cannot start a thread in the program (" + SystemError(GetLastError()) + L")";
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return loaded;
}

int Usage() {
    std::fwprintf(stderr, L"usage: skinrun PKG -- PROGRAM [ARGS...]\n"
                          L"  runs PROGRAM with its windows skinned by the skin package PKG\n");
    return UsageError;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4 || std::wstring(argv[2]) != L"--") {
        return Usage();
    }
    // The package is read here first, so a bad one is reported before the
    // program starts.
    const std::wstring package = FullPath(argv[1]);
    KanvioSkin* skin = nullptr;
    if (KanvioSkinLoadFile(package.c_str(), &skin) != KanvioSkinOk) {
        return Fail(KanvioSkinLastError());
    }
    KanvioSkinFree(skin);

    std::vector<std::wstring> words(argv + 3, argv + argc);
    const std::optional<std::wstring> found = skinrun::FindProgram(words.front());
    if (!found) {
        return Fail(L"cannot find " + words.front() +
                    L" on the search path or under the registry's App Paths");
    }
    words.front() = *found;
    std::wstring commandLine = skinrun::BuildCommandLine(words);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION program{};
    SetEnvironmentVariableW(KANVIOSKIN_RUN_PACKAGE, package.c_str());
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                                        CREATE_SUSPENDED, nullptr, nullptr, &startup, &program);
    const DWORD startError = GetLastError();
    SetEnvironmentVariableW(KANVIOSKIN_RUN_PACKAGE, nullptr);
    if (!started) {
        return Fail(L"cannot start " + std::wstring(argv[3]) + L" (" + SystemError(startError) +
                    L")");
    }
    std::wstring why;
    if (!LoadLibraryInto(program.hProcess, LibraryPath(), why)) {
        TerminateProcess(program.hProcess, RunError);
        CloseHandle(program.hThread);
        CloseHandle(program.hProcess);
        return Fail(why);
    }
    ResumeThread(program.hThread);
    CloseHandle(program.hThread);
    WaitForSingleObject(program.hProcess, INFINITE);
    DWORD exitCode = RunError;
    GetExitCodeProcess(program.hProcess, &exitCode);
    CloseHandle(program.hProcess);
    return int(exitCode);
}
