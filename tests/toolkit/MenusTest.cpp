// Menus as the system shows them: command identifiers shared by a form's menu
// bar and its popup menus, measuring and drawing of owner-drawn items.
#include "Application.h"
#include "Form.h"
#include "Menus.h"

#include "GuiTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

namespace {

struct Menus : ::testing::Test {
    tk::Application app;
    tk::Form* form = nullptr;
    void SetUp() override {
        app.SetMessageBox([](const std::string&, const std::string&) {});
        form = new tk::Form(&app);
        form->SetBounds(60, 60, 400, 300);
    }
    void Read(const std::string& text) { form->LoadDesignText(text, "Test", app.Classes()); }
    template <class T> T& Find(const char* name) {
        auto* found = dynamic_cast<T*>(form->FindComponent(name));
        if (!found) {
            throw std::runtime_error(std::string("no component ") + name);
        }
        return *found;
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
    form->Show();
    guitest::PumpUntilIdle();
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
