// A timer ticks through the application's message loop.
#include "toolkit/Timer.h"

#include "tests/guitest/GuiTest.h"
#include "tests/toolkit/ContainersFixture.h"

#include <gtest/gtest.h>

TEST_F(Containers, ATimerTicksThroughTheMessageLoop) {
    auto* timer = new tk::Timer(form);
    int ticks = 0;
    timer->OnTimer = [&](tk::Component&) { ++ticks; };
    timer->SetInterval(20);
    guitest::PumpFor(200);
    EXPECT_GE(ticks, 2);
    timer->SetEnabled(false);
    int stopped = ticks;
    guitest::PumpFor(100);
    EXPECT_EQ(ticks, stopped);
}
