// Which control gets which skinner: the rules for application forms (tag,
// the application's event, Skin3rd lines, the kinds switched on) and the
// window classes of windows without a form object.
#include "ControlsFixture.h"

#include "GraphicControls.h"
#include "ListView.h"
#include "RangeControls.h"
#include "SkinBitButton.h"
#include "SkinCheckBox.h"
#include "SkinProgress.h"
#include "SkinScControl.h"
#include "SkinScrollbar.h"
#include "SkinSpeedButton.h"
#include "SkinTrackBar.h"
#include "SkinUpDown.h"
#include "StdCtrls.h"
#include "TreeView.h"

using namespace skin;
using namespace controlstest;

namespace {

class Discovery : public ControlsTest {
protected:
    // A form read with its controls before the frame attaches, as in the
    // program: the frame finds them itself.
    template <class T> T& Add(tk::Form& form, const std::string& name, int tag = 0) {
        T& control = Place<T>(form, 10, 10 + 30 * int(form.Components().size()), 75, 25);
        control.SetName(name);
        control.SetTag(tag);
        return control;
    }
    tk::Form& NewForm() {
        auto* form = new tk::Form(&app);
        form->SetBounds(80, 80, 400, 300);
        return *form;
    }
    void ShowAndSkin(tk::Form& form) {
        form.Show();
        SetForegroundWindow(form.Handle());
        frametest::Settle();
        frame = frametest::FrameOf(form.Handle());
        ASSERT_NE(frame, nullptr);
    }
};

TEST_F(Discovery, EachKindOfButtonGetsItsSkinnerAndTaggedOnesAreLeftAlone) {
    skinData = &AddSkin(TButtonSkin().Build());
    tk::Form& form = NewForm();
    auto& push = Add<tk::Button>(form, "Push");
    auto& bitmap = Add<tk::BitBtn>(form, "Bitmap");
    auto& speed = Add<tk::SpeedButton>(form, "Speed");
    auto& tagged = Add<tk::Button>(form, "Tagged", 199);
    auto& check = Add<tk::CheckBox>(form, "Check");
    ShowAndSkin(form);
    EXPECT_EQ(typeid(*SkinnerOf(push)), typeid(TSkinButton));
    // A bitmap button keeps its glyph: the bitmap button skinner, not the
    // push button one.
    EXPECT_EQ(typeid(*SkinnerOf(bitmap)), typeid(TSkinBitButton));
    EXPECT_EQ(typeid(*SkinnerOf(speed)), typeid(TSkinSpeedButton));
    EXPECT_EQ(SkinnerOf(tagged), nullptr);
    // Check boxes of a form are skinned only through a Skin3rd line.
    EXPECT_EQ(SkinnerOf(check), nullptr);
    // A second pass skins nothing twice.
    const size_t listed = frame->FControls.size();
    frame->SkinFormControls(form);
    EXPECT_EQ(frame->FControls.size(), listed);
}

TEST_F(Discovery, Skin3rdLinesMapClassesAndANilOrUnknownKindKeepsThemUnskinned) {
    skinData = &AddSkin(TButtonSkin().Build());
    skinData->SetSkin3rd({"TCheckBox=CheckBox", "TRadioButton=nil", "TBitBtn=sparkle",
                          "TButton=bitbtn", "TButton=button"});
    tk::Form& form = NewForm();
    auto& check = Add<tk::CheckBox>(form, "Check");
    auto& radio = Add<tk::RadioButton>(form, "Radio");
    auto& bitmap = Add<tk::BitBtn>(form, "Bitmap");
    auto& push = Add<tk::Button>(form, "Push");
    ShowAndSkin(form);
    EXPECT_EQ(typeid(*SkinnerOf(check)), typeid(TSkinCheckBox));
    EXPECT_EQ(SkinnerOf(radio), nullptr);
    EXPECT_EQ(SkinnerOf(bitmap), nullptr);
    // The first line for a class decides.
    EXPECT_EQ(typeid(*SkinnerOf(push)), typeid(TSkinBitButton));
}

TEST_F(Discovery, TheKindsSwitchedOffAreNotSkinned) {
    skinData = &AddSkin(TButtonSkin().Build());
    skinData->SetSkinControls(DefaultSkinControls & ~SkinControlBit(xcButton) &
                              ~SkinControlBit(xcCheckBox));
    skinData->SetSkin3rd({"TCheckBox=checkbox"});
    tk::Form& form = NewForm();
    auto& push = Add<tk::Button>(form, "Push");
    auto& check = Add<tk::CheckBox>(form, "Check");
    auto& speed = Add<tk::SpeedButton>(form, "Speed");
    ShowAndSkin(form);
    EXPECT_EQ(SkinnerOf(push), nullptr);
    EXPECT_EQ(SkinnerOf(check), nullptr);
    EXPECT_NE(SkinnerOf(speed), nullptr);
}

TEST_F(Discovery, TheApplicationsEventMaySupplyTheSkinner) {
    skinData = &AddSkin(TButtonSkin().Build());
    std::vector<std::string> classes;
    skinData->OnSkinControl = [&](tk::Component&, TSkinData&, tk::Component&,
                                  tk::Component& control, const std::string& controlClass,
                                  tk::Component*& skinned) {
        classes.push_back(controlClass);
        if (control.Name() == "Push") {
            skinned = new TSkinBitButton(&control);
        }
    };
    tk::Form& form = NewForm();
    auto& push = Add<tk::Button>(form, "Push");
    auto& other = Add<tk::Button>(form, "Other");
    ShowAndSkin(form);
    EXPECT_EQ(typeid(*SkinnerOf(push)), typeid(TSkinBitButton));
    EXPECT_TRUE(SkinnerOf(push)->FAttached);
    EXPECT_EQ(typeid(*SkinnerOf(other)), typeid(TSkinButton));
    EXPECT_NE(std::find(classes.begin(), classes.end(), "TBUTTON"), classes.end());
}

TEST_F(Discovery, AControlWithoutAWindowGetsOneFirst) {
    skinData = &AddSkin(TButtonSkin().Build());
    tk::Form& form = NewForm();
    // Not placed on the form yet: no parent, no window.
    auto* loose = new tk::Button(&form);
    ShowAndSkin(form);
    EXPECT_TRUE(loose->HandleAllocated());
    EXPECT_NE(SkinnerOf(*loose), nullptr);
}

TEST_F(Discovery, RangeControlsAndScrollableControlsGetTheirSkinners) {
    skinData = &AddSkin(TButtonSkin().Build());
    tk::Form& form = NewForm();
    auto& track = Add<tk::TrackBar>(form, "Track");
    auto& upDown = Add<tk::UpDown>(form, "Spin");
    auto& progress = Add<tk::ProgressBar>(form, "Progress");
    // A tree view is given the bars' skinner even while it shows none.
    auto& tree = Add<tk::TreeView>(form, "Tree");
    auto& list = Add<tk::ListView>(form, "List");
    list.AddColumn().SetCaption("Row");
    for (int i = 0; i < 20; ++i) {
        list.AddItem().SetCaption("row");
    }
    auto& memo = Add<tk::Memo>(form, "Memo");
    memo.SetScrollBars(tk::ScrollStyle::Vertical);
    auto& plain = Add<tk::Memo>(form, "Plain");
    auto& tagged = Add<tk::TreeView>(form, "Tagged", 99);
    ShowAndSkin(form);
    EXPECT_EQ(typeid(*SkinnerOf(track)), typeid(TSkinTrackBar));
    EXPECT_EQ(typeid(*SkinnerOf(upDown)), typeid(TSkinUpDown));
    // Progress bars of a form are skinned only through a Skin3rd line.
    EXPECT_EQ(SkinnerOf(progress), nullptr);
    auto* treeSkin = dynamic_cast<TSkinScrollbar*>(SkinnerOf(tree));
    ASSERT_NE(treeSkin, nullptr);
    EXPECT_EQ(typeid(*treeSkin), typeid(TSkinScrollbar));
    EXPECT_TRUE(treeSkin->FHandleNcDown) << "the skinner drags a tree view's thumb";
    auto* listSkin = dynamic_cast<TSkinListView*>(SkinnerOf(list));
    ASSERT_NE(listSkin, nullptr);
    EXPECT_FALSE(listSkin->FHandleNcDown) << "a list view drags its own thumb";
    EXPECT_NE(listSkin->FHeader, nullptr);
    EXPECT_EQ(typeid(*SkinnerOf(memo)), typeid(TSkinScrollbar));
    EXPECT_EQ(SkinnerOf(plain), nullptr) << "no bars, nothing to skin";
    EXPECT_EQ(SkinnerOf(tagged), nullptr);
    // A second pass skins nothing twice (the list view's header included).
    const size_t listed = frame->FControls.size();
    frame->SkinFormControls(form);
    EXPECT_EQ(frame->FControls.size(), listed);
}

TEST_F(Discovery, RangeKindsFollowSkin3rdLinesAndTheKindsSwitchedOn) {
    skinData = &AddSkin(TButtonSkin().Build());
    skinData->SetSkin3rd({"TProgressBar=Progress", "TMemo=scrollbar"});
    skinData->SetSkinControls(DefaultSkinControls & ~SkinControlBit(xcButton));
    tk::Form& form = NewForm();
    auto& progress = Add<tk::ProgressBar>(form, "Progress");
    // Mapped, a memo without bars is given the bars' skinner all the same.
    auto& memo = Add<tk::Memo>(form, "Memo");
    auto& track = Add<tk::TrackBar>(form, "Track");
    auto& upDown = Add<tk::UpDown>(form, "Spin");
    auto& tree = Add<tk::TreeView>(form, "Tree");
    ShowAndSkin(form);
    EXPECT_EQ(typeid(*SkinnerOf(progress)), typeid(TSkinProgress));
    EXPECT_EQ(typeid(*SkinnerOf(memo)), typeid(TSkinScrollbar));
    // Track bars and up-downs go with the buttons.
    EXPECT_EQ(SkinnerOf(track), nullptr);
    EXPECT_EQ(SkinnerOf(upDown), nullptr);
    EXPECT_NE(SkinnerOf(tree), nullptr);
}

TEST_F(Discovery, TreeViewsKeepTheSystemsBarsWhenScrollBarsAreSwitchedOff) {
    skinData = &AddSkin(TButtonSkin().Build());
    skinData->SetSkinControls(DefaultSkinControls & ~SkinControlBit(xcScrollbar));
    tk::Form& form = NewForm();
    auto& tree = Add<tk::TreeView>(form, "Tree");
    ShowAndSkin(form);
    EXPECT_EQ(SkinnerOf(tree), nullptr);
}

// A raw top-level window with one child BUTTON of every kind, skinned when
// it is activated.
TEST_F(Discovery, ButtonsOfAWindowWithoutAFormAreSkinnedByTheirStyle) {
    skinData = &AddSkin(TButtonSkin().Build());
    HWND window = CreateWindowExW(0, frametest::RawClass, L"Raw", frametest::RawStyle, 60, 60, 500,
                                  400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    windows.push_back(window);
    std::vector<HWND> children;
    for (DWORD kind = 0; kind <= 15; ++kind) {
        children.push_back(CreateWindowExW(0, L"BUTTON", L"B", WS_CHILD | WS_VISIBLE | kind,
                                           10 + 60 * int(kind % 8), 10 + 40 * int(kind / 8), 50, 30,
                                           window, HMENU(UINT_PTR(100 + kind)),
                                           GetModuleHandleW(nullptr), nullptr));
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    frametest::Settle();
    frame = frametest::FrameOf(window);
    ASSERT_NE(frame, nullptr);
    const auto kindOf = [&](DWORD kind) -> std::string {
        TSkinControl* skinner = frame->FindControlByWindow(children[kind]);
        if (!skinner) {
            return "none";
        }
        return skinner->ClassName();
    };
    for (DWORD kind : {0u, 1u, 8u}) {
        EXPECT_EQ(kindOf(kind), "TSkinButton") << kind;
    }
    for (DWORD kind : {2u, 3u, 5u, 6u, 10u, 13u, 14u}) {
        EXPECT_EQ(kindOf(kind), "TSkinCheckBox") << kind;
    }
    for (DWORD kind : {4u, 9u, 12u}) {
        EXPECT_EQ(kindOf(kind), "TSkinRadioButton") << kind;
    }
    // Group boxes, and owner-drawn buttons, which their owner paints.
    for (DWORD kind : {7u, 11u, 15u}) {
        EXPECT_EQ(kindOf(kind), "none") << kind;
    }
    // Skinners of raw windows belong to the frame.
    EXPECT_EQ(frame->FindControlByWindow(children[0])->Owner(), frame);
}

TEST_F(Discovery, ScrollBarsAndSizeBoxesOfAWindowWithoutAFormAreSkinned) {
    skinData = &AddSkin(TButtonSkin().Build());
    HWND window = CreateWindowExW(0, frametest::RawClass, L"Raw", frametest::RawStyle, 60, 60, 300,
                                  200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    windows.push_back(window);
    const auto child = [&](DWORD style, int x) {
        return CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | style, x, 10, 20, 100,
                               window, nullptr, GetModuleHandleW(nullptr), nullptr);
    };
    const HWND bar = child(SBS_VERT, 10);
    const HWND sizeBox = child(SBS_SIZEBOX, 40);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    frametest::Settle();
    frame = frametest::FrameOf(window);
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->FindControlByWindow(bar), nullptr);
    EXPECT_EQ(frame->FindControlByWindow(bar)->ClassName(), "TSkinScControl")
        << "a bar is painted as a bar, not as a size box's outline";
    ASSERT_NE(frame->FindControlByWindow(sizeBox), nullptr);
    EXPECT_EQ(frame->FindControlByWindow(sizeBox)->ClassName(), "TSkinSizer");
}

} // namespace
