// A radio group: the button clicked is its ItemIndex, and new items replace
// its buttons.
#include "toolkit/RadioGroup.h"

#include "tests/guitest/GuiTest.h"
#include "tests/toolkit/ContainersFixture.h"

#include <gtest/gtest.h>

TEST_F(Containers, ARadioGroupKnowsWhichButtonWasClicked) {
    Read(R"(object F: TForm
  object Group: TRadioGroup
    Left = 8
    Top = 8
    Width = 150
    Height = 100
    Items = ('one', 'two', 'three')
  end
end)");
    auto& group = *dynamic_cast<tk::RadioGroup*>(form->FindComponent("Group"));
    int clicks = 0;
    group.OnClick = [&](tk::Component&) { ++clicks; };
    ShowForm();
    EXPECT_EQ(group.ItemIndex(), -1);
    guitest::Click(group.Buttons()[2]->Handle(), {5, 5});
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(group.Buttons()[2]->Checked());
    group.SetItemIndex(0);
    EXPECT_FALSE(group.Buttons()[2]->Checked());
    EXPECT_EQ(SendMessageW(group.Buttons()[0]->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    // New items replace the buttons, which belong to the group.
    group.SetItems({"a", "b"});
    EXPECT_EQ(group.Buttons().size(), 2u);
    EXPECT_EQ(group.Buttons()[0]->Owner(), &group);
}
