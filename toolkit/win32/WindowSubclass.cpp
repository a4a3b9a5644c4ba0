#include "toolkit/win32/WindowSubclass.h"

#include <commctrl.h>

#include <utility>
#include <vector>

namespace tk {
namespace {

// The window property holding the Hub of this helper's layers on a window.
const wchar_t HubProperty[] = L"KanvioWindowSubclassHub";

} // namespace

// One layer in the chain; the chain's reference to it. It outlives its owner
// while it waits to leave the chain, or while its procedure still runs.
struct WindowSubclass::Layer {
    HWND window;
    Procedure procedure; // none once the owner let go
    WindowSubclass* owner;
    Hub* hub;
    int running = 0;     // messages inside Entry for this layer
    bool chained = true; // still in the common controls' chain
};

// What this helper's layers on one window share.
struct WindowSubclass::Hub {
    int depth = 0;               // messages in flight through these layers, nested
    int layers = 0;              // layers in the chain
    std::vector<Layer*> leaving; // let go while messages were nested
};

WindowSubclass::~WindowSubclass() {
    *alive_ = false;
    Remove();
}

bool WindowSubclass::Install(HWND window, Procedure procedure) {
    if (!window || window_ || !IsWindow(window)) {
        return false;
    }
    auto* hub = static_cast<Hub*>(GetPropW(window, HubProperty));
    bool newHub = hub == nullptr;
    if (newHub) {
        hub = new Hub;
        SetPropW(window, HubProperty, hub);
    }
    auto* layer = new Layer{window, std::move(procedure), this, hub};
    if (!SetWindowSubclass(window, &WindowSubclass::Entry, reinterpret_cast<UINT_PTR>(layer),
                           reinterpret_cast<DWORD_PTR>(layer))) {
        delete layer;
        if (newHub) {
            RemovePropW(window, HubProperty);
            delete hub;
        }
        return false;
    }
    ++hub->layers;
    window_ = window;
    layer_ = layer;
    return true;
}

void WindowSubclass::Remove() {
    if (!layer_) {
        return;
    }
    Layer* layer = std::exchange(layer_, nullptr);
    window_ = nullptr;
    layer->owner = nullptr;
    layer->procedure = nullptr;
    Release(layer);
}

// A layer whose owner let go leaves the chain now, or, while messages to the
// window are nested, when the outermost one is done: the chain keeps a
// pointer to the next layer of each outer message, and would follow it.
void WindowSubclass::Release(Layer* layer) {
    Hub* hub = layer->hub;
    if (hub->depth > 1) {
        hub->leaving.push_back(layer);
        return;
    }
    HWND window = layer->window;
    Unchain(layer);
    DropHubIfUnused(hub, window);
}

void WindowSubclass::Unchain(Layer* layer) {
    RemoveWindowSubclass(layer->window, &WindowSubclass::Entry, reinterpret_cast<UINT_PTR>(layer));
    layer->chained = false;
    --layer->hub->layers;
    if (layer->running == 0) {
        delete layer;
    }
}

void WindowSubclass::DropHubIfUnused(Hub* hub, HWND window) {
    if (hub->layers == 0 && hub->depth == 0) {
        RemovePropW(window, HubProperty);
        delete hub;
    }
}

LRESULT WindowSubclass::CallNext(UINT msg, WPARAM wParam, LPARAM lParam) const {
    if (!frame_) {
        return window_ ? DefSubclassProc(window_, msg, wParam, lParam) : 0;
    }
    frame_->passedOn = true;
    frame_->result = DefSubclassProc(frame_->window, msg, wParam, lParam);
    return frame_->result;
}

bool WindowSubclass::Pending(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return frame_ && !frame_->passedOn && frame_->msg == msg && frame_->wParam == wParam &&
           frame_->lParam == lParam;
}

LRESULT CALLBACK WindowSubclass::Entry(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
    auto* layer = reinterpret_cast<Layer*>(data);
    Hub* hub = layer->hub;
    ++hub->depth;
    ++layer->running;
    LRESULT result = layer->procedure ? RunProcedure(*layer, window, msg, wParam, lParam)
                                      : DefSubclassProc(window, msg, wParam, lParam);
    if (--layer->running == 0 && !layer->chained) {
        delete layer;
    }
    if (--hub->depth == 0) {
        for (Layer* gone : std::exchange(hub->leaving, {})) {
            Unchain(gone);
        }
        DropHubIfUnused(hub, window);
    }
    return result;
}

LRESULT WindowSubclass::RunProcedure(Layer& layer, HWND window, UINT msg, WPARAM wParam,
                                     LPARAM lParam) {
    // Copies: the owner may remove this layer, or be destroyed, while the
    // procedure runs.
    WindowSubclass* owner = layer.owner;
    std::shared_ptr<bool> alive = owner->alive_;
    Procedure procedure = layer.procedure;
    Frame frame{window, msg, wParam, lParam};
    frame.outer = std::exchange(owner->frame_, &frame);
    LRESULT result = 0;
    try {
        result = procedure(msg, wParam, lParam);
    } catch (...) {
        result = frame.passedOn ? frame.result : DefSubclassProc(window, msg, wParam, lParam);
        frame.passedOn = true;
    }
    // Every layer below must hear of the window's end to let go.
    if (msg == WM_NCDESTROY && !frame.passedOn) {
        DefSubclassProc(window, msg, wParam, lParam);
    }
    if (*alive) {
        owner->frame_ = frame.outer;
        if (msg == WM_NCDESTROY && owner->layer_ == &layer) {
            owner->Remove();
        }
    }
    return result;
}

} // namespace tk
