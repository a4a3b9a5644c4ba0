#include "tools/skinrun/ProgramSearch.h"

#include <windows.h>

namespace skinrun {
namespace {

constexpr const wchar_t* AppPaths = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

bool HasFolder(const std::wstring& name) {
    return name.find_first_of(L"\\/:") != std::wstring::npos;
}

bool HasExtension(const std::wstring& name) {
    return name.find(L'.') != std::wstring::npos;
}

bool OnSearchPath(const std::wstring& name) {
    wchar_t found[MAX_PATH * 4];
    return SearchPathW(nullptr, name.c_str(), L".exe", DWORD(std::size(found)), found, nullptr) !=
           0;
}

// A registered path may be quoted and may name variables (%ProgramFiles%).
std::wstring Unquoted(std::wstring path) {
    if (path.size() >= 2 && path.front() == L'"') {
        const size_t close = path.find(L'"', 1);
        path = path.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
    }
    return path;
}

std::wstring Expanded(const std::wstring& text) {
    const DWORD length = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    std::wstring expanded(length, L'\0');
    if (length == 0 || ExpandEnvironmentStringsW(text.c_str(), expanded.data(), length) == 0) {
        return text;
    }
    expanded.resize(length - 1);
    return expanded;
}

// The default value of App Paths\<file> below `root`, if it names a file.
std::optional<std::wstring> Registered(HKEY root, const std::wstring& file) {
    const std::wstring key = AppPaths + file;
    DWORD bytes = 0;
    if (RegGetValueW(root, key.c_str(), nullptr,
                     RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, nullptr,
                     &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(root, key.c_str(), nullptr,
                     RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, value.data(),
                     &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.resize(wcsnlen(value.c_str(), value.size()));
    const std::wstring path = Expanded(Unquoted(value));
    if (path.empty() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return path;
}

} // namespace

std::optional<std::wstring> FindProgram(const std::wstring& name) {
    if (name.empty()) {
        return std::nullopt;
    }
    if (HasFolder(name) || OnSearchPath(name)) {
        return name;
    }
    const std::wstring file = HasExtension(name) ? name : name + L".exe";
    // The user's own registrations come before the machine's.
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        if (std::optional<std::wstring> path = Registered(root, file)) {
            return path;
        }
    }
    return std::nullopt;
}

} // namespace skinrun
