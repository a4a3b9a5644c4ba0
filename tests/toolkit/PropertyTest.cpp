#include "tests/toolkit/Probe.h"
#include "toolkit/Properties.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace tk;
using probe::Probe;

TEST(Properties, EachKindRoundTripsByName) {
    Probe p(nullptr), other(nullptr);
    SetBoolProp(p, "Active", true);
    EXPECT_EQ(TryGetBoolProp(p, "active"), true);
    EXPECT_EQ(TryGetEnumProp(p, "Active"), "True");

    SetEnumProp(p, "Tone", "shDark");
    EXPECT_EQ(p.Tone(), probe::Shade::Dark);
    EXPECT_EQ(TryGetEnumProp(p, "TONE"), "shDark");

    SetIntProp(p, "Count", -7);
    EXPECT_EQ(TryGetIntProp(p, "Count"), -7);

    SetStrProp(p, "Title", "按行业分类");
    EXPECT_EQ(TryGetStrProp(p, "Title"), "按行业分类");

    SetSetProp(p, "Flavours", probe::Sweet | probe::Bitter);
    EXPECT_EQ(TryGetSetProp(p, "Flavours"), uint32_t(probe::Sweet | probe::Bitter));
    EXPECT_EQ(SetToNames(*FindProperty(p, "Flavours").info->enumInfo, 5),
              (std::vector<std::string>{"flSweet", "flBitter"}));

    SetStringsProp(p, "Lines", {"TTBDock=Panel", "TRzButton=button"});
    EXPECT_EQ(TryGetStringsProp(p, "Lines")->at(1), "TRzButton=button");

    SetIntProp(p, "Knob.Turns", 3);
    EXPECT_EQ(p.GetKnob().Turns(), 3);
    EXPECT_EQ(TryGetObjProp(p, "Knob"), &p.GetKnob());

    SetReferenceProp(p, "Buddy", &other);
    EXPECT_EQ(TryGetReferenceProp(p, "Buddy"), &other);

    int pings = 0;
    SetEventProp(p, "OnPing", NotifyEvent([&](Component&) { ++pings; }));
    p.OnPing(p);
    EXPECT_EQ(pings, 1);
}

TEST(Properties, BooleansTakeTheirIdentifiersLikeEnumerations) {
    Probe p(nullptr);
    SetEnumProp(p, "Active", "true");
    EXPECT_TRUE(p.Active());
    EXPECT_THROW(SetEnumProp(p, "Active", "Yes"), std::invalid_argument);
    EXPECT_THROW(SetEnumProp(p, "Tone", "shBright"), std::invalid_argument);
}

TEST(Properties, ReadersAnswerNothingForMissingOrOtherKinds) {
    Probe p(nullptr);
    EXPECT_FALSE(TryGetIntProp(p, "Glyph"));
    EXPECT_FALSE(TryGetIntProp(p, "Title"));
    EXPECT_FALSE(TryGetStrProp(p, "Count"));
    EXPECT_FALSE(TryGetEnumProp(p, "Count"));
    EXPECT_EQ(TryGetObjProp(p, "Title"), nullptr);
    EXPECT_FALSE(TryGetIntProp(p, "Title.Length"));
    EXPECT_FALSE(TryGetIntProp(p, "Knob.Nothing"));
}

TEST(Properties, SettersNameTheProblem) {
    Probe p(nullptr);
    try {
        SetIntProp(p, "Colour", 1);
        FAIL();
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "a TProbe has no property 'Colour'");
    }
    EXPECT_THROW(SetIntProp(p, "Title", 1), std::invalid_argument);
    EXPECT_THROW(SetEventProp(p, "OnPing", MouseMoveEvent([](Component&, ShiftState, int, int) {})),
                 std::invalid_argument);
    tk::Component plain(nullptr);
    EXPECT_THROW(SetReferenceProp(p, "Buddy", &plain), std::invalid_argument);
}

TEST(Properties, SetNamesOutsideTheEnumerationAreRejected) {
    Probe p(nullptr);
    const EnumInfo& info = *FindProperty(p, "Flavours").info->enumInfo;
    EXPECT_EQ(NamesToSet(info, {"flsour"}), uint32_t(probe::Sour));
    EXPECT_THROW(NamesToSet(info, {"flSalty"}), std::invalid_argument);
}
