// A memo keeps the keys it wants (Enter, and Tab once it wants tabs) and lets
// the form have the others.
#include "toolkit/Memo.h"
#include "toolkit/Properties.h"

#include "tests/toolkit/KeyboardFixture.h"

#include <gtest/gtest.h>

#include <string>

TEST_F(Keyboard, AMemoKeepsTheKeysItWants) {
    auto& memo = Place<tk::Memo>("Memo", 10, 10);
    Place<tk::Edit>("After", 200, 10);
    PlaceOkAndCancel(200);
    ShowForm();
    memo.SetFocus();
    Press('A');
    Press(VK_RETURN); // a new line, not the default button
    Press('B');
    EXPECT_EQ(memo.Lines(), (Names{"a", "b"}));
    EXPECT_TRUE(clicks.empty());
    Press(VK_ESCAPE); // not wanted: the cancel button
    EXPECT_EQ(clicks, Names{"Cancel"});
    Press(VK_TAB); // not wanted by default: the next control
    EXPECT_EQ(FocusName(), "After");
    memo.SetWantTabs(true);
    memo.SetWantReturns(false);
    memo.SetFocus();
    Press(VK_TAB);
    EXPECT_EQ(FocusName(), "Memo");
    EXPECT_NE(memo.Text().find('\t'), std::string::npos);
    clicks.clear();
    Press(VK_RETURN);
    EXPECT_EQ(clicks, Names{"OK"});
    EXPECT_EQ(tk::TryGetEnumProp(memo, "WantTabs"), "True");
    EXPECT_EQ(tk::TryGetEnumProp(memo, "WantReturns"), "False");
}
