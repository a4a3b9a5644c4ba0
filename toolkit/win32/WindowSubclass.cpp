#include "WindowSubclass.h"

#include <commctrl.h>

#include <utility>

namespace tk {

WindowSubclass::~WindowSubclass() {
    *alive_ = false;
    Remove();
}

bool WindowSubclass::Install(HWND window, Procedure procedure) {
    if (!window || window_) {
        return false;
    }
    procedure_ = std::move(procedure);
    if (!SetWindowSubclass(window, &WindowSubclass::Entry, reinterpret_cast<UINT_PTR>(this),
                           reinterpret_cast<DWORD_PTR>(this))) {
        procedure_ = nullptr;
        return false;
    }
    window_ = window;
    return true;
}

void WindowSubclass::Remove() {
    if (window_) {
        RemoveWindowSubclass(window_, &WindowSubclass::Entry, reinterpret_cast<UINT_PTR>(this));
        window_ = nullptr;
        procedure_ = nullptr;
    }
}

LRESULT WindowSubclass::CallNext(UINT msg, WPARAM wParam, LPARAM lParam) const {
    if (passedOn_) {
        *passedOn_ = true;
    }
    return DefSubclassProc(window_, msg, wParam, lParam);
}

LRESULT CALLBACK WindowSubclass::Entry(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
    auto* layer = reinterpret_cast<WindowSubclass*>(data);
    if (!layer->procedure_) {
        return DefSubclassProc(window, msg, wParam, lParam);
    }
    // Copies: the owner may remove this layer, or be destroyed, while the
    // procedure runs.
    std::shared_ptr<bool> alive = layer->alive_;
    Procedure procedure = layer->procedure_;
    bool passedOn = false;
    bool* outer = std::exchange(layer->passedOn_, &passedOn);
    LRESULT result = 0;
    try {
        result = procedure(msg, wParam, lParam);
    } catch (...) {
        if (!passedOn) {
            result = DefSubclassProc(window, msg, wParam, lParam);
        }
    }
    if (*alive) {
        layer->passedOn_ = outer;
        if (msg == WM_NCDESTROY && layer->window_ == window) {
            layer->Remove();
        }
    }
    return result;
}

} // namespace tk
