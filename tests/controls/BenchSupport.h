// What the benchmarks share: the default skin switched on, the
// timing of a step, the message pump and the skinner of a control.
#pragma once

#include "toolkit/Application.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace controlsbench {

// The machine is shared: each figure is the mean of the fastest of several
// batches, which is what the step costs when it is not waiting for a core.
constexpr int Batches = 10;
constexpr int Rounds = 200;

using Clock = std::chrono::steady_clock;

// Reads the skin package at `path` into `data` and switches it on; false,
// with a message naming the benchmark, when the package cannot be read.
inline bool SwitchOnSkin(skin::TSkinData& data, const char* path, const char* bench) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> package{std::istreambuf_iterator<char>(in), {}};
    if (!data.SetSkinStream(package)) {
        std::fprintf(stderr, "%s: cannot load %s\n", bench, path);
        return false;
    }
    data.SetActive(true);
    data.Loaded();
    return true;
}

// A skin component of the application with the default skin, switched on; or
// null when the skin cannot be read.
inline skin::TSkinData* DefaultSkinOn(tk::Application& app, const char* bench) {
    auto* data = new skin::TSkinData(&app);
    return SwitchOnSkin(*data, KANVIO_DEFAULT_SKIN, bench) ? data : nullptr;
}

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
