// Window subclassing through the common controls' subclass chain. Any number
// of parties (the toolkit, the skin engine's frames and skinners) stack their
// procedures on one window and take them off again in any order; the chain
// keeps every other layer in place. Windows stay wide (W) whatever is stacked.
//
// A WindowSubclass owns one layer: installing it puts its procedure on top of
// the window's chain, destroying it (or Remove) takes exactly that layer off.
// The layer also comes off by itself after the window's WM_NCDESTROY has
// passed through it, so an owner that outlives its window is safe; and
// WM_NCDESTROY always reaches the layers below, also from a procedure that
// keeps it to itself, so that each of them lets go.
//
// A procedure may remove its own layer (or any other) while it runs and still
// hand the message on; its owner may even be destroyed while it runs, as long
// as the procedure touches nothing of it afterwards. A layer removed while
// messages to its window are nested inside each other stops seeing messages
// at once but leaves the chain only when the outermost one is done: the
// chain's own bookkeeping would otherwise hand the outer messages to a layer
// that is gone.
//
// Error policy: Install answers false when the system refuses. Nothing throws
// out of the window procedure: a procedure that throws is cut short, and a
// message it had not yet handed on goes to the layers below (one it had keeps
// the answer they gave).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

namespace tk {

class WindowSubclass {
public:
    // Sees every message that reaches this layer and answers it; to hand a
    // message on to the layers below, it calls CallNext (once per message).
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

    // Passes the message this layer's procedure is handling to the layers
    // below (ending in the window's own procedure). Only valid while the
    // procedure runs, also after it removed its layer.
    LRESULT CallNext(UINT msg, WPARAM wParam, LPARAM lParam) const;
    // True while this layer's procedure handles exactly this message and has
    // not handed it on yet: then CallNext is the way down. Code that also
    // sends messages through its handlers by hand asks this before choosing
    // between CallNext and the window's own procedure.
    bool Pending(UINT msg, WPARAM wParam, LPARAM lParam) const;

private:
    struct Layer;
    struct Hub;
    // One message on its way through this layer (innermost first).
    struct Frame {
        HWND window;
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
        bool passedOn = false;
        LRESULT result = 0;
        Frame* outer = nullptr;
    };

    static LRESULT CALLBACK Entry(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR data);
    static LRESULT RunProcedure(Layer& layer, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static void Release(Layer* layer);
    static void Unchain(Layer* layer);
    static void DropHubIfUnused(Hub* hub, HWND window);

    HWND window_ = nullptr;
    Layer* layer_ = nullptr;
    // Cleared when this object goes, so a message that destroyed the owner
    // of the layer while it ran does not touch it afterwards.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    Frame* frame_ = nullptr;
};

} // namespace tk
