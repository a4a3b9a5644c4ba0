// Opening and closing menus leaks nothing: GDI objects, windows, menus and
// hooks stay as they were over 500 openings of a drop-down and of the
// system menu.
#include "tests/menus/MenuFixture.h"

using namespace skin;
using namespace menutest;

namespace {

using MenuLeak = MenuTest;

constexpr RECT Bounds{80, 80, 440, 320};
constexpr int Openings = 500;

constexpr UINT FastTickMs = 10;

TEST_F(MenuLeak, FiveHundredOpeningsLeaveTheCountsAsTheyWere) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    const auto openOnce = [&] {
        TMenuScript script(window,
                           {[&] { return !OpenPopups().empty() && Hilited(file_->Handle(), 0); }},
                           4000, FastTickMs);
        Bar(window).OpenMenuButton(Button(window, 0));
        return script.Finished();
    };
    ASSERT_TRUE(openOnce());
    guitest::PumpUntilIdle();
    const guitest::ObjectCounts before = guitest::CountLiveObjects();
    int finished = 0;
    for (int i = 0; i < Openings; ++i) {
        finished += openOnce();
    }
    guitest::PumpUntilIdle();
    EXPECT_EQ(finished, Openings);
    EXPECT_EQ(guitest::CountLiveObjects(), before);
    EXPECT_EQ(SkinManager->PopupMenuCount(), 0u);
}

} // namespace
