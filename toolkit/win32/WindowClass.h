// A window class of the program's own, registered the first time it is
// asked for; later calls find it there. Error policy: answers false when
// the system refuses the registration; never throws.
#pragma once

#include <windows.h>

namespace tk {

inline bool RegisterClassOnce(const wchar_t* name, WNDPROC procedure) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
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
