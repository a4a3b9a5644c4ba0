// Painting every kind of skinned button a thousand times, and attaching and
// freeing skinners a hundred times, leaves the process's live GDI objects
// and windows as they were.
#include "tests/controls/ControlsFixture.h"

#include "toolkit/Notifications.h"

#include "toolkit/GraphicControls.h"
#include "tests/guitest/LeakCheck.h"
#include "skin/WinSubClass/SkinBitButton.h"
#include "skin/WinSubClass/SkinCheckBox.h"
#include "skin/WinSubClass/SkinSpeedButton.h"

using namespace skin;
using namespace controlstest;

namespace {

class ControlsLeaks : public ControlsTest {
protected:
    // One control of every kind, skinned.
    void Populate(tk::Form& form) {
        skinData_->SetSkin3rd({"TCheckBox=checkbox", "TRadioButton=radiobutton"});
        push_ = &Place<tk::Button>(form, 10, 10, 75, 25);
        push_->SetCaption("Push");
        bitmap_ = &Place<tk::BitBtn>(form, 10, 40, 75, 25);
        bitmap_->SetCaption("Bitmap");
        bitmap_->Glyph().SetSize(32, 16);
        bitmap_->SetNumGlyphs(2);
        speed_ = &Place<tk::SpeedButton>(form, 10, 70, 75, 25);
        speed_->SetCaption("Speed");
        check_ = &Place<tk::CheckBox>(form, 10, 100, 120, 21);
        radio_ = &Place<tk::RadioButton>(form, 10, 130, 120, 21);
        frame_->SkinFormControls(form);
        frametest::Settle();
    }
    tk::Button* push_ = nullptr;
    tk::BitBtn* bitmap_ = nullptr;
    tk::SpeedButton* speed_ = nullptr;
    tk::CheckBox* check_ = nullptr;
    tk::RadioButton* radio_ = nullptr;
};

TEST_F(ControlsLeaks, AThousandRepaintsOfEveryKind) {
    tk::Form& form = SkinnedForm();
    Populate(form);
    for (tk::Control* control :
         std::initializer_list<tk::Control*>{push_, bitmap_, check_, radio_}) {
        auto& windowed = dynamic_cast<tk::WinControl&>(*control);
        ASSERT_NE(SkinnerOf(windowed), nullptr) << windowed.ClassName();
        guitest::ExpectFlat(1000, [&] {
            RedrawWindow(windowed.Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            SendMessageW(windowed.Handle(), tk::NotifyMouseEnter, 0, 0);
            SendMessageW(windowed.Handle(), tk::NotifyMouseLeave, 0, 0);
        });
    }
    ASSERT_NE(SkinnerOf(*speed_), nullptr);
    guitest::ExpectFlat(1000, [&] {
        speed_->Invalidate();
        UpdateWindow(form.Handle());
    });
}

TEST_F(ControlsLeaks, AHundredAttachAndFreeCycles) {
    tk::Form& form = SkinnedForm();
    Populate(form);
    guitest::ExpectFlat(100, [&] {
        frame_->FreeControls();
        frame_->SkinFormControls(form);
        frametest::Settle();
    });
    EXPECT_EQ(frame_->FControls.size(), 5u);
}

} // namespace
