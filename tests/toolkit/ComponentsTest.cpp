// Non-visual components: menus (owner drawing included), actions and image
// lists.
#include "toolkit/Action.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListView.h"
#include "toolkit/Menus.h"
#include "toolkit/RangeControls.h"
#include "toolkit/StatusBar.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TreeView.h"

#include "tests/guitest/GuiTest.h"
#include "tests/toolkit/ComponentsFixture.h"

#include <commctrl.h>

#include <gtest/gtest.h>

TEST_F(Components, OwnerDrawnMenuItemsAreMeasuredAndDrawnByTheirHandlers) {
    Read(R"(object F: TForm
  object Popup: TPopupMenu
    OwnerDraw = True
    object Item: TMenuItem
      Caption = 'Item'
    end
  end
end)");
    auto& popup = *dynamic_cast<tk::PopupMenu*>(form->FindComponent("Popup"));
    auto& item = *dynamic_cast<tk::MenuItem*>(form->FindComponent("Item"));
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    GetMenuItemInfoW(popup.Handle(), 0, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    EXPECT_EQ(info.dwItemData, reinterpret_cast<ULONG_PTR>(&item));

    item.OnMeasureItem = [](tk::MenuItem&, tk::Canvas&, int& w, int& h) {
        w = 123;
        h = 45;
    };
    bool drawn = false;
    item.OnDrawItem = [&](tk::MenuItem& i, tk::Canvas& c, const RECT&, bool selected) {
        drawn = &i == &item && c.HasHandle() && selected;
    };
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = item.Command();
    measure.itemData = info.dwItemData;
    EXPECT_EQ(SendMessageW(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)),
              TRUE);
    EXPECT_EQ(measure.itemWidth, 123u);
    EXPECT_EQ(measure.itemHeight, 45u);
    HDC screen = GetDC(nullptr);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = item.Command();
    draw.itemState = ODS_SELECTED;
    draw.hDC = screen;
    draw.itemData = info.dwItemData;
    SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(drawn);
}

TEST_F(Components, MenuItemsFollowTheirActionAndShortcuts) {
    Read(R"(object F: TForm
  Menu = Bar
  object Bar: TMainMenu
    object File: TMenuItem
      Caption = 'File'
      object Quit: TMenuItem
        Action = QuitAction
        ShortCut = 16465
      end
      object Hidden: TMenuItem
        Caption = 'Hidden'
        Visible = False
      end
    end
  end
  object QuitAction: TAction
    Caption = 'Quit'
    OnExecute = DoQuit
  end
end)");
    EXPECT_EQ(dynamic_cast<tk::MenuItem*>(form->FindComponent("Quit"))->Caption(), "Quit");
    EXPECT_EQ(tk::ShortCutToText(16465), "Ctrl+Q");
    HMENU file = GetSubMenu(GetMenu(form->Handle()), 0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(GetMenuItemCount(file), 1); // the hidden item is left out
    wchar_t text[32] = {};
    GetMenuStringW(file, 0, text, 32, MF_BYPOSITION);
    EXPECT_STREQ(text, L"Quit\tCtrl+Q");
}

TEST_F(Components, DesignedCaptionWinsOverItsAction) {
    Read(R"(object F: TForm
  object Own: TSpeedButton
    Action = Quit
    Caption = 'Leave the program'
  end
  object Plain: TSpeedButton
    Action = Quit
  end
  object Quit: TAction
    Caption = 'Quit'
  end
end)");
    auto& own = *dynamic_cast<tk::SpeedButton*>(form->FindComponent("Own"));
    EXPECT_EQ("Leave the program", own.Caption());
    EXPECT_EQ("Quit", dynamic_cast<tk::SpeedButton*>(form->FindComponent("Plain"))->Caption());
    dynamic_cast<tk::Action*>(form->FindComponent("Quit"))->SetCaption("Exit");
    EXPECT_EQ("Exit", own.Caption()); // a later change of the action carries over
}

TEST_F(Components, ActionsDriveTheirControlsAndLetGoWhenFreed) {
    auto* action = new tk::Action(form);
    action->SetCaption("Run");
    int runs = 0;
    action->OnExecute = [&](tk::Component&) { ++runs; };
    auto* button = new tk::SpeedButton(form);
    button->SetAction(action);
    EXPECT_EQ(button->Caption(), "Run");
    button->Click();
    EXPECT_EQ(runs, 1);
    action->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    EXPECT_FALSE(action->Execute());
    delete action;
    EXPECT_EQ(button->GetAction(), nullptr);
    button->Click(); // nothing left to run, and nothing dangling
    EXPECT_EQ(runs, 1);
}

TEST_F(Components, AFreedImageListIsForgottenByItsUsers) {
    auto* images = new tk::ImageList(form);
    auto* tree = new tk::TreeView(form);
    tree->SetParent(form);
    tree->SetImages(images);
    auto* list = new tk::ActionList(form);
    list->SetImages(images);
    delete images;
    EXPECT_EQ(tree->Images(), nullptr);
    EXPECT_EQ(list->Images(), nullptr);
}

TEST_F(Components, AnImageListCutsItsStoredStripIntoCells) {
    tk::Bitmap strip;
    strip.SetSize(48, 16);
    auto pixels = strip.Pixels();
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 48; ++x) {
            bool inside = (x % 16) >= 4 && (x % 16) < 12 && y >= 4 && y < 12;
            pixels[size_t(y) * 48 + size_t(x)] = inside ? 0x00FF0000u * (x / 16 == 0) +
                                                              0x0000FF00u * (x / 16 == 1) +
                                                              0x000000FFu * (x / 16 == 2)
                                                        : 0x00FF00FFu;
        }
    }
    auto* images = new tk::ImageList(form);
    images->AddStrip(strip);
    EXPECT_EQ(images->Count(), 3);
    tk::Bitmap cell;
    ASSERT_TRUE(images->GetBitmap(1, cell));
    EXPECT_EQ(cell.Pixels()[8 * 16 + 8] & 0xFFFFFF, 0x00FF00u);
    // Outside the picture: the transparent colour (the strip's lower-left pixel).
    EXPECT_EQ(cell.Pixels()[15 * 16] & 0xFFFFFF, 0xFF00FFu);
    EXPECT_FALSE(images->GetBitmap(3, cell));
}
