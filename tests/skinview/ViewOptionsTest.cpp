// skinview's command line: what it accepts and how it refuses the rest.
#include "tools/skinview/ViewOptions.h"

#include <gtest/gtest.h>

using namespace skinview;

namespace {

TViewOptions Parse(std::vector<std::string> args) {
    return ParseViewOptions(args);
}

TEST(ViewOptions, NoArgumentsShowTheDefaultSkinInteractively) {
    const TViewOptions o = Parse({});
    EXPECT_TRUE(o.package.empty());
    EXPECT_TRUE(o.screenshot.empty());
    EXPECT_FALSE(o.inactive);
    EXPECT_FALSE(o.maximized);
    EXPECT_FALSE(o.size);
    EXPECT_EQ(o.openMenu, 0);
    EXPECT_FALSE(o.states);
    EXPECT_FALSE(o.help);
}

TEST(ViewOptions, PackageAndOptionsInAnyOrder) {
    const TViewOptions o = Parse(
        {"--inactive", "皮肤.skn", "--size", "640x480", "--screenshot", "out.png", "--maximized"});
    EXPECT_EQ(o.package, "皮肤.skn");
    EXPECT_EQ(o.screenshot, "out.png");
    EXPECT_TRUE(o.inactive);
    EXPECT_TRUE(o.maximized);
    ASSERT_TRUE(o.size);
    EXPECT_EQ(o.size->width, 640);
    EXPECT_EQ(o.size->height, 480);
    EXPECT_TRUE(Parse({"--states", "a.skn"}).states);
    EXPECT_TRUE(Parse({"--help"}).help);
    EXPECT_TRUE(Parse({"-h"}).help);
}

TEST(ViewOptions, SizesWithinRange) {
    EXPECT_EQ(ParseWindowSize("1x1").width, 1);
    EXPECT_EQ(ParseWindowSize("16384x16384").height, MaxWindowSide);
    for (const char* bad :
         {"", "x", "640", "640x", "x480", "0x480", "640x0", "-640x480", "640x-1", "16385x10",
          "640x480x3", "640 x 480", "0x10", "64ox480", "+640x480", "99999999999x1"}) {
        EXPECT_THROW(ParseWindowSize(bad), TUsageError) << bad;
    }
}

TEST(ViewOptions, AnOpenMenuGoesWithAScreenshot) {
    EXPECT_EQ(Parse({"--open-menu", "2", "--screenshot", "m.png"}).openMenu, 2);
    EXPECT_EQ(Parse({"--screenshot", "m.png", "--open-menu", "99"}).openMenu, MaxMenuNumber);
    EXPECT_THROW(Parse({"--open-menu", "1"}), TUsageError) << "nothing to capture it";
    for (const char* bad : {"0", "-1", "100", "1.5", "one", " 1", "1 "}) {
        EXPECT_THROW(Parse({"--screenshot", "m.png", "--open-menu", bad}), TUsageError) << bad;
    }
    EXPECT_THROW(Parse({"--screenshot", "m.png", "--open-menu"}), TUsageError) << "no number";
}

TEST(ViewOptions, WatchingNeedsASkinWithFilesAndAWindowThatStays) {
    const TViewOptions o = Parse({"skins/neon", "--watch"});
    EXPECT_TRUE(o.watch);
    EXPECT_EQ(o.package, "skins/neon");
    EXPECT_FALSE(Parse({"a.skn"}).watch);
    EXPECT_THROW(Parse({"--watch"}), TUsageError) << "the built-in skin has no files";
    EXPECT_THROW(Parse({"a.skn", "--watch", "--screenshot", "a.png"}), TUsageError);
}

TEST(ViewOptions, RefusesWhatItCannotUse) {
    EXPECT_THROW(Parse({"--screenshot"}), TUsageError) << "no file name";
    EXPECT_THROW(Parse({"--screenshot", ""}), TUsageError) << "empty file name";
    EXPECT_THROW(Parse({"--size"}), TUsageError);
    EXPECT_THROW(Parse({"--size", "big"}), TUsageError);
    EXPECT_THROW(Parse({"--sparkle"}), TUsageError) << "unknown option";
    EXPECT_THROW(Parse({"a.skn", "b.skn"}), TUsageError) << "one package at a time";
    try {
        Parse({"--size", "10y10"});
        FAIL();
    } catch (const TUsageError& e) {
        EXPECT_NE(std::string(e.what()).find("10y10"), std::string::npos) << "names the value";
    }
}

} // namespace
