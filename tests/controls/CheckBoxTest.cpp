// Check boxes and radio buttons: the box cell each state shows (4-, 8- and
// 12-cell strips), boxes on either side of the caption, and clicks.
#include "tests/controls/ControlsFixture.h"

#include "skin/WinSubClass/SkinCheckBox.h"

using namespace skin;
using namespace controlstest;

namespace {

class Boxes : public ControlsTest {
protected:
    static constexpr int Width = 120;
    static constexpr int Height = 21;

    tk::Form& BoxForm(const TButtonSkin& skin = TButtonSkin()) {
        tk::Form& form = SkinnedForm(skin.Build());
        skinData_->SetSkin3rd({"TCheckBox=checkbox", "TRadioButton=radiobutton"});
        return form;
    }
    template <class T> T& Box(tk::Form& form, int top = 20) {
        T& box = Place<T>(form, 20, top, Width, Height);
        box.SetCaption("Option");
        frame_->SkinFormControls(form);
        frametest::Settle();
        return box;
    }
    // The middle of a 13-pixel box whose left edge is at `left`.
    static uint32_t BoxAt(tk::Control& box, int left) {
        const int top = (Height - TButtonSkin::BoxSize) / 2;
        return Shot(box).At(left + TButtonSkin::BoxSize / 2, top + TButtonSkin::BoxSize / 2);
    }
    // Box left of the caption: (14 - 13) / 2 + 2 for a check box, + 0 for a radio.
    static uint32_t CheckCell(tk::Control& box) { return BoxAt(box, 2); }
    static uint32_t RadioCell(tk::Control& box) { return BoxAt(box, 0); }
    static uint32_t Cell(int index) { return guitest::Rgb(TButtonSkin::BoxCell(index)); }
};

TEST_F(Boxes, ACheckBoxShowsItsCheckedDisabledAndIndeterminateCells) {
    tk::Form& form = BoxForm();
    auto& box = Box<tk::CheckBox>(form);
    ASSERT_NE(dynamic_cast<TSkinCheckBox*>(SkinnerOf(box)), nullptr);
    EXPECT_EQ(CheckCell(box), Cell(1));
    box.SetChecked(true);
    frametest::Settle();
    EXPECT_EQ(CheckCell(box), Cell(2));
    box.SetEnabled(false);
    frametest::Settle();
    EXPECT_EQ(CheckCell(box), Cell(4));
    box.SetChecked(false);
    frametest::Settle();
    EXPECT_EQ(CheckCell(box), Cell(3));
    box.SetEnabled(true);
    box.SetAllowGrayed(true);
    box.SetState(tk::CheckState::Grayed);
    frametest::Settle();
    EXPECT_EQ(CheckCell(box), Cell(4));
}

TEST_F(Boxes, AClickChecksTheBoxAndItsKeyedCornersShowTheFace) {
    tk::Form& form = BoxForm();
    auto& box = Box<tk::CheckBox>(form);
    guitest::Click(box.Handle(), {60, 10});
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(CheckCell(box), Cell(2));
    const int top = (Height - TButtonSkin::BoxSize) / 2;
    EXPECT_EQ(Shot(box).At(2, top), guitest::Rgb(TButtonSkin::Face));
}

TEST_F(Boxes, ATwelveCellCheckStripHasItsOwnOrder) {
    TButtonSkin skin;
    skin.checkCells = 12;
    tk::Form& form = BoxForm(skin);
    auto& box = Box<tk::CheckBox>(form);
    box.SetChecked(true);
    frametest::Settle();
    EXPECT_EQ(CheckCell(box), Cell(5));
    box.SetEnabled(false);
    frametest::Settle();
    EXPECT_EQ(CheckCell(box), Cell(8));
    box.SetChecked(false);
    frametest::Settle();
    EXPECT_EQ(CheckCell(box), Cell(4));
    box.SetAllowGrayed(true);
    box.SetState(tk::CheckState::Grayed);
    frametest::Settle();
    EXPECT_EQ(CheckCell(box), Cell(12));
    box.SetEnabled(true);
    frametest::Settle();
    EXPECT_EQ(CheckCell(box), Cell(9));
}

TEST_F(Boxes, ABoxLeftOfItsCaptionSitsAtTheRightEdge) {
    tk::Form& form = BoxForm();
    auto& box = Place<tk::CheckBox>(form, 20, 20, Width, Height);
    box.SetCaption("Option");
    box.SetAlignment(tk::Alignment::Left);
    frame_->SkinFormControls(form);
    box.SetChecked(true);
    frametest::Settle();
    // (14 - 13) / 2 = 0 from the right edge.
    EXPECT_EQ(BoxAt(box, Width - TButtonSkin::BoxSize), Cell(2));
}

TEST_F(Boxes, ARadioButtonShowsItsCellsWithFourAndEightCellStrips) {
    tk::Form& form = BoxForm();
    auto& radio = Box<tk::RadioButton>(form);
    ASSERT_NE(dynamic_cast<TSkinRadioButton*>(SkinnerOf(radio)), nullptr);
    EXPECT_EQ(RadioCell(radio), Cell(1));
    guitest::Click(radio.Handle(), {60, 10});
    EXPECT_TRUE(radio.Checked());
    EXPECT_EQ(RadioCell(radio), Cell(2));
    radio.SetEnabled(false);
    frametest::Settle();
    EXPECT_EQ(RadioCell(radio), Cell(4));
}

TEST_F(Boxes, AnEightCellRadioStripHasItsOwnOrder) {
    TButtonSkin skin;
    skin.radioCells = 8;
    tk::Form& form = BoxForm(skin);
    auto& radio = Box<tk::RadioButton>(form);
    radio.SetChecked(true);
    frametest::Settle();
    EXPECT_EQ(RadioCell(radio), Cell(5));
    radio.SetEnabled(false);
    frametest::Settle();
    EXPECT_EQ(RadioCell(radio), Cell(8));
    radio.SetChecked(false);
    frametest::Settle();
    EXPECT_EQ(RadioCell(radio), Cell(4));
}

} // namespace
