// Leak checks of the skin engine's GUI tests: a step run many times must
// leave the process's live GDI objects, windows, menus and hooks as they were.
#pragma once

#include "GuiTest.h"

#include <gtest/gtest.h>

namespace frametest {

// GDI objects whose number Wine changes by itself, probed the way the GUI
// test library counts: window device contexts (Wine's cache of them grows and
// shrinks on demand) and regions (Wine keeps the clip region of a destroyed
// shaped window until its window surface goes, a moment later). They are
// compared with a small lag allowed; everything else exactly.
struct TWineKinds {
    int dcs = 0;
    int regions = 0;
};

inline TWineKinds CountWineKinds() {
    constexpr unsigned HandleIndices = 0x10000;
    TWineKinds kinds;
    for (unsigned index = 1; index < HandleIndices; ++index) {
        const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(UINT_PTR(index)));
        kinds.dcs += type == OBJ_DC;
        kinds.regions += type == OBJ_REGION;
    }
    return kinds;
}

constexpr int WineLag = 3;
constexpr int LeakWarmup = 4;

// Runs the step a few times to warm caches up (Wine's and the skins'), takes
// the baseline, runs it `times` more and compares.
template <class Step> void ExpectFlat(int times, Step step) {
    for (int i = 0; i < LeakWarmup; ++i) {
        step();
    }
    guitest::PumpUntilIdle(80, 3000);
    guitest::ObjectCounts before = guitest::CountLiveObjects();
    const TWineKinds wineBefore = CountWineKinds();
    for (int i = 0; i < times; ++i) {
        step();
    }
    guitest::PumpUntilIdle(80, 3000);
    guitest::ObjectCounts after = guitest::CountLiveObjects();
    const TWineKinds wineAfter = CountWineKinds();
    // One leaked per step would show as many; Wine's own lag is a few.
    EXPECT_LE(wineAfter.regions, wineBefore.regions + WineLag);
    EXPECT_LE(wineAfter.dcs, wineBefore.dcs + WineLag);
    before.gdi -= wineBefore.dcs + wineBefore.regions;
    after.gdi -= wineAfter.dcs + wineAfter.regions;
    EXPECT_EQ(after, before);
}

} // namespace frametest
