// The skin engine's private messages in the debug trace.
#include "skin/WinSkinData/SkinCodes.h"
#include "skin/WinSubClass/EngineTrace.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(EngineTrace, NamesTheEnginesPrivateMessages) {
    const auto names = skin::EngineMessageNames();
    EXPECT_EQ(tk::MessageName(skin::WM_SKINSTART, names), "WM_SKINSTART");
    EXPECT_EQ(tk::MessageName(skin::WM_SKINPAINTFRAME, names), "WM_SKINPAINTFRAME");
    EXPECT_EQ(tk::MessageName(skin::WM_SKINQUERY, names), "WM_SKINQUERY");
    EXPECT_EQ(tk::MessageName(skin::WM_SKINREFRESH, names), "WM_SKINREFRESH");
    EXPECT_EQ(tk::MessageName(skin::WM_SKINBUTTONACTION, names), "WM_SKINBUTTONACTION");
}

TEST(EngineTrace, NoPrivateMessageTakesTheValueOfOneTheToolkitNames) {
    // The engine's table is asked first: a clash would rename a system or
    // toolkit message in every trace line.
    for (const tk::MessageNameEntry& own : skin::EngineMessageNames()) {
        EXPECT_EQ(tk::MessageName(own.msg), "WM_USER+" + std::to_string(own.msg - WM_USER))
            << own.name;
    }
}
