// What the control benchmarks share: the timing of a step, the message pump
// and the skinner of a control.
#pragma once

#include "SkinControl.h"
#include "WinSkinForm.h"

#include <windows.h>

#include <algorithm>
#include <chrono>

namespace controlsbench {

// The machine is shared: each figure is the mean of the fastest of several
// batches, which is what the step costs when it is not waiting for a core.
constexpr int Batches = 10;
constexpr int Rounds = 200;

using Clock = std::chrono::steady_clock;

inline double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <class F> double BestMeanMs(F&& step) {
    double best = 0;
    for (int batch = 0; batch < Batches; ++batch) {
        const auto start = Clock::now();
        for (int i = 0; i < Rounds; ++i) {
            step();
        }
        const double mean = MsSince(start) / Rounds;
        best = batch == 0 ? mean : std::min(best, mean);
    }
    return best;
}

inline void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

inline skin::TSkinControl* SkinnerOf(skin::TWinSkinForm& frame, tk::Control& control) {
    for (skin::TSkinControl* skinner : frame.FControls) {
        if (skinner->FControl == &control) {
            return skinner;
        }
    }
    return nullptr;
}

} // namespace controlsbench
