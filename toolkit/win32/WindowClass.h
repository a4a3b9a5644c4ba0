// A window class of the program's own, registered the first time it is
// asked for; later calls find it there. Error policy: answers false when
// the system refuses the registration; never throws.
#pragma once

#include <windows.h>

namespace tk {

// The module that holds this code: the program, or the library the toolkit
// is built into. Its window classes are registered and its windows created
// under it, so a library of ours loaded into a program of ours keeps its
// classes apart from the program's (each module has its own copy of this
// function, and so its own address to ask by).
inline HINSTANCE CodeModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&CodeModule), &module);
    return module;
}

inline bool RegisterClassOnce(const wchar_t* name, WNDPROC procedure) {
    HINSTANCE instance = CodeModule();
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, name, &existing)) {
        return true;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

} // namespace tk
