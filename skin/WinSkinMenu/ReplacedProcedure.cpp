#include "skin/WinSkinMenu/ReplacedProcedure.h"

#include <unordered_map>
#include <utility>

namespace skin {
namespace {

// A window whose procedure the skin's entry took: the procedure it had, and
// who handles its messages (none once taken off while someone else's
// procedure is in front of the entry).
struct TTaken {
    WNDPROC own;
    TReplacedProcedure* handler;
};

// A window's messages arrive on its own thread.
std::unordered_map<HWND, TTaken>& Taken() {
    thread_local std::unordered_map<HWND, TTaken> taken;
    return taken;
}

} // namespace

// The message the procedure is handling, and whether it was handed on.
struct TReplacedProcedure::TFrame {
    HWND window;
    WNDPROC own;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    TFrame* outer;
    bool passedOn = false;
    LRESULT result = 0;
};

TReplacedProcedure::~TReplacedProcedure() {
    *alive_ = false;
    Remove();
}

bool TReplacedProcedure::Install(HWND window, Procedure procedure) {
    if (!window || window_ || !IsWindow(window) || !IsWindowUnicode(window)) {
        return false;
    }
    const auto found = Taken().find(window);
    if (found != Taken().end()) {
        if (found->second.handler) {
            return false;
        }
        found->second.handler = this;
    } else {
        const auto own = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Entry)));
        if (!own) {
            return false;
        }
        Taken().emplace(window, TTaken{own, this});
    }
    window_ = window;
    procedure_ = std::move(procedure);
    return true;
}

void TReplacedProcedure::Remove() {
    if (!window_) {
        return;
    }
    const auto found = Taken().find(std::exchange(window_, nullptr));
    procedure_ = nullptr;
    if (found == Taken().end()) {
        return;
    }
    const HWND window = found->first;
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (current == &Entry) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(found->second.own));
        Taken().erase(found);
    } else {
        found->second.handler = nullptr;
    }
}

LRESULT TReplacedProcedure::CallNext(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!frame_) {
        return 0;
    }
    frame_->passedOn = true;
    frame_->result = CallWindowProcW(frame_->own, frame_->window, msg, wParam, lParam);
    return frame_->result;
}

bool TReplacedProcedure::Pending(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return frame_ && !frame_->passedOn && frame_->msg == msg && frame_->wParam == wParam &&
           frame_->lParam == lParam;
}

LRESULT CALLBACK TReplacedProcedure::Entry(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto found = Taken().find(window);
    if (found == Taken().end()) {
        return DefWindowProcW(window, msg, wParam, lParam);
    }
    const TTaken taken = found->second;
    const LRESULT result = taken.handler
                               ? taken.handler->Run(window, taken.own, msg, wParam, lParam)
                               : CallWindowProcW(taken.own, window, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        if (const auto gone = Taken().find(window); gone != Taken().end()) {
            if (gone->second.handler) {
                gone->second.handler->window_ = nullptr;
                gone->second.handler->procedure_ = nullptr;
            }
            Taken().erase(gone);
        }
    }
    return result;
}

LRESULT TReplacedProcedure::Run(HWND window, WNDPROC own, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Copies: the procedure may take itself off, or its owner be destroyed,
    // while it runs.
    const std::shared_ptr<bool> alive = alive_;
    const Procedure procedure = procedure_;
    TFrame frame{window, own, msg, wParam, lParam, frame_};
    frame_ = &frame;
    LRESULT result = 0;
    try {
        result = procedure ? procedure(msg, wParam, lParam) : CallNext(msg, wParam, lParam);
    } catch (...) {
        result = frame.passedOn ? frame.result : CallWindowProcW(own, window, msg, wParam, lParam);
        frame.passedOn = true;
    }
    // The window's own procedure must hear of its end.
    if (msg == WM_NCDESTROY && !frame.passedOn) {
        CallWindowProcW(own, window, msg, wParam, lParam);
    }
    if (*alive) {
        frame_ = frame.outer;
    }
    return result;
}

} // namespace skin
