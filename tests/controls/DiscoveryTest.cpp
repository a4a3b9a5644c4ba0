// Which control gets which skinner: the rules for application forms (tag,
// the application's event, Skin3rd lines, the kinds switched on) and the
// window classes of windows without a form object.
#include "tests/controls/DiscoveryFixture.h"
#include "tests/controls/InputSkin.h"

#include "toolkit/ExtCtrls.h"
#include "toolkit/GraphicControls.h"
#include "skin/WinSubClass/InputCodes.h"
#include "toolkit/ListView.h"
#include "toolkit/RangeControls.h"
#include "skin/WinSubClass/SkinBitButton.h"
#include "skin/WinSubClass/SkinBox.h"
#include "skin/WinSubClass/SkinCheckBox.h"
#include "skin/WinSubClass/SkinComBox.h"
#include "skin/WinSubClass/SkinEdit.h"
#include "skin/WinSubClass/SkinGroupBox.h"
#include "skin/WinSubClass/SkinProgress.h"
#include "skin/WinSubClass/SkinScControl.h"
#include "skin/WinSubClass/SkinScrollbar.h"
#include "skin/WinSubClass/SkinSpeedButton.h"
#include "tests/controls/PoisonedFrees.h"
#include "skin/WinSubClass/SkinTrackBar.h"
#include "skin/WinSubClass/SkinUpDown.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TreeView.h"

#include <algorithm>

using namespace skin;
using namespace controlstest;

namespace {

TEST_F(Discovery, EachKindOfButtonGetsItsSkinnerAndTaggedOnesAreLeftAlone) {
    skinData_ = &AddSkin(TButtonSkin().Build());
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
    const size_t listed = frame_->FControls.size();
    frame_->SkinFormControls(form);
    EXPECT_EQ(frame_->FControls.size(), listed);
}

TEST_F(Discovery, Skin3rdLinesMapClassesAndANilOrUnknownKindKeepsThemUnskinned) {
    skinData_ = &AddSkin(TButtonSkin().Build());
    skinData_->SetSkin3rd({"TCheckBox=CheckBox", "TRadioButton=nil", "TBitBtn=sparkle",
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
    skinData_ = &AddSkin(TButtonSkin().Build());
    skinData_->SetSkinControls(DefaultSkinControls & ~SkinControlBit(xcButton) &
                               ~SkinControlBit(xcCheckBox));
    skinData_->SetSkin3rd({"TCheckBox=checkbox"});
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
    skinData_ = &AddSkin(TButtonSkin().Build());
    std::vector<std::string> classes;
    skinData_->OnSkinControl = [&](tk::Component&, TSkinData&, tk::Component&,
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

TEST_F(Discovery, ASkinnerFromTheEventThatCannotAttachStaysOffTheFramesList) {
    skinData_ = &AddSkin(TButtonSkin().Build());
    std::vector<TSkinControl*> given;
    // Owned by the skin component, which is no control.
    skinData_->OnSkinControl = [&](tk::Component&, TSkinData& data, tk::Component&,
                                   tk::Component& control, const std::string&,
                                   tk::Component*& skinned) {
        if (control.Name() == "Push") {
            given.push_back(new TSkinBitButton(&data));
            skinned = given.back();
        }
    };
    tk::Form& form = NewForm();
    auto& push = Add<tk::Button>(form, "Push");
    ShowAndSkin(form);
    ASSERT_EQ(given.size(), 1u);
    EXPECT_FALSE(given[0]->FAttached);
    EXPECT_EQ(std::find(frame_->FControls.begin(), frame_->FControls.end(), given[0]),
              frame_->FControls.end());
    // The rules went on: the button has the frame's own skinner.
    EXPECT_EQ(typeid(*SkinnerOf(push)), typeid(TSkinButton));
    // Its owner frees it; the frame's next pass and its end touch nothing of it.
    {
        const PoisonedFrees poisoned;
        delete given[0];
        frame_->SkinFormControls(form);
        frame_->FreeControls();
    }
    EXPECT_TRUE(frame_->FControls.empty());
}

TEST_F(Discovery, AControlWithoutAWindowGetsOneFirst) {
    skinData_ = &AddSkin(TButtonSkin().Build());
    tk::Form& form = NewForm();
    // Not placed on the form yet: no parent, no window.
    auto* loose = new tk::Button(&form);
    ShowAndSkin(form);
    EXPECT_TRUE(loose->HandleAllocated());
    EXPECT_NE(SkinnerOf(*loose), nullptr);
}

TEST_F(Discovery, RangeControlsAndScrollableControlsGetTheirSkinners) {
    skinData_ = &AddSkin(TButtonSkin().Build());
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
    const size_t listed = frame_->FControls.size();
    frame_->SkinFormControls(form);
    EXPECT_EQ(frame_->FControls.size(), listed);
}

TEST_F(Discovery, RangeKindsFollowSkin3rdLinesAndTheKindsSwitchedOn) {
    skinData_ = &AddSkin(TButtonSkin().Build());
    skinData_->SetSkin3rd({"TProgressBar=Progress", "TMemo=scrollbar"});
    skinData_->SetSkinControls(DefaultSkinControls & ~SkinControlBit(xcButton));
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
    skinData_ = &AddSkin(TButtonSkin().Build());
    skinData_->SetSkinControls(DefaultSkinControls & ~SkinControlBit(xcScrollbar));
    tk::Form& form = NewForm();
    auto& tree = Add<tk::TreeView>(form, "Tree");
    ShowAndSkin(form);
    EXPECT_EQ(SkinnerOf(tree), nullptr);
}

// A raw top-level window with one child BUTTON of every kind, skinned when
// it is activated.
TEST_F(Discovery, ButtonsOfAWindowWithoutAFormAreSkinnedByTheirStyle) {
    skinData_ = &AddSkin(TButtonSkin().Build());
    HWND window = CreateWindowExW(0, frametest::RawClass, L"Raw", frametest::RawStyle, 60, 60, 500,
                                  400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(window);
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
    frame_ = frametest::FrameOf(window);
    ASSERT_NE(frame_, nullptr);
    const auto kindOf = [&](DWORD kind) { return SkinnerKind(children[kind]); };
    for (DWORD kind : {0u, 1u, 8u}) {
        EXPECT_EQ(kindOf(kind), "TSkinButton") << kind;
    }
    for (DWORD kind : {2u, 3u, 5u, 6u, 10u, 13u, 14u}) {
        EXPECT_EQ(kindOf(kind), "TSkinCheckBox") << kind;
    }
    for (DWORD kind : {4u, 9u, 12u}) {
        EXPECT_EQ(kindOf(kind), "TSkinRadioButton") << kind;
    }
    // A group box is the skin's: the system's theme would draw its caption
    // in its own colour on the skin's face.
    EXPECT_EQ(kindOf(BS_GROUPBOX), "TSkinGroupBox");
    // Owner-drawn buttons, which their owner paints.
    for (DWORD kind : {11u, 15u}) {
        EXPECT_EQ(kindOf(kind), "none") << kind;
    }
    // Skinners of raw windows belong to the frame.
    EXPECT_EQ(frame_->FindControlByWindow(children[0])->Owner(), frame_);
}

// --- Containers and inputs -----------------------------------------------------

// Stand-ins of other libraries' classes that the rules and the default
// Skin3rd list name.
class TDBNavigator : public tk::Panel {
    TK_CLASS(TDBNavigator)

public:
    using tk::Panel::Panel;
    bool Flat() const { return flat_; }
    void SetFlat(bool flat) { flat_ = flat; }

private:
    bool flat_ = false;
};

const tk::ClassInfo& TDBNavigator::StaticClass() {
    static const tk::ClassInfo info =
        tk::ClassInfo::Make<TDBNavigator>("TDBNavigator", &tk::Panel::StaticClass(), [](auto& p) {
            p.Boolean("Flat", &TDBNavigator::Flat, &TDBNavigator::SetFlat);
        });
    return info;
}

// "TTBToolbar=Panel" in the default list.
class TTBToolbar : public tk::Panel {
    TK_CLASS(TTBToolbar)

public:
    using tk::Panel::Panel;
};

const tk::ClassInfo& TTBToolbar::StaticClass() {
    static const tk::ClassInfo info("TTBToolbar", &tk::Panel::StaticClass());
    return info;
}

// "TLMDCheckGroup=CheckGroup" in the default list: a group box of check boxes.
class TLMDCheckGroup : public tk::GroupBox {
    TK_CLASS(TLMDCheckGroup)

public:
    using tk::GroupBox::GroupBox;
};

const tk::ClassInfo& TLMDCheckGroup::StaticClass() {
    static const tk::ClassInfo info("TLMDCheckGroup", &tk::GroupBox::StaticClass());
    return info;
}

TEST_F(Discovery, ANavigatorTurnsFlatOnTheFaceColourAndPanelsOfTheDefaultListToo) {
    skinData_ = &AddSkin(TInputSkin().Build());
    tk::Form& form = NewForm();
    auto& navigator = Add<TDBNavigator>(form, "Navigator");
    auto& toolbar = Add<TTBToolbar>(form, "Toolbar");
    auto& panel = Add<tk::Panel>(form, "Plain");
    ShowAndSkin(form);
    EXPECT_EQ(typeid(*SkinnerOf(navigator)), typeid(TSkinBox));
    EXPECT_TRUE(navigator.Flat());
    EXPECT_EQ(navigator.GetColor(), TInputSkin::Face);
    EXPECT_EQ(typeid(*SkinnerOf(toolbar)), typeid(TSkinBox));
    EXPECT_EQ(toolbar.GetColor(), TInputSkin::Face);
    // The toolkit's own panel is in no rule and no line of the default list.
    EXPECT_EQ(SkinnerOf(panel), nullptr);
}

TEST_F(Discovery, NavigatorsAndPanelsStayAsTheyAreWithPanelsSwitchedOff) {
    skinData_ = &AddSkin(TInputSkin().Build());
    skinData_->SetSkinControls(DefaultSkinControls & ~SkinControlBit(xcPanel));
    tk::Form& form = NewForm();
    auto& navigator = Add<TDBNavigator>(form, "Navigator");
    auto& toolbar = Add<TTBToolbar>(form, "Toolbar");
    ShowAndSkin(form);
    EXPECT_EQ(SkinnerOf(navigator), nullptr);
    EXPECT_FALSE(navigator.Flat());
    EXPECT_EQ(SkinnerOf(toolbar), nullptr);
}

TEST_F(Discovery, ADatePickerIsAComboBoxAndATimePickerAnEditWithItsSpinButton) {
    skinData_ = &AddSkin(TInputSkin().Build());
    tk::Form& form = NewForm();
    auto& date = Add<tk::DateTimePicker>(form, "Date");
    auto& time = Add<tk::DateTimePicker>(form, "Time");
    time.SetKind(tk::DateTimeKind::Time);
    ShowAndSkin(form);
    EXPECT_EQ(typeid(*SkinnerOf(date)), typeid(TSkinComBox));
    ASSERT_NE(SkinnerOf(time), nullptr);
    ASSERT_EQ(typeid(*SkinnerOf(time)), typeid(TSkinEdit));
    time.Invalidate();
    frametest::Settle();
    TSkinUpDown* spin = static_cast<TSkinEdit*>(SkinnerOf(time))->FUpDown;
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(GetParent(spin->FHandle), time.Handle());
}

TEST_F(Discovery, AnEmbeddedFormTakesTheFaceColourAndItsControlsAreSkinned) {
    skinData_ = &AddSkin(TInputSkin().Build());
    tk::Form& form = NewForm();
    auto& host = Add<tk::Panel>(form, "Host");
    host.SetBounds(10, 10, 300, 200);
    auto* inner = new tk::Form(&form);
    inner->SetBorderStyle(tk::BorderStyle::None);
    inner->SetColor(tk::clWhite);
    inner->SetBounds(5, 5, 200, 120);
    inner->SetParent(&host);
    auto* button = new tk::Button(inner);
    button->SetBounds(10, 10, 75, 25);
    button->SetParent(inner);
    // A form of its own is left to the frame it gets when activated.
    auto* own = new tk::Form(&form);
    own->SetBounds(500, 80, 200, 120);
    ShowAndSkin(form);
    EXPECT_EQ(typeid(*SkinnerOf(*inner)), typeid(TSkinBox));
    EXPECT_EQ(inner->GetColor(), TInputSkin::Face);
    ASSERT_NE(SkinnerOf(*button), nullptr);
    EXPECT_EQ(typeid(*SkinnerOf(*button)), typeid(TSkinButton));
    EXPECT_EQ(SkinnerOf(*own), nullptr);
    frame_->FreeControls();
    EXPECT_EQ(inner->GetColor(), tk::clWhite);
}

TEST_F(Discovery, Skin3rdKindsForContainersAndInputs) {
    skinData_ = &AddSkin(TInputSkin().Build());
    std::vector<std::string> lines = DefaultSkin3rd();
    for (const char* line :
         {"TComboBox=ComboBox", "TGroupBox=groupbox", "TRadioGroup=RadioGroup"}) {
        lines.push_back(line);
    }
    skinData_->SetSkin3rd(lines);
    tk::Form& form = NewForm();
    auto& combo = Add<tk::ComboBox>(form, "Combo");
    auto& group = Add<tk::GroupBox>(form, "Group");
    auto& radios = Add<tk::RadioGroup>(form, "Radios");
    radios.SetBounds(100, 10, 150, 100);
    radios.SetItems({"One", "Two"});
    auto& checks = Add<TLMDCheckGroup>(form, "Checks");
    checks.SetBounds(100, 120, 150, 100);
    auto* check = new tk::CheckBox(&form);
    check->SetBounds(10, 20, 100, 20);
    check->SetParent(&checks);
    ShowAndSkin(form);
    EXPECT_EQ(typeid(*SkinnerOf(combo)), typeid(TSkinComBox));
    EXPECT_EQ(typeid(*SkinnerOf(group)), typeid(TSkinGroupBox));
    EXPECT_EQ(group.GetColor(), TInputSkin::Face);
    EXPECT_EQ(typeid(*SkinnerOf(radios)), typeid(TSkinGroupBox));
    for (tk::RadioButton* button : radios.Buttons()) {
        ASSERT_NE(SkinnerOf(*button), nullptr);
        EXPECT_EQ(typeid(*SkinnerOf(*button)), typeid(TSkinRadioButton));
    }
    EXPECT_EQ(typeid(*SkinnerOf(checks)), typeid(TSkinGroupBox));
    ASSERT_NE(SkinnerOf(*check), nullptr);
    EXPECT_EQ(typeid(*SkinnerOf(*check)), typeid(TSkinCheckBox));
    // The check box is a component of the form as well: one skinner only.
    EXPECT_EQ(std::count_if(frame_->FControls.begin(), frame_->FControls.end(),
                            [&](TSkinControl* s) { return s->FControl == check; }),
              1);
}

TEST_F(Discovery, GroupsOfButtonsKeepTheirButtonsUnskinnedWithRadioButtonsSwitchedOff) {
    skinData_ = &AddSkin(TInputSkin().Build());
    skinData_->SetSkinControls(DefaultSkinControls & ~SkinControlBit(xcRadioButton));
    skinData_->SetSkin3rd({"TRadioGroup=radiogroup"});
    tk::Form& form = NewForm();
    auto& radios = Add<tk::RadioGroup>(form, "Radios");
    radios.SetBounds(100, 10, 150, 100);
    radios.SetItems({"One", "Two"});
    ShowAndSkin(form);
    EXPECT_EQ(typeid(*SkinnerOf(radios)), typeid(TSkinGroupBox));
    EXPECT_EQ(SkinnerOf(*radios.Buttons()[0]), nullptr);
}

// A raw top-level window with combo boxes, an extended combo box, scroll bars
// and an edit, skinned when it is activated.
TEST_F(Discovery, InputsOfAWindowWithoutAFormAreSkinnedByTheirClass) {
    skinData_ = &AddSkin(TInputSkin().Build());
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_USEREX_CLASSES};
    InitCommonControlsEx(&classes);
    HWND window = CreateWindowExW(0, frametest::RawClass, L"Raw", frametest::RawStyle, 60, 60, 500,
                                  400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(window);
    const auto child = [&](const wchar_t* cls, DWORD style, int x, int y, int w, int h) {
        return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, window,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    };
    HWND dropDown = child(L"COMBOBOX", CBS_DROPDOWN, 10, 10, 150, 200);
    HWND dropList = child(L"COMBOBOX", CBS_DROPDOWNLIST, 10, 40, 150, 200);
    HWND simple = child(L"COMBOBOX", CBS_SIMPLE, 10, 70, 150, 80);
    HWND extended = child(WC_COMBOBOXEXW, CBS_DROPDOWN, 10, 160, 150, 200);
    HWND sizeGrip = child(L"SCROLLBAR", SBS_SIZEGRIP, 200, 10, 20, 20);
    HWND bar = child(L"SCROLLBAR", SBS_HORZ, 200, 40, 150, 17);
    HWND edit = child(L"EDIT", WS_BORDER, 200, 70, 150, 22);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    frametest::Settle();
    frame_ = frametest::FrameOf(window);
    ASSERT_NE(frame_, nullptr);
    EXPECT_EQ(SkinnerKind(dropDown), "TSkinComBox");
    EXPECT_EQ(SkinnerKind(dropList), "TSkinComBox");
    EXPECT_EQ(SkinnerKind(simple), "none");
    // The extended combo box through the combo box inside it.
    HWND inner = GetTopWindow(extended);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(SkinnerKind(inner), "TSkinComBox");
    EXPECT_EQ(SkinnerKind(extended), "none");
    // A size box is outlined; a scroll bar is painted as one.
    EXPECT_EQ(SkinnerKind(sizeGrip), "TSkinSizer");
    EXPECT_EQ(SkinnerKind(bar), "TSkinScControl");
    EXPECT_EQ(SkinnerKind(edit), "TSkinEdit");
    const guitest::Capture grip = guitest::CaptureWindow(sizeGrip);
    EXPECT_EQ(grip.At(0, 0), guitest::Rgb(TInputSkin::Shadow));
    EXPECT_EQ(grip.At(19, 10), guitest::Rgb(TInputSkin::Shadow));
    const guitest::Capture list = guitest::CaptureWindow(dropList);
    EXPECT_EQ(list.At(1, list.height / 2), guitest::Rgb(TInputSkin::Sunk[combo_frame::Normal - 1]));
    // A second pass skins nothing twice.
    const size_t listed = frame_->FControls.size();
    frame_->SkinChildWindows();
    EXPECT_EQ(frame_->FControls.size(), listed);
}

// The controls of a plain program's dialog that hold windows of their own or
// stand beside their buddy: the list view's column header, the list a simple
// combo box shows, window scroll bars, an up-down and a track bar.
TEST_F(Discovery, InnerWindowsAndScrolledControlsOfAWindowWithoutAFormAreSkinned) {
    skinData_ = &AddSkin(TInputSkin().Build());
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                           ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    HWND window = CreateWindowExW(0, frametest::RawClass, L"Raw", frametest::RawStyle, 60, 60, 500,
                                  400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(window);
    const auto child = [&](const wchar_t* cls, DWORD style, int x, int y, int w, int h) {
        return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, window,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    };
    HWND listView = child(WC_LISTVIEWW, LVS_REPORT, 10, 10, 200, 100);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 80;
    ListView_InsertColumn(listView, 0, &column);
    HWND simple = child(L"COMBOBOX", CBS_SIMPLE | WS_VSCROLL, 10, 120, 150, 80);
    HWND notes = child(L"EDIT", ES_MULTILINE | WS_VSCROLL, 220, 10, 150, 60);
    HWND oneLine = child(L"EDIT", WS_BORDER, 220, 80, 150, 22);
    HWND list = child(L"LISTBOX", WS_VSCROLL, 220, 110, 150, 60);
    HWND tree = child(WC_TREEVIEWW, 0, 220, 180, 150, 60);
    HWND upDown = child(UPDOWN_CLASSW, 0, 380, 10, 16, 22);
    HWND track = child(TRACKBAR_CLASSW, 0, 10, 250, 200, 30);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    frametest::Settle();
    frame_ = frametest::FrameOf(window);
    ASSERT_NE(frame_, nullptr);
    EXPECT_EQ(SkinnerKind(listView), "TSkinScrollbar");
    EXPECT_EQ(SkinnerKind(ListView_GetHeader(listView)), "TSkinHeader");
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof(combo);
    ASSERT_TRUE(GetComboBoxInfo(simple, &combo));
    EXPECT_EQ(SkinnerKind(combo.hwndList), "TSkinScrollbar");
    EXPECT_EQ(SkinnerKind(simple), "none");
    EXPECT_EQ(SkinnerKind(notes), "TSkinScrollbar");
    EXPECT_EQ(SkinnerKind(oneLine), "TSkinEdit");
    EXPECT_EQ(SkinnerKind(list), "TSkinScrollbar");
    EXPECT_EQ(SkinnerKind(tree), "TSkinScrollbar");
    EXPECT_EQ(SkinnerKind(upDown), "TSkinUpDown");
    EXPECT_EQ(SkinnerKind(track), "TSkinTrackBar");
    // A second pass skins nothing twice, the windows inside controls neither.
    const size_t listed = frame_->FControls.size();
    frame_->SkinChildWindows();
    EXPECT_EQ(frame_->FControls.size(), listed);
}

} // namespace
