// A tree view: nodes added before and after its window exists.
#include "toolkit/TreeView.h"

#include "tests/guitest/GuiTest.h"
#include "tests/toolkit/ContainersFixture.h"

#include <commctrl.h>

#include <gtest/gtest.h>

TEST_F(Containers, TreeNodesAddedBeforeAndAfterTheWindowExist) {
    auto* tree = new tk::TreeView(form);
    tree->SetParent(form);
    tree->SetBounds(8, 8, 200, 200);
    tk::TreeNode& header = tree->Items().Add("行业分类一");
    header.SetImageIndex(0);
    header.Add("生产企业通用模板");
    int changes = 0;
    tree->OnChange = [&](tk::Component&) { ++changes; };
    ShowForm();
    tk::TreeNode& late = header.Add("化工原料 包装材料 ");
    EXPECT_NE(late.Handle(), nullptr);
    EXPECT_EQ(late.Level(), 1);
    EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(tree->Selected(), nullptr);
    EXPECT_FALSE(header.Expanded());
    header.Expand();
    EXPECT_TRUE(header.Expanded());
    tree->SetSelected(&late);
    EXPECT_EQ(tree->Selected(), &late);
    EXPECT_EQ(tree->Selected()->Text(), "化工原料 包装材料 ");
    EXPECT_EQ(changes, 1);
    late.SetText("改名");
    wchar_t text[32] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = late.Handle();
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(tree->Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"改名");
    header.Clear();
    EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETCOUNT, 0, 0), 1);
}
