// The engine as the library runs it on one thread: one skin component, not
// owned by any form, skinning every window of the thread that started it,
// beside the thread's own manager (windows, hooks and timers belong to a
// thread, so each GUI thread that skins has an engine of its own); the
// windows the program left native. The window classes left native are the
// process's: every thread's engine honours them.
//
// The first start skins the open windows before it returns. Switching to
// another skin, stopping and leaving windows native are carried out by a
// message to the engine's own message-only window, as soon as the thread's
// message loop runs: the program may ask for them from inside a skinned
// window's or control's message (a menu command, a button's click), whose
// frame or skinner must not be freed under it. Stopping takes the whole engine down (frames,
// skinners, hook, timers, the skin's bitmaps), so the thread's live objects
// are as before the first start.
//
// Error policy: Start throws skinlib::TRefusal for a package the engine
// cannot read; the rest never throws for a window or class it is given (the
// caller checks windows and threads before).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace skin {
class TSkinData;
} // namespace skin

namespace skinlib {

class TThreadEngine {
public:
    TThreadEngine();
    // A thread that ends with its engine running takes it down.
    ~TThreadEngine();
    TThreadEngine(const TThreadEngine&) = delete;
    TThreadEngine& operator=(const TThreadEngine&) = delete;

    // Started, and no stop pending.
    bool Running() const { return data_ && !stopPending_; }

    // Skins the calling thread's windows with the package, or has them take
    // it when they are skinned already.
    void Start(const std::vector<uint8_t>& package);
    // Every window back to its native drawing, and the engine taken down.
    void Stop();
    void LeaveWindow(HWND window);
    // Every engine, of every thread, lets the class's windows go.
    static void LeaveClass(const std::string& className);

    // The thread ends: the engine goes down now if it runs.
    void End() {
        if (data_) {
            TakeDown();
        }
    }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Post();
    void CarryOutPending();
    // Takes the frames off the windows and classes left native.
    void ReleaseLeftWindows();
    void TakeDown();
    static bool IsLeftClass(const std::string& className);
    // Frames every visible top-level window of the thread.
    void SkinOpenWindows();

    std::unique_ptr<skin::TSkinData> data_;
    HWND window_ = nullptr;
    bool stopPending_ = false;
    std::vector<uint8_t> pendingPackage_; // empty when no switch is pending
};

// Takes the calling thread's engine down, if it has one running: called as
// the thread ends (ThreadEnd.cpp).
void EndThreadEngine();

} // namespace skinlib
