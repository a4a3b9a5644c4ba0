// An up-down control writes its position, kept within its range, into its
// buddy.
#include "toolkit/Edit.h"
#include "toolkit/UpDown.h"

#include "tests/toolkit/ComponentsFixture.h"

#include <gtest/gtest.h>

TEST_F(Components, AnUpDownWritesItsPositionIntoItsBuddy) {
    Read(R"(object F: TForm
  object Value: TEdit
    Left = 8
  end
  object Spin: TUpDown
    Min = 0
    Max = 9
    Position = 3
    Associate = Value
  end
end)");
    auto& edit = *dynamic_cast<tk::Edit*>(form->FindComponent("Value"));
    auto& spin = *dynamic_cast<tk::UpDown*>(form->FindComponent("Spin"));
    EXPECT_EQ(edit.Text(), "3");
    spin.SetPosition(12);
    EXPECT_EQ(spin.Position(), 9);
    EXPECT_EQ(edit.Text(), "9");
}
