#include "toolkit/win32/Compositor.h"

#include <utility>

namespace tk::compositor {
namespace {

using SetAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

// The compositor's own function, looked up once; none where the system has
// no compositor library.
SetAttributeFunction SystemSetAttribute() {
    static const SetAttributeFunction function = [] {
        HMODULE library = LoadLibraryW(L"dwmapi.dll");
        return library ? reinterpret_cast<SetAttributeFunction>(reinterpret_cast<void*>(
                             GetProcAddress(library, "DwmSetWindowAttribute")))
                       : nullptr;
    }();
    return function;
}

bool AskSystem(HWND window, Attribute attribute, DWORD value) {
    const SetAttributeFunction set = SystemSetAttribute();
    return set && SUCCEEDED(set(window, DWORD(attribute), &value, sizeof(value)));
}

// The seam's one setter for the process: the system's unless a test put its own.
Setter& CurrentSetter() {
    static Setter setter;
    return setter;
}

bool Ask(HWND window, Attribute attribute, DWORD value) {
    if (!IsWindow(window)) {
        return false;
    }
    const Setter& setter = CurrentSetter();
    return setter ? setter(window, attribute, value) : AskSystem(window, attribute, value);
}

} // namespace

bool SetFrameRendering(HWND window, bool byCompositor) {
    return Ask(window, Attribute::NonClientRendering,
               byCompositor ? RenderingByStyle : RenderingDisabled);
}

bool SetTransitions(HWND window, bool on) {
    return Ask(window, Attribute::TransitionsForceDisabled, on ? FALSE : TRUE);
}

bool SetSquareCorners(HWND window) {
    return Ask(window, Attribute::CornerPreference, CornersNotRounded);
}

Setter ReplaceSetter(Setter setter) {
    return std::exchange(CurrentSetter(), std::move(setter));
}

} // namespace tk::compositor
