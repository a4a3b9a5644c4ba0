// A drop-down opened again after its program changed it (a longer text, a
// check mark, a greyed item, items added and removed) is measured and drawn
// for what it holds now, not as it was kept from the opening before: it
// shows exactly what a first opening of the changed menu shows, with an
// engine that has kept nothing yet.
#include "tests/menus/MenuFixture.h"

#include "skin/WinSkinMenu/MenuLooks.h"
#include "skin/WinSubClass/SkinManager.h"

using namespace skin;
using namespace menutest;

namespace {

using ReopenedMenu = MenuTest;

constexpr RECT Bounds{90, 90, 470, 340};

// The changed menu opened with what the engine kept, then with nothing kept:
// the two are the same picture.
void ExpectDrawnAsFirstOpened(HWND window, HMENU menu, const TShownMenu& reopened,
                              const char* name) {
    SkinManager->MenuLooks().Forget();
    const TShownMenu fresh = ShowMenu(window, menu);
    guitest::SaveForTest(reopened.shot, std::string(name) + "-reopened");
    ASSERT_EQ(fresh.shot.width, reopened.shot.width);
    ASSERT_EQ(fresh.shot.height, reopened.shot.height);
    EXPECT_TRUE(guitest::SameRect(reopened.shot, {0, 0, fresh.shot.width, fresh.shot.height},
                                  fresh.shot, {0, 0}));
}

int HeightOf(const RECT& r) {
    return r.bottom - r.top;
}

// A program's own menu changed through the system's calls: ModifyMenu,
// CheckMenuItem, EnableMenuItem, DeleteMenu and AppendMenu.
TEST_F(ReopenedMenu, ANativeMenuChangedBetweenOpeningsShowsWhatItHoldsNow) {
    AddMenuSkin();
    HMENU native = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 40, L"&Open\tCtrl+O");
    AppendMenuW(file, MF_STRING, 41, L"&Save");
    AppendMenuW(file, MF_STRING, 42, L"Save &As");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, 43, L"E&xit");
    AppendMenuW(native, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    HWND window = ShowRaw(Bounds, RawStyle, nullptr, L"items", native);
    const TShownMenu first = ShowMenu(window, file);
    ASSERT_EQ(first.rows.size(), 5u);

    ModifyMenuW(file, 40, MF_BYCOMMAND | MF_STRING, 40,
                L"&Open a template with a long name\tCtrl+O");
    CheckMenuItem(file, 41, MF_BYCOMMAND | MF_CHECKED);
    EnableMenuItem(file, 42, MF_BYCOMMAND | MF_GRAYED);
    DeleteMenu(file, 3, MF_BYPOSITION);
    AppendMenuW(file, MF_STRING, 44, L"&Recent");
    AppendMenuW(file, MF_STRING, 45, L"&Print\tCtrl+P");
    const TShownMenu reopened = ShowMenu(window, file);
    ASSERT_EQ(reopened.rows.size(), 6u);
    // Wider for the longer text; a text row where the separator was.
    EXPECT_GT(reopened.shot.width, first.shot.width);
    EXPECT_EQ(HeightOf(reopened.rows[3]), HeightOf(reopened.rows[0]));
    EXPECT_GT(HeightOf(first.rows[1]), HeightOf(first.rows[3]));
    // The check mark where there was none; the greyed item without the text
    // colour it had.
    const RECT glyph = reopened.Glyph(1);
    EXPECT_GT(reopened.Count(glyph, TOddSkin::MenuTextColour), 0);
    EXPECT_EQ(first.Count(glyph, TOddSkin::MenuTextColour), 0);
    EXPECT_GT(first.Count(first.rows[2], TOddSkin::MenuTextColour), 0);
    EXPECT_EQ(reopened.Count(reopened.rows[2], TOddSkin::MenuTextColour), 0);
    ExpectDrawnAsFirstOpened(window, file, reopened, "native");
}

// A form's menu changed through its items: caption, check, enabled state, an
// item added and one taken away.
TEST_F(ReopenedMenu, AFormsMenuChangedBetweenOpeningsShowsWhatItHoldsNow) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    const TShownMenu first = ShowMenu(window, file_->Handle());
    ASSERT_EQ(first.rows.size(), 4u);

    open_->SetCaption("&Open a template with a long name");
    save_->SetChecked(true);
    exitItem_->SetEnabled(false);
    AddItem(*file_, "&Recent");
    file_->Remove(*exitItem_);
    file_->Add(*exitItem_);
    // The toolkit may make the submenu anew for its changed items.
    const HMENU file = file_->Handle();
    const TShownMenu reopened = ShowMenu(window, file);
    ASSERT_EQ(reopened.rows.size(), 5u);
    EXPECT_GT(reopened.shot.width, first.shot.width);
    const RECT glyph = reopened.Glyph(1);
    EXPECT_GT(reopened.Count(glyph, TOddSkin::MenuTextColour), 0);
    EXPECT_EQ(first.Count(glyph, TOddSkin::MenuTextColour), 0);
    EXPECT_GT(first.Count(first.rows[3], TOddSkin::MenuTextColour), 0);
    EXPECT_EQ(reopened.Count(reopened.rows[4], TOddSkin::MenuTextColour), 0);
    ExpectDrawnAsFirstOpened(window, file, reopened, "form");
}

} // namespace
