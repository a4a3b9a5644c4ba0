// Menus as the system shows them: command identifiers shared by a form's menu
// bar and its popup menus, measuring and drawing of owner-drawn items.
#include "toolkit/Action.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menus.h"
#include "toolkit/Notifications.h"
#include "toolkit/Properties.h"
#include "toolkit/Text.h"
#include "toolkit/win32/WindowSubclass.h"

#include "tests/toolkit/FormFixture.h"
#include "tests/guitest/GuiTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

namespace {

// The item rectangles of a popup menu while the system shows it, read from
// inside the menu's own message loop.
struct ShownMenu {
    HMENU menu;
    HWND owner;
    std::vector<RECT> rects;
};
ShownMenu* Shown = nullptr;

void CALLBACK ReadShownItems(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    for (int i = 0; i < GetMenuItemCount(Shown->menu); ++i) {
        RECT r{};
        GetMenuItemRect(Shown->owner, Shown->menu, i, &r);
        Shown->rects.push_back(r);
    }
    EndMenu();
}

std::vector<RECT> ItemRectsWhileShown(HMENU menu, HWND owner) {
    ShownMenu reading{menu, owner, {}};
    Shown = &reading;
    SetTimer(nullptr, 0, 20, ReadShownItems);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, 100, 100, 0, owner, nullptr);
    Shown = nullptr;
    return reading.rects;
}

SIZE SizeOf(const RECT& r) {
    return {r.right - r.left, r.bottom - r.top};
}

// The native item's type and state, by command.
MENUITEMINFOW NativeItem(HMENU menu, UINT command) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    GetMenuItemInfoW(menu, command, FALSE, &info);
    return info;
}

std::wstring NativeText(HMENU menu, UINT command) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, command, text, 64, MF_BYCOMMAND);
    return text;
}

struct Menus : FormFixture {
    void SetUp() override {
        FormFixture::SetUp();
        form->SetBounds(60, 60, 400, 300);
    }
    // Drops a menu down for the form as the system does for a menu the
    // program tracks (no TPM_RETURNCMD): the keyboard picks the first item,
    // and the choice reaches the form as WM_COMMAND.
    void ChooseFirstItem(HMENU menu) {
        HWND window = form->Handle();
        PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
        POINT at = form->ClientToScreen({20, 20});
        TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr);
        guitest::PumpUntilIdle();
    }
};

} // namespace

TEST_F(Menus, CommandsOfTheMenuBarAndOfPopupMenusNeverCollide) {
    Read(R"(object F: TForm
  Menu = Bar
  object Bar: TMainMenu
    OwnerDraw = True
    object FileMenu: TMenuItem
      Caption = 'File'
      object Open: TMenuItem
        Caption = 'Open'
      end
    end
  end
  object First: TPopupMenu
    OwnerDraw = True
    object Cut: TMenuItem
      Caption = 'Cut'
    end
  end
  object Second: TPopupMenu
    OwnerDraw = True
    object Paste: TMenuItem
      Caption = 'Paste'
    end
  end
end)");
    ShowForm();
    auto& open = Find<tk::MenuItem>("Open");
    auto& cut = Find<tk::MenuItem>("Cut");
    auto& paste = Find<tk::MenuItem>("Paste");
    EXPECT_EQ(std::set<UINT>({open.Command(), cut.Command(), paste.Command()}).size(), 3u);

    std::vector<std::string> clicked, measured;
    for (tk::MenuItem* item : {&open, &cut, &paste}) {
        item->OnClick = [&clicked, item](tk::Component&) { clicked.push_back(item->Caption()); };
        item->OnMeasureItem = [&measured](tk::MenuItem& it, tk::Canvas&, int&, int&) {
            measured.push_back(it.Caption());
        };
    }
    ChooseFirstItem(Find<tk::MenuItem>("FileMenu").Handle());
    ChooseFirstItem(Find<tk::PopupMenu>("First").Handle());
    ChooseFirstItem(Find<tk::PopupMenu>("Second").Handle());
    EXPECT_EQ(clicked, (std::vector<std::string>{"Open", "Cut", "Paste"}));
    EXPECT_EQ(measured, (std::vector<std::string>{"Open", "Cut", "Paste"}));
    EXPECT_EQ(tk::MenuItem::FromCommand(cut.Command()), &cut);
    EXPECT_EQ(Find<tk::PopupMenu>("Second").FindItem(cut.Command()), nullptr);
}

// A disabled item's command can still reach the form (a skinned menu bar
// posts it for a disabled top-level item): neither its click nor its action runs.
TEST_F(Menus, ADisabledItemsCommandRunsNothing) {
    Read(R"(object F: TForm
  Menu = Bar
  object Bar: TMainMenu
    object Plain: TMenuItem
      Caption = 'Plain'
      Enabled = False
    end
    object Acting: TMenuItem
      Action = Go
    end
  end
  object Go: TAction
    Caption = 'Go'
  end
end)");
    ShowForm();
    auto& plain = Find<tk::MenuItem>("Plain");
    auto& acting = Find<tk::MenuItem>("Acting");
    auto& go = Find<tk::Action>("Go");
    int clicks = 0, runs = 0;
    plain.OnClick = [&](tk::Component&) { ++clicks; };
    go.OnExecute = [&](tk::Component&) { ++runs; };
    go.SetEnabled(false);
    const auto command = [&](tk::MenuItem& item) {
        SendMessageW(form->Handle(), WM_COMMAND, item.Command(), 0);
    };
    command(plain);
    command(acting);
    plain.Click();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(runs, 0);
    plain.SetEnabled(true);
    go.SetEnabled(true);
    command(plain);
    command(acting);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(runs, 1);
}

TEST_F(Menus, CommandIdentifiersAreReusedOnceFreedAndRunOutCleanly) {
    // Holds items until every identifier is taken: each one distinct, and the
    // next item is refused with an error rather than given a taken identifier.
    std::vector<std::unique_ptr<tk::MenuItem>> items;
    std::set<UINT> commands;
    try {
        for (;;) {
            items.push_back(std::make_unique<tk::MenuItem>(nullptr));
            ASSERT_TRUE(commands.insert(items.back()->Command()).second);
            ASSERT_LT(items.size(), 0x10000u);
        }
    } catch (const std::runtime_error&) {
    }
    EXPECT_GT(items.size(), 60000u);
    EXPECT_GE(*commands.begin(), 100u);
    EXPECT_LT(*commands.rbegin(), 0xF000u); // below the system commands
    UINT freed = items[1234]->Command();
    items[1234].reset();
    EXPECT_EQ(tk::MenuItem::FromCommand(freed), nullptr);
    tk::MenuItem again(nullptr);
    EXPECT_EQ(again.Command(), freed);
    EXPECT_EQ(tk::MenuItem::FromCommand(freed), &again);
}

TEST_F(Menus, OwnerDrawnItemsMeasureAsNativeItemsBeforeTheirHandlersAdjust) {
    Read(R"(object F: TForm
  object Popup: TPopupMenu
    OwnerDraw = True
    object Open: TMenuItem
      Caption = '&Open'
      ShortCut = 16463
    end
    object Long: TMenuItem
      Caption = '一个很长的菜单项 with a long caption'
    end
    object Line: TMenuItem
      Caption = '-'
    end
    object Bold: TMenuItem
      Caption = 'Short'
      Default = True
    end
  end
end)");
    ShowForm();
    auto& popup = Find<tk::PopupMenu>("Popup");
    std::vector<tk::MenuItem*> items;
    for (const char* name : {"Open", "Long", "Line", "Bold"}) {
        items.push_back(&Find<tk::MenuItem>(name));
    }
    for (tk::MenuItem* item : items) {
        SCOPED_TRACE(item->Name());
        // The native item of the same text and state, alone in a menu.
        HMENU native = CreatePopupMenu();
        std::wstring text = item->Name() == "Open" ? L"&Open\tCtrl+O" : tk::Widen(item->Caption());
        AppendMenuW(native, item->IsLine() ? MF_SEPARATOR : MF_STRING, 1, text.c_str());
        if (item->Default()) {
            SetMenuDefaultItem(native, 1, FALSE);
        }
        const SIZE expected = SizeOf(ItemRectsWhileShown(native, form->Handle()).at(0));
        DestroyMenu(native);
        // The owner-drawn item alone in its menu, first as measured, then
        // with a handler that adjusts the measured size.
        for (tk::MenuItem* other : items) {
            other->SetVisible(other == item);
        }
        SIZE given{};
        item->OnMeasureItem = [&given](tk::MenuItem&, tk::Canvas&, int& w, int& h) {
            given = {w, h};
        };
        const SIZE drawn = SizeOf(ItemRectsWhileShown(popup.Handle(), form->Handle()).at(0));
        EXPECT_NEAR(drawn.cx, expected.cx, 4);
        EXPECT_EQ(drawn.cy, expected.cy);
        EXPECT_GT(given.cy, 0);
        item->OnMeasureItem = [](tk::MenuItem&, tk::Canvas&, int& w, int& h) {
            w += 30;
            h += 2;
        };
        const SIZE adjusted = SizeOf(ItemRectsWhileShown(popup.Handle(), form->Handle()).at(0));
        EXPECT_EQ(adjusted.cx, drawn.cx + 30);
        EXPECT_EQ(adjusted.cy, drawn.cy + 2);
    }
}

TEST_F(Menus, ItemsReachTheirMenuAndAreFoundByHandleAndCommand) {
    Read(R"(object F: TForm
  object Glyphs: TImageList
    Width = 20
    Height = 20
  end
  object Popup: TPopupMenu
    Images = Glyphs
    object Edit: TMenuItem
      Caption = 'Edit'
      object Insert: TMenuItem
        Caption = 'Insert'
        object Row: TMenuItem
          Caption = 'Row'
          Tag = 33333
          ImageIndex = 2
          ShortCut = 8307
          Checked = True
          Default = True
        end
      end
    end
    object Quit: TMenuItem
      Caption = 'Quit'
      Enabled = False
    end
  end
  object Other: TPopupMenu
  end
end)");
    auto& popup = Find<tk::PopupMenu>("Popup");
    auto& edit = Find<tk::MenuItem>("Edit");
    auto& insert = Find<tk::MenuItem>("Insert");
    auto& row = Find<tk::MenuItem>("Row");
    // A first-level item's parent answers with the menu's own handle.
    EXPECT_EQ(edit.Parent()->Handle(), popup.Handle());
    EXPECT_EQ(Find<tk::MenuItem>("Quit").Parent()->Handle(), popup.Handle());
    EXPECT_EQ(GetSubMenu(popup.Handle(), 0), edit.Handle());
    EXPECT_EQ(row.Parent(), &insert);
    EXPECT_EQ(row.Handle(), nullptr);
    EXPECT_EQ(popup.FindItemByHandle(edit.Handle()), &edit);
    EXPECT_EQ(popup.FindItemByHandle(insert.Handle()), &insert);
    EXPECT_EQ(popup.FindItemByHandle(nullptr), nullptr);
    EXPECT_EQ(popup.FindItemByHandle(popup.Handle()), nullptr);
    EXPECT_EQ(popup.FindItem(row.Command()), &row);
    EXPECT_EQ(Find<tk::PopupMenu>("Other").FindItem(row.Command()), nullptr);
    EXPECT_EQ(row.Images(), &Find<tk::ImageList>("Glyphs"));
    EXPECT_EQ(tk::TryGetIntProp(row, "Tag"), 33333);
    EXPECT_EQ(tk::TryGetIntProp(row, "ImageIndex"), 2);
    EXPECT_EQ(tk::TryGetIntProp(row, "ShortCut"), tk::scShift | VK_F4);
    EXPECT_EQ(tk::TryGetBoolProp(row, "Checked"), true);
    EXPECT_EQ(tk::TryGetBoolProp(row, "Default"), true);
    EXPECT_EQ(tk::TryGetBoolProp(Find<tk::MenuItem>("Quit"), "Enabled"), false);
    EXPECT_EQ(tk::TryGetBoolProp(popup, "RightToLeft"), false);
    EXPECT_EQ(NativeItem(insert.Handle(), row.Command()).fState, UINT(MFS_CHECKED | MFS_DEFAULT));
}

TEST_F(Menus, ItemsFollowTheirActionWithTheNativeMenuChangedInPlace) {
    Read(R"(object F: TForm
  Menu = Bar
  object Bar: TMainMenu
    object FileMenu: TMenuItem
      Action = FileAction
      object Save: TMenuItem
        Action = SaveAction
      end
      object Close: TMenuItem
        Caption = 'Close'
      end
    end
  end
  object SaveAction: TAction
    Caption = 'Save'
    ImageIndex = 2
  end
  object FileAction: TAction
    Caption = 'File'
  end
end)");
    ShowForm();
    auto& save = Find<tk::MenuItem>("Save");
    auto& action = Find<tk::Action>("SaveAction");
    auto& fileMenu = Find<tk::MenuItem>("FileMenu");
    EXPECT_EQ(save.Caption(), "Save");
    EXPECT_EQ(save.ImageIndex(), 2);
    EXPECT_FALSE(action.Update()); // no handler

    bool saved = false, dirty = false;
    action.OnUpdate = [&](tk::Component&) {
        action.SetEnabled(dirty);
        action.SetChecked(saved);
        action.SetCaption(saved ? "Saved" : "Save");
    };
    int notices = 0;
    tk::WindowSubclass watch;
    watch.Install(form->Handle(), [&](UINT msg, WPARAM wParam, LPARAM lParam) {
        notices += msg == tk::NotifyMenuChanged;
        return watch.CallNext(msg, wParam, lParam);
    });
    HMENU bar = GetMenu(form->Handle());
    HMENU file = fileMenu.Handle();
    EXPECT_TRUE(action.Update());
    EXPECT_FALSE(save.Enabled());
    EXPECT_EQ(NativeItem(file, save.Command()).fState, UINT(MFS_GRAYED));
    saved = dirty = true;
    action.Update();
    EXPECT_TRUE(save.Checked());
    EXPECT_EQ(NativeItem(file, save.Command()).fState, UINT(MFS_CHECKED));
    EXPECT_EQ(NativeText(file, save.Command()), L"Saved");
    // Written into the shown menu: its handles stay, and an item inside a
    // drop-down does not concern the menu bar.
    EXPECT_EQ(fileMenu.Handle(), file);
    EXPECT_EQ(GetMenu(form->Handle()), bar);
    EXPECT_EQ(notices, 0);
    action.Update(); // the same state again changes nothing
    EXPECT_EQ(notices, 0);
    // A top-level item's change is the menu bar's.
    Find<tk::Action>("FileAction").SetCaption("File & more");
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(NativeText(bar, fileMenu.Command()), L"File & more");

    // Hidden by its action: the menu is built again, without it, and the
    // menus it replaced are gone.
    const guitest::ObjectCounts before = guitest::CountLiveObjects();
    action.SetVisible(false);
    EXPECT_FALSE(save.Visible());
    EXPECT_EQ(GetMenuItemCount(fileMenu.Handle()), 1);
    EXPECT_EQ(GetMenu(form->Handle()), Find<tk::MainMenu>("Bar").Handle());
    EXPECT_EQ(notices, 2);
    action.SetVisible(true);
    EXPECT_EQ(GetMenuItemCount(fileMenu.Handle()), 2);
    EXPECT_EQ(guitest::CountLiveObjects().menus, before.menus);

    // An action freed leaves the item as it was.
    delete &action;
    EXPECT_EQ(save.GetAction(), nullptr);
    EXPECT_EQ(save.Caption(), "Saved");
}

TEST_F(Menus, AMenuSetOnALiveFormGoesThroughTheMenuChangedNotification) {
    Read(R"(object F: TForm
  object Bar: TMainMenu
    object FileMenu: TMenuItem
      Caption = 'File'
    end
  end
end)");
    ShowForm();
    auto* bar = &Find<tk::MainMenu>("Bar");
    // A procedure over the window that handles the notification itself (as
    // a frame drawing its own menu bar does) keeps the native menu off it.
    bool ownBar = true;
    int notices = 0;
    tk::WindowSubclass frame;
    frame.Install(form->Handle(), [&](UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (msg == tk::NotifyMenuChanged) {
            ++notices;
            if (ownBar) {
                return 0;
            }
        }
        return frame.CallNext(msg, wParam, lParam);
    });
    form->SetMenu(bar);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
    ownBar = false;
    form->SetMenu(nullptr);
    form->SetMenu(bar);
    EXPECT_EQ(notices, 3);
    EXPECT_EQ(GetMenu(form->Handle()), bar->Handle());
    delete bar;
    EXPECT_EQ(notices, 4);
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
}

namespace {

// Draws an item through the form's WM_DRAWITEM into a bitmap of its own and
// answers the pixels.
guitest::Capture DrawThroughForm(tk::Form& form, tk::MenuItem& item, SIZE size, bool selected) {
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = size.cx;
    bmi.bmiHeader.biHeight = -size.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    tk::OwnedBitmap bitmap(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
    tk::CompatibleDC dc;
    {
        tk::SelectedObject selectedBitmap(dc, bitmap.get());
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemID = item.Command();
        draw.itemData = reinterpret_cast<ULONG_PTR>(&item);
        draw.itemState = selected ? ODS_SELECTED : 0;
        draw.hDC = dc;
        draw.rcItem = {0, 0, size.cx, size.cy};
        SendMessageW(form.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    }
    guitest::Capture capture;
    capture.width = size.cx;
    capture.height = size.cy;
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (int i = 0; i < size.cx * size.cy; ++i) {
        capture.pixels.push_back(pixels[i] & 0xFFFFFF);
    }
    return capture;
}

// Pixels of a colour within columns [left, right).
int CountIn(const guitest::Capture& capture, int left, int right, COLORREF color) {
    int count = 0;
    for (int y = 0; y < capture.height; ++y) {
        for (int x = left; x < right; ++x) {
            count += capture.At(x, y) == guitest::Rgb(color);
        }
    }
    return count;
}

} // namespace

TEST_F(Menus, OwnerDrawingIsSwitchedOnAndOffAndRightToLeftMenusAreMirrored) {
    Read(R"(object F: TForm
  object Popup: TPopupMenu
    object Tick: TMenuItem
      Caption = 'Tick'
      Checked = True
    end
  end
end)");
    auto& popup = Find<tk::PopupMenu>("Popup");
    auto& tick = Find<tk::MenuItem>("Tick");
    EXPECT_FALSE(NativeItem(popup.Handle(), tick.Command()).fType & MFT_OWNERDRAW);
    popup.SetOwnerDraw(true);
    EXPECT_TRUE(NativeItem(popup.Handle(), tick.Command()).fType & MFT_OWNERDRAW);

    // The item's own drawing: a check mark in the glyph column, at the left;
    // mirrored to the right in a right-to-left menu.
    const SIZE size{160, 20};
    const int column = GetSystemMetrics(SM_CXMENUCHECK) + 4;
    const COLORREF text = GetSysColor(COLOR_MENUTEXT);
    DrawThroughForm(*form, tick, size, false); // warms the path up
    const guitest::ObjectCounts before = guitest::CountLiveObjects();
    guitest::Capture plain = DrawThroughForm(*form, tick, size, false);
    EXPECT_GT(CountIn(plain, 0, column, text), 6);
    EXPECT_EQ(CountIn(plain, size.cx - column, size.cx, text), 0);
    popup.SetRightToLeft(true);
    guitest::Capture mirrored = DrawThroughForm(*form, tick, size, false);
    EXPECT_EQ(CountIn(mirrored, 0, column, text), 0);
    EXPECT_GT(CountIn(mirrored, size.cx - column, size.cx, text), 6);
    EXPECT_EQ(guitest::CountLiveObjects(), before);

    // A draw handler replaces the drawing until it is removed again.
    int handled = 0;
    tick.OnDrawItem = [&](tk::MenuItem&, tk::Canvas&, const RECT&, bool) { ++handled; };
    guitest::Capture skipped = DrawThroughForm(*form, tick, size, true);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(skipped.At(80, 10), 0u);
    tick.OnDrawItem = nullptr;
    guitest::Capture selected = DrawThroughForm(*form, tick, size, true);
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(selected.At(80, 1), guitest::Rgb(GetSysColor(COLOR_HIGHLIGHT)));

    popup.SetOwnerDraw(false);
    EXPECT_FALSE(NativeItem(popup.Handle(), tick.Command()).fType & MFT_OWNERDRAW);
}

namespace {

// A key press the message loop offers to the form's menu: the item whose
// shortcut it is runs when it could be chosen from the menu, and the key
// stops there; other keys, and items with nothing to run, leave the key to
// the control it went to.
TEST_F(Menus, AShortCutRunsItsItemOnlyWhenTheItemCouldBeChosen) {
    Read(R"(object F: TForm
  Menu = Bar
  object Bar: TMainMenu
    object File: TMenuItem
      Caption = 'File'
      object Reload: TMenuItem
        Caption = 'Reload'
        ShortCut = 116
      end
      object Hidden: TMenuItem
        Caption = 'Hidden'
        ShortCut = 117
        Visible = False
      end
      object Decor: TMenuItem
        Caption = 'Decor'
        ShortCut = 118
      end
    end
    object Off: TMenuItem
      Caption = 'Off'
      Enabled = False
      object Inside: TMenuItem
        Caption = 'Inside'
        ShortCut = 119
      end
    end
  end
end)");
    ShowForm();
    int reloads = 0, hidden = 0, inside = 0;
    Find<tk::MenuItem>("Reload").OnClick = [&](tk::Component&) { ++reloads; };
    Find<tk::MenuItem>("Hidden").OnClick = [&](tk::Component&) { ++hidden; };
    Find<tk::MenuItem>("Inside").OnClick = [&](tk::Component&) { ++inside; };
    const auto press = [&](WPARAM key, UINT message = WM_KEYDOWN) {
        return tk::IsMenuShortCut(MSG{form->Handle(), message, key, 0, 0, {}});
    };
    EXPECT_TRUE(press(VK_F5));
    EXPECT_EQ(reloads, 1);
    EXPECT_FALSE(press(VK_F5, WM_KEYUP)) << "only the press";
    EXPECT_FALSE(press(VK_F6)) << "a hidden item";
    EXPECT_FALSE(press(VK_F7)) << "an item with nothing to run";
    EXPECT_FALSE(press(VK_F8)) << "inside a disabled menu";
    EXPECT_FALSE(press(VK_F9)) << "no item's shortcut";
    Find<tk::MenuItem>("Reload").SetEnabled(false);
    EXPECT_FALSE(press(VK_F5));
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(hidden, 0);
    EXPECT_EQ(inside, 0);
}

} // namespace
