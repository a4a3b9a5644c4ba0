// Speed buttons of a group: down one at a time.
#include "toolkit/SpeedButton.h"

#include "tests/guitest/GuiTest.h"
#include "tests/toolkit/ContainersFixture.h"

#include <gtest/gtest.h>

TEST_F(Containers, SpeedButtonsOfAGroupAreDownOneAtATime) {
    auto* a = new tk::SpeedButton(form);
    auto* b = new tk::SpeedButton(form);
    for (auto* button : {a, b}) {
        button->SetParent(form);
        button->SetGroupIndex(1);
    }
    a->SetBounds(10, 10, 30, 25);
    b->SetBounds(50, 10, 30, 25);
    ShowForm();
    guitest::Click(form->Handle(), {20, 20});
    EXPECT_TRUE(a->Down());
    guitest::Click(form->Handle(), {60, 20});
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    guitest::Click(form->Handle(), {60, 20}); // without AllowAllUp it stays down
    EXPECT_TRUE(b->Down());
}
