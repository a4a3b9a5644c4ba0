// A page control: a tab click shows its sheet and hides the others.
#include "toolkit/PageControl.h"

#include "tests/guitest/GuiTest.h"
#include "tests/toolkit/ContainersFixture.h"

#include <commctrl.h>

#include <gtest/gtest.h>

TEST_F(Containers, ATabClickShowsItsSheetAndHidesTheOthers) {
    Read(R"(object F: TForm
  object Pages: TPageControl
    Left = 8
    Top = 8
    Width = 300
    Height = 200
    object First: TTabSheet
      Caption = 'First'
    end
    object Second: TTabSheet
      Caption = 'Second'
    end
  end
end)");
    auto& pages = *dynamic_cast<tk::PageControl*>(form->FindComponent("Pages"));
    int changes = 0;
    pages.OnChange = [&](tk::Component&) { ++changes; };
    ShowForm();
    auto* first = pages.Pages()[0];
    auto* second = pages.Pages()[1];
    EXPECT_EQ(pages.ActivePage(), first);
    EXPECT_TRUE(IsWindowVisible(first->Handle()));
    EXPECT_FALSE(IsWindowVisible(second->Handle()));
    RECT tab{};
    SendMessageW(pages.Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
    guitest::Click(pages.Handle(), {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
    EXPECT_EQ(pages.ActivePage(), second);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(IsWindowVisible(first->Handle()));
    EXPECT_TRUE(IsWindowVisible(second->Handle()));
    // Sheets fill the display area of the tab control.
    RECT display{0, 0, pages.Width(), pages.Height()};
    SendMessageW(pages.Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_EQ(second->Left(), display.left);
    EXPECT_EQ(second->Width(), display.right - display.left);
    // A hidden tab leaves the row.
    first->SetTabVisible(false);
    EXPECT_EQ(SendMessageW(pages.Handle(), TCM_GETITEMCOUNT, 0, 0), 1);
}
