// A list view: its columns and items reach the control.
#include "toolkit/ListView.h"

#include "tests/guitest/GuiTest.h"
#include "tests/toolkit/ComponentsFixture.h"

#include <commctrl.h>

#include <gtest/gtest.h>

TEST_F(Components, ListViewColumnsAndItemsReachTheControl) {
    Read(R"(object F: TForm
  object List: TListView
    Columns = <
      item
        Caption = 'A'
      end
      item
        Caption = 'B'
      end>
    Items = <
      item
        Caption = 'row'
        SubItems = ('cell')
      end>
  end
end)");
    auto& list = *dynamic_cast<tk::ListView*>(form->FindComponent("List"));
    EXPECT_EQ(SendMessageW(list.Handle(), LVM_GETITEMCOUNT, 0, 0), 1);
    ASSERT_NE(list.Header(), nullptr);
    EXPECT_EQ(SendMessageW(list.Header(), HDM_GETITEMCOUNT, 0, 0), 2);
    wchar_t text[32] = {};
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(list.Handle(), LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"cell");
}
