// Leak checks of the GUI tests: a step run many times, or a long walk through
// a window, must leave the process's live GDI objects, windows, menus and
// hooks as they were.
#pragma once

#include "tests/guitest/GuiTest.h"

#include <gtest/gtest.h>

namespace guitest {

// Wine's own caches may lag by this many device contexts or regions.
constexpr int WineLag = 3;
constexpr int LeakWarmup = 4;

// The live objects, with Wine's caches among them set apart.
struct LeakCounts {
    ObjectCounts exact;
    WineCachedObjects cached;
};

inline LeakCounts CountForLeaks() {
    PumpUntilIdle(80, 3000);
    LeakCounts counts{CountLiveObjects(), CountWineCachedObjects()};
    counts.exact.gdi -= counts.cached.dcs + counts.cached.regions;
    return counts;
}

// The same objects at `after` as at `before`: one leaked per step would show
// as many; Wine's own lag is a few.
inline void ExpectSameLiveObjects(const LeakCounts& before, const LeakCounts& after) {
    EXPECT_LE(after.cached.regions, before.cached.regions + WineLag);
    EXPECT_LE(after.cached.dcs, before.cached.dcs + WineLag);
    EXPECT_EQ(after.exact, before.exact);
}

// Runs the step a few times to warm caches up (Wine's and the skins'), takes
// the baseline, runs it `times` more and compares.
template <class Step> void ExpectFlat(int times, Step step) {
    for (int i = 0; i < LeakWarmup; ++i) {
        step();
    }
    const LeakCounts before = CountForLeaks();
    for (int i = 0; i < times; ++i) {
        step();
    }
    ExpectSameLiveObjects(before, CountForLeaks());
}

} // namespace guitest
