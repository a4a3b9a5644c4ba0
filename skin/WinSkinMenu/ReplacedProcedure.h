// TReplacedProcedure: a procedure of the skin's put in front of a window's
// own, for the windows the skin takes messages of while a menu opens: a
// system popup-menu window for its whole life, a frame's window while its
// drop-down is open. A layer of the common controls' subclass chain
// (tk::WindowSubclass) would serve as well, but under Wine every message
// through such a layer reads a window property from the server, twice, and a
// drop-down's opening sends dozens of messages to each of the two windows:
// that was a sizeable part of the opening. Here the window's procedure is
// simply replaced, and the one it replaced is found in the thread's own table.
//
// Taken off, the window gets its own procedure back when nobody replaced the
// skin's since; otherwise the skin's entry stays in between, hands every
// message on, and serves the next procedure installed on the window. The
// table forgets the window after its WM_NCDESTROY, which always reaches the
// window's own procedure. Only windows that take wide (W) messages are
// taken: replacing an ANSI window's procedure would make it a wide one.
//
// Error policy: as the subclass chain's: a procedure that throws is cut
// short, and a message it had not handed on goes to the window's own
// procedure (one it had keeps the answer that gave).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

namespace skin {

class TReplacedProcedure {
public:
    // Sees every message of the window and answers it; CallNext hands it on
    // to the window's own procedure (once per message).
    using Procedure = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam)>;

    TReplacedProcedure() = default;
    TReplacedProcedure(const TReplacedProcedure&) = delete;
    TReplacedProcedure& operator=(const TReplacedProcedure&) = delete;
    ~TReplacedProcedure();

    // False (and nothing installed) for no window, an ANSI window, a window
    // that has one already, or when this one is installed elsewhere.
    bool Install(HWND window, Procedure procedure);
    void Remove();
    bool Installed() const { return window_ != nullptr; }

    // Only valid while the procedure runs.
    LRESULT CallNext(UINT msg, WPARAM wParam, LPARAM lParam);
    // True while the procedure handles exactly this message and has not
    // handed it on yet.
    bool Pending(UINT msg, WPARAM wParam, LPARAM lParam) const;

private:
    struct TFrame;
    static LRESULT CALLBACK Entry(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Run(HWND window, WNDPROC own, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    Procedure procedure_;
    TFrame* frame_ = nullptr;
    // False once this is destroyed, for a procedure still running.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace skin
