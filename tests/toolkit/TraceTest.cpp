// The debug trace's message names and lines, and what an assertion costs in
// the build the tests run in.
#include "toolkit/Assert.h"
#include "toolkit/Notifications.h"
#include "toolkit/Trace.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>

TEST(MessageName, NamesTheMessagesFramesAndSkinnersHandleBySpelling) {
    const std::pair<unsigned, const char*> handled[] = {
        {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {WM_NCHITTEST, "WM_NCHITTEST"},
        {WM_NCPAINT, "WM_NCPAINT"},
        {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
        {WM_STYLECHANGING, "WM_STYLECHANGING"},
        {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"},
        {WM_MDIREFRESHMENU, "WM_MDIREFRESHMENU"},
        {WM_PAINT, "WM_PAINT"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
        {WM_PRINT, "WM_PRINT"},
        {BM_SETCHECK, "BM_SETCHECK"},
        {SBM_SETSCROLLINFO, "SBM_SETSCROLLINFO"},
        {TCM_GETITEMRECT, "TCM_GETITEMRECT"},
        {MN_GETHMENU, "MN_GETHMENU"},
    };
    for (const auto& [msg, name] : handled) {
        EXPECT_EQ(tk::MessageName(msg), name);
    }
}

TEST(MessageName, NamesTheToolkitsNotificationsAndReflectedOnes) {
    EXPECT_EQ(tk::MessageName(tk::NotifyMouseLeave), "NotifyMouseLeave");
    EXPECT_EQ(tk::MessageName(tk::NotifyMenuChanged), "NotifyMenuChanged");
    EXPECT_EQ(tk::MessageName(tk::ReflectedNotify), "reflected WM_NOTIFY");
    EXPECT_EQ(tk::MessageName(tk::ReflectedVScroll), "reflected WM_VSCROLL");
    // Reflection of a message nobody names names nothing.
    EXPECT_EQ(tk::MessageName(tk::ReflectBase + 0x0118), "");
}

TEST(MessageName, ControlMessagesSharingValuesAreNamedByTheirOffset) {
    // SB_SETTEXTW and TBM_SETSELSTART share this value, PBM_SETPOS and
    // TBM_GETRANGEMIN another: no single name would be right.
    EXPECT_EQ(tk::MessageName(SB_SETTEXTW), "WM_USER+11");
    EXPECT_EQ(tk::MessageName(PBM_SETPOS), "WM_USER+2");
    EXPECT_EQ(tk::MessageName(WM_APP + 5), "WM_APP+5");
    // Undocumented and registered messages have no name.
    EXPECT_EQ(tk::MessageName(0x0118), "");
    EXPECT_EQ(tk::MessageName(0xC123), "");
}

TEST(MessageName, ALayersOwnTableIsAskedFirst) {
    const tk::MessageNameEntry own[] = {{WM_USER + 7, "WM_OWNMESSAGE"}};
    EXPECT_EQ(tk::MessageName(WM_USER + 7, own), "WM_OWNMESSAGE");
    EXPECT_EQ(tk::MessageName(WM_USER + 8, own), "WM_USER+8");
    EXPECT_EQ(tk::MessageName(WM_PAINT, own), "WM_PAINT");
}

TEST(MessageName, TheTableNamesEveryValueOnceAndEveryNameOnce) {
    std::set<unsigned> values;
    std::set<std::string_view> names;
    for (const tk::MessageNameEntry& entry : tk::MessageNames()) {
        EXPECT_TRUE(values.insert(entry.msg).second) << entry.name << " repeats a value";
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name << " is listed twice";
        EXPECT_FALSE(entry.name.empty()) << entry.msg;
    }
}

TEST(TraceLine, NamesWhoTheWindowAndTheMessage) {
    const auto* window = reinterpret_cast<const void*>(std::uintptr_t(0x3004C));
    const std::string line = tk::TraceLine("TSkinButton", window, WM_LBUTTONUP);
    EXPECT_TRUE(line.starts_with("Kanvio TSkinButton ")) << line;
    EXPECT_NE(line.find(" 0003004C "), std::string::npos) << line;
    EXPECT_TRUE(line.ends_with(" WM_LBUTTONUP")) << line;
    // A message without a name shows its value.
    EXPECT_TRUE(tk::TraceLine("frame", nullptr, 0x0118).ends_with(" 0x0118"));
}

TEST(Assertion, TheConditionRunsOnlyInTheDebugBuild) {
    int evaluated = 0;
    TK_ASSERT(++evaluated > 0);
#if KANVIO_ASSERTIONS
    EXPECT_EQ(evaluated, 1);
#else
    EXPECT_EQ(evaluated, 0);
#endif
}
