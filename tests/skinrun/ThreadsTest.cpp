// skinrun skins every GUI thread of a program it starts: the main thread's
// windows and those of a thread started later, and the program still ends,
// with its own exit code, after a thread ended with its windows skinned.
#include "tests/skinrun/ThreadProbe.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// Long enough for a slow start under Wine; a program that has not ended by
// then hangs.
constexpr DWORD ProgramEndsWithinMs = 60000;

std::wstring Sibling(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + name;
}

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

TEST(SkinrunThreads, EveryThreadsWindowsAreSkinnedAndTheProgramEnds) {
    std::wstring command = L"\"" + Sibling(L"skinrun.exe") + L"\" \"" + Wide(KANVIO_SKINRUN_SKIN) +
                           L"\" -- \"" + Sibling(L"skinrun_thread_probe.exe") + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process))
        << GetLastError();
    const DWORD waited = WaitForSingleObject(process.hProcess, ProgramEndsWithinMs);
    if (waited != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    DWORD answer = 0;
    GetExitCodeProcess(process.hProcess, &answer);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_EQ(waited, WAIT_OBJECT_0) << "the program did not end";
    EXPECT_TRUE(answer & MainThreadSkinned) << "answer " << answer;
    EXPECT_TRUE(answer & SecondThreadSkinned) << "answer " << answer;
    EXPECT_TRUE(answer & MainStillSkinned) << "answer " << answer;
    EXPECT_EQ(answer, DWORD(AllSkinned));
}

} // namespace
