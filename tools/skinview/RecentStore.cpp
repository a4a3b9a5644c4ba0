#include "tools/skinview/RecentStore.h"

#include "toolkit/Text.h"

#include <windows.h>

namespace skinview {
namespace {

constexpr const wchar_t* KeyName = L"Software\\Kanvio\\skinview";
constexpr const wchar_t* ValueName = L"Recent";

} // namespace

std::vector<std::string> LoadRecentSkins() {
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, KeyName, ValueName, RRF_RT_REG_MULTI_SZ, &type, nullptr,
                     &bytes) != ERROR_SUCCESS) {
        return {};
    }
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, KeyName, ValueName, RRF_RT_REG_MULTI_SZ, &type, text.data(),
                     &bytes) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<std::string> paths;
    for (const wchar_t* line = text.c_str(); *line; line += wcslen(line) + 1) {
        paths.push_back(tk::Narrow(line));
    }
    return paths;
}

void SaveRecentSkins(const std::vector<std::string>& paths) {
    std::wstring text;
    for (const std::string& path : paths) {
        text += tk::Widen(path);
        text += L'\0';
    }
    text += L'\0';
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyName, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(key, ValueName, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(text.data()),
                   DWORD(text.size() * sizeof(wchar_t)));
    RegCloseKey(key);
}

} // namespace skinview
