// Window subclassing through the common controls' subclass chain. Any number
// of parties (the toolkit, the skin engine's frames and skinners) stack their
// procedures on one window and take them off again in any order; the chain
// keeps every other layer in place.
//
// A WindowSubclass owns one layer: installing it puts its procedure on top of
// the window's chain, destroying it (or Remove) takes exactly that layer off.
// The layer also comes off by itself after the window's WM_NCDESTROY has
// passed through it, so an owner that outlives its window is safe.
//
// Error policy: Install answers false when the system refuses. Nothing throws
// out of the window procedure: a procedure that throws is cut short, and a
// message it had not yet handed on goes to the layers below.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

namespace tk {

class WindowSubclass {
public:
    // Sees every message that reaches this layer and answers it; to hand a
    // message on to the layers below, it calls CallNext.
    using Procedure = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam)>;

    WindowSubclass() = default;
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;
    ~WindowSubclass();

    // Puts the procedure on top of the window's chain. False (and nothing
    // installed) for no window, or when this layer is already installed.
    bool Install(HWND window, Procedure procedure);
    // Takes this layer off the chain; nothing when it is not installed.
    void Remove();
    bool Installed() const { return window_ != nullptr; }
    HWND Window() const { return window_; }

    // Passes a message to the layers below this one (ending in the window's
    // own procedure). Only valid while this layer's procedure runs.
    LRESULT CallNext(UINT msg, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK Entry(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR data);

    HWND window_ = nullptr;
    Procedure procedure_;
    // Cleared when this object goes, so a message that destroyed the owner
    // of the layer while it ran does not touch it afterwards.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    // Set by CallNext for the innermost message being handled.
    bool* passedOn_ = nullptr;
};

} // namespace tk
