// skinrun finds a program named without a folder as the shell's Run box
// does: the search path first, then the program's App Paths entry, the
// user's before the machine's. The entries are made here under names no
// real program has, and removed again.
#include "tools/skinrun/ProgramSearch.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

constexpr const wchar_t* AppPaths = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

std::wstring WindowsFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, length) + L"\\" + name;
}

// An App Paths entry for the length of a test.
class Registration {
public:
    Registration(HKEY root, const std::wstring& file, const std::wstring& path, DWORD type)
        : root_(root), key_(AppPaths + file) {
        HKEY key = nullptr;
        EXPECT_EQ(
            RegCreateKeyExW(root_, key_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        RegSetValueExW(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(path.c_str()),
                       DWORD((path.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    ~Registration() { RegDeleteTreeW(root_, key_.c_str()); }
    Registration(const Registration&) = delete;
    Registration& operator=(const Registration&) = delete;

private:
    HKEY root_;
    std::wstring key_;
};

TEST(SkinrunProgramSearch, ANameWithAFolderOrOnTheSearchPathIsStartedAsGiven) {
    EXPECT_EQ(skinrun::FindProgram(L"C:\\windows\\notepad.exe"), L"C:\\windows\\notepad.exe");
    // A folder that does not exist is the system's to report when starting.
    EXPECT_EQ(skinrun::FindProgram(L"C:\\nowhere\\tool.exe"), L"C:\\nowhere\\tool.exe");
    EXPECT_EQ(skinrun::FindProgram(L"sub/tool.exe"), L"sub/tool.exe");
    EXPECT_EQ(skinrun::FindProgram(L"notepad.exe"), L"notepad.exe");
    EXPECT_EQ(skinrun::FindProgram(L"notepad"), L"notepad");
    EXPECT_EQ(skinrun::FindProgram(L"NOTEPAD.EXE"), L"NOTEPAD.EXE");
}

TEST(SkinrunProgramSearch, AProgramOffThePathIsFoundThroughItsAppPathsEntry) {
    const std::wstring notepad = WindowsFile(L"notepad.exe");
    // Installers write the path quoted, and often with a variable in it.
    const Registration quoted(HKEY_CURRENT_USER, L"kanvio-probe-quoted.exe",
                              L"\"%SystemRoot%\\notepad.exe\"", REG_EXPAND_SZ);
    const Registration plain(HKEY_LOCAL_MACHINE, L"kanvio-probe-plain.exe", notepad, REG_SZ);
    EXPECT_EQ(skinrun::FindProgram(L"kanvio-probe-quoted.exe"), notepad);
    EXPECT_EQ(skinrun::FindProgram(L"kanvio-probe-plain.exe"), notepad);
    // Without its extension, as one types it into the Run box; the
    // registry's names know no case.
    EXPECT_EQ(skinrun::FindProgram(L"kanvio-probe-plain"), notepad);
    EXPECT_EQ(skinrun::FindProgram(L"KANVIO-PROBE-PLAIN.EXE"), notepad);
}

TEST(SkinrunProgramSearch, TheUsersEntryComesBeforeTheMachines) {
    const Registration machine(HKEY_LOCAL_MACHINE, L"kanvio-probe-both.exe",
                               WindowsFile(L"regedit.exe"), REG_SZ);
    const Registration user(HKEY_CURRENT_USER, L"kanvio-probe-both.exe",
                            WindowsFile(L"notepad.exe"), REG_SZ);
    EXPECT_EQ(skinrun::FindProgram(L"kanvio-probe-both.exe"), WindowsFile(L"notepad.exe"));
}

TEST(SkinrunProgramSearch, AnUnknownProgramOrABrokenEntryFindsNothing) {
    EXPECT_EQ(skinrun::FindProgram(L""), std::nullopt);
    EXPECT_EQ(skinrun::FindProgram(L"kanvio-no-such-program.exe"), std::nullopt);
    EXPECT_EQ(skinrun::FindProgram(L"kanvio-no-such-program"), std::nullopt);
    // An entry left behind by a program since removed.
    const Registration stale(HKEY_LOCAL_MACHINE, L"kanvio-probe-stale.exe",
                             L"C:\\nowhere\\gone.exe", REG_SZ);
    EXPECT_EQ(skinrun::FindProgram(L"kanvio-probe-stale.exe"), std::nullopt);
    // An entry with an empty value.
    const Registration empty(HKEY_CURRENT_USER, L"kanvio-probe-empty.exe", L"", REG_SZ);
    EXPECT_EQ(skinrun::FindProgram(L"kanvio-probe-empty.exe"), std::nullopt);
    // A key without a default value at all.
    HKEY key = nullptr;
    const std::wstring bare = std::wstring(AppPaths) + L"kanvio-probe-bare.exe";
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, bare.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(skinrun::FindProgram(L"kanvio-probe-bare.exe"), std::nullopt);
    RegDeleteTreeW(HKEY_CURRENT_USER, bare.c_str());
}

} // namespace
