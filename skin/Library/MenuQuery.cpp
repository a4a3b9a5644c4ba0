#include "skin/Library/MenuQuery.h"

#include "skin/WinSubClass/SkinManager.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cstring>

namespace skinlib {
namespace {

using GetMenuFunction = HMENU(WINAPI*)(HWND);

GetMenuFunction SystemGetMenu() {
    static const auto function = reinterpret_cast<GetMenuFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetMenu")));
    return function;
}

HMENU WINAPI MenuOfWindow(HWND window) {
    if (HMENU menu = SystemGetMenu()(window)) {
        return menu;
    }
    return static_cast<HMENU>(GetPropW(window, skin::TakenMenuProperty));
}

// Rewrites the module's import slots that hold the system's GetMenu.
void AnswerFor(HMODULE module) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) {
        return;
    }
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE) {
        return;
    }
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) {
        return;
    }
    const auto system = reinterpret_cast<ULONG_PTR>(SystemGetMenu());
    const auto ours = reinterpret_cast<ULONG_PTR>(&MenuOfWindow);
    for (auto* library =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         library->Name != 0; ++library) {
        if (_stricmp(reinterpret_cast<const char*>(base + library->Name), "user32.dll") != 0) {
            continue;
        }
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
             slot->u1.Function != 0; ++slot) {
            DWORD protection = 0;
            if (slot->u1.Function == system &&
                VirtualProtect(&slot->u1.Function, sizeof(slot->u1.Function), PAGE_READWRITE,
                               &protection)) {
                slot->u1.Function = ours;
                VirtualProtect(&slot->u1.Function, sizeof(slot->u1.Function), protection,
                               &protection);
            }
        }
    }
}

HMODULE ThisLibrary() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&MenuOfWindow), &self);
    return self;
}

} // namespace

void AnswerMenuQueries() {
    if (!SystemGetMenu()) {
        return;
    }
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId());
    if (snapshot == INVALID_HANDLE_VALUE) {
        return;
    }
    const HMODULE self = ThisLibrary();
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Module32FirstW(snapshot, &entry); more;
         more = Module32NextW(snapshot, &entry)) {
        if (entry.hModule != self) {
            AnswerFor(entry.hModule);
        }
    }
    CloseHandle(snapshot);
}

} // namespace skinlib
