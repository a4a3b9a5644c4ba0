// The skinned menus at the screen's scale (these cases run at 96, 120, 144
// and 192 DPI): the bar's buttons start where the scaled skin puts them, a
// click in a scaled button opens its drop-down, and the drop-down's items
// are tall enough for their scaled glyphs.
#include "tests/menus/MenuFixture.h"

#include "toolkit/Dpi.h"

using namespace skin;
using namespace menutest;

namespace {

using ScaledMenu = MenuTest;

constexpr RECT Bounds{70, 70, 520, 380};
// The bar's first caption starts this far past the bar element's left end,
// and a drop-down item's glyph is this tall, at 96 DPI.
constexpr int StartPastLeftEnd = 4;
constexpr int Glyph = 16;

int Scaled(int measure) {
    return tk::ScaleMeasure(measure, tk::WindowDpi(nullptr));
}

TEST_F(ScaledMenu, TheBarsButtonsAndTheDropDownsItemsGrowWithTheScale) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    TWinSkinMenu& bar = Bar(window);
    ASSERT_EQ(bar.FButtons.size(), 3u);
    const RECT first = bar.FButtons[0]->FRect;
    EXPECT_EQ(first.left,
              Scaled(TOddSkin::Left) + Scaled(TOddSkin::BarEnd) + Scaled(StartPastLeftEnd));
    EXPECT_EQ(first.top, Scaled(TOddSkin::Title));
    // The bar is as tall as the system makes it at this scale.
    EXPECT_EQ(first.bottom - first.top + 1, GetSystemMetrics(SM_CYMENU));

    std::vector<RECT> rows;
    TMenuScript script(window, {WhenSettled([&] { return !OpenPopups().empty(); },
                                            [&] {
                                                const HMENU menu = file_->Handle();
                                                for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                                                    RECT item{};
                                                    GetMenuItemRect(nullptr, menu, UINT(i), &item);
                                                    rows.push_back(item);
                                                }
                                            })});
    ClickButton(window, 0);
    EXPECT_TRUE(script.Finished());
    ASSERT_EQ(rows.size(), 4u);
    // Open, Save, a separator and Exit: the items with text hold the glyph.
    for (const size_t i : {size_t(0), size_t(1), size_t(3)}) {
        EXPECT_GE(rows[i].bottom - rows[i].top, Scaled(Glyph)) << i;
    }
}

} // namespace
