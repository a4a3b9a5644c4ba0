// Page controls, trees, radio groups, speed button groups, timers, and forms
// read from design text.
#include "toolkit/Application.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/PageControl.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TreeView.h"

#include "tests/guitest/GuiTest.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct Containers : ::testing::Test {
    tk::Application app;
    tk::Form* form = nullptr;
    void SetUp() override {
        guitest::ParkPointer();
        app.SetMessageBox([](const std::string&, const std::string&) {});
        form = new tk::Form(&app);
        form->SetBorderStyle(tk::BorderStyle::Single);
        form->SetClientWidth(320);
        form->SetClientHeight(240);
        form->SetBounds(40, 40, form->Width(), form->Height());
    }
    void ShowForm() {
        form->Show();
        guitest::PumpUntilIdle();
    }
    void Read(const std::string& text) { form->LoadDesignText(text, "Test", app.Classes()); }
};

} // namespace

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

TEST_F(Containers, ATimerTicksThroughTheMessageLoop) {
    auto* timer = new tk::Timer(form);
    int ticks = 0;
    timer->OnTimer = [&](tk::Component&) { ++ticks; };
    timer->SetInterval(20);
    guitest::PumpFor(200);
    EXPECT_GE(ticks, 2);
    timer->SetEnabled(false);
    int stopped = ticks;
    guitest::PumpFor(100);
    EXPECT_EQ(ticks, stopped);
}

TEST_F(Containers, ADesignMustDescribeTheFormsOwnClass) {
    try {
        Read("object F: TOtherForm\nend");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "design Test describes a TOtherForm, not a TForm");
    }
    EXPECT_THROW(form->LoadDesign("NoSuchDesign"), std::runtime_error);
}

TEST_F(Containers, ChildrenTakeTheFormsFontUnlessTheyHaveTheirOwn) {
    Read(R"(object F: TForm
  Font.Name = '宋体'
  Font.Height = -15
  object Inherits: TLabel
    Caption = 'a'
  end
  object Own: TLabel
    Font.Height = -20
    Caption = 'b'
  end
end)");
    auto& inherits = *dynamic_cast<tk::Label*>(form->FindComponent("Inherits"));
    auto& own = *dynamic_cast<tk::Label*>(form->FindComponent("Own"));
    EXPECT_EQ(inherits.Font().Height(), -15);
    EXPECT_TRUE(inherits.ParentFont());
    EXPECT_EQ(own.Font().Height(), -20);
    EXPECT_FALSE(own.ParentFont());
    form->Font().SetHeight(-13);
    EXPECT_EQ(inherits.Font().Height(), -13);
    EXPECT_EQ(own.Font().Height(), -20);
}
