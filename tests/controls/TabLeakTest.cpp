// Painting skinned tab controls, their scroll arrows and a tab set a
// thousand times, and attaching and freeing their skinners a hundred times,
// leaves the process's live GDI objects and windows as they were.
#include "tests/controls/ControlsFixture.h"

#include "tests/guitest/LeakCheck.h"
#include "toolkit/PageControl.h"
#include "toolkit/TabSet.h"
#include "tests/controls/TabSkin.h"

using namespace skin;
using namespace controlstest;

namespace {

class TabLeaks : public ControlsTest {
protected:
    // Page controls on two sides, one too narrow for its tabs (scroll
    // arrows), and a tab set too narrow for its tabs (scroller).
    void Populate(tk::Form& form) {
        const auto pages = [&](tk::TabPosition side, RECT bounds) {
            auto* control = new tk::PageControl(&form);
            control->SetTabPosition(side);
            control->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left,
                               bounds.bottom - bounds.top);
            for (int i = 0; i < 6; ++i) {
                auto* sheet = new tk::TabSheet(&form);
                sheet->SetCaption("Page " + std::to_string(i));
                sheet->SetPageControl(control);
            }
            control->SetParent(&form);
            return control;
        };
        top_ = pages(tk::TabPosition::Top, {10, 10, 150, 110});
        right_ = pages(tk::TabPosition::Right, {160, 10, 360, 200});
        tabSet_ = new tk::TabSet(&form);
        tabSet_->SetBounds(10, 220, 120, 22);
        tabSet_->SetTabs({"One", "Two", "Three", "Four", "Five", "Six"});
        tabSet_->SetParent(&form);
        frame_->SkinFormControls(form);
        frametest::Settle();
    }
    tk::PageControl* top_ = nullptr;
    tk::PageControl* right_ = nullptr;
    tk::TabSet* tabSet_ = nullptr;
};

TEST_F(TabLeaks, AThousandRepaints) {
    tk::Form& form = SkinnedForm(TTabSkin().Build());
    Populate(form);
    for (tk::WinControl* control : std::initializer_list<tk::WinControl*>{top_, right_, tabSet_}) {
        ASSERT_NE(frame_->FindControlByWindow(control->Handle()), nullptr) << control->ClassName();
        guitest::ExpectFlat(1000, [&] {
            RedrawWindow(control->Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        });
    }
}

TEST_F(TabLeaks, AHundredAttachAndFreeCycles) {
    tk::Form& form = SkinnedForm(TTabSkin().Build());
    Populate(form);
    const size_t listed = frame_->FControls.size();
    guitest::ExpectFlat(100, [&] {
        frame_->FreeControls();
        frame_->SkinFormControls(form);
        frametest::Settle();
    });
    EXPECT_EQ(frame_->FControls.size(), listed);
}

} // namespace
