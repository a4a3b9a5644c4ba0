// What the control benchmarks share: the default skin switched on, the
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

// A skin component of the application with the default skin, switched on; or
// null, with a message naming the benchmark, when the skin cannot be read.
inline skin::TSkinData* DefaultSkinOn(tk::Application& app, const char* bench) {
    std::ifstream in(KANVIO_SKINS_DIR "/kanvio_neon.skn", std::ios::binary);
    const std::vector<uint8_t> package{std::istreambuf_iterator<char>(in), {}};
    auto* data = new skin::TSkinData(&app);
    if (!data->SetSkinStream(package)) {
        std::fprintf(stderr, "%s: cannot load the default skin\n", bench);
        return nullptr;
    }
    data->SetActive(true);
    data->Loaded();
    return data;
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
