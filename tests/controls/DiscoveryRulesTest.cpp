// The decision list for the components of an application form, in its order:
// the disabling tag (modulo a hundred), the application's event before the
// excluded classes, the Skin3rd lines before the rule table (a line answers
// even when its kind attaches nothing), and the rows of the table, each
// testing the skin element it names. Classes the toolkit does not have are
// small stand-ins of those names.
#include "tests/controls/DiscoveryFixture.h"
#include "tests/controls/InputSkin.h"

#include "toolkit/ExtCtrls.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/ListView.h"
#include "toolkit/RangeControls.h"
#include "skin/WinSubClass/SkinComBox.h"
#include "skin/WinSubClass/SkinGroupBox.h"
#include "skin/WinSubClass/SkinProgress.h"
#include "skin/WinSubClass/SkinScrollbar.h"
#include "skin/WinSubClass/SkinTrackBar.h"
#include "skin/WinSubClass/SkinUpDown.h"
#include "toolkit/TreeView.h"

#include <algorithm>

using namespace skin;
using namespace controlstest;

namespace {

// Declares a stand-in class `Name` derived from the toolkit's `Base` under
// the class name `Name` (the rules compare class names only).
#define STAND_IN(Name, Base)                                                                       \
    class Name : public tk::Base {                                                                 \
        TK_CLASS(Name)                                                                             \
                                                                                                   \
    public:                                                                                        \
        using tk::Base::Base;                                                                      \
    };                                                                                             \
    const tk::ClassInfo& Name::StaticClass() {                                                     \
        static const tk::ClassInfo info(#Name, &tk::Base::StaticClass());                          \
        return info;                                                                               \
    }

STAND_IN(TMVCPanel, Panel)
STAND_IN(TRichEdit, Memo)
STAND_IN(TdxDBMemo, Memo)
STAND_IN(TdxTreeList, Memo)
STAND_IN(TDBComboBoxEh, ComboBox)
STAND_IN(TLMDGroupBox, GroupBox)

// "TLMDTrackbar" with the Transparent property a "trackbar" line sets.
class TLMDTrackbar : public tk::TrackBar {
    TK_CLASS(TLMDTrackbar)

public:
    using tk::TrackBar::TrackBar;
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }

private:
    bool transparent_ = false;
};

const tk::ClassInfo& TLMDTrackbar::StaticClass() {
    static const tk::ClassInfo info = tk::ClassInfo::Make<TLMDTrackbar>(
        "TLMDTrackbar", &tk::TrackBar::StaticClass(), [](auto& p) {
            p.Boolean("Transparent", &TLMDTrackbar::Transparent, &TLMDTrackbar::SetTransparent);
        });
    return info;
}

class DiscoveryRules : public Discovery {
protected:
    void SetUp() override {
        Discovery::SetUp();
        skinData_ = &AddSkin(TInputSkin().Build());
    }
    // The skinner's class name, or "none".
    std::string KindOf(const tk::Control& control) const {
        TSkinControl* skinner = SkinnerOf(control);
        return skinner ? skinner->ClassName() : "none";
    }
    bool DragsThumbs(const tk::Control& control) const {
        auto* skinner = dynamic_cast<TSkinScrollbar*>(SkinnerOf(control));
        return skinner && skinner->FHandleNcDown;
    }
    template <class T> T& Scrolled(tk::Form& form, const std::string& name) {
        auto& memo = Add<T>(form, name);
        memo.SetScrollBars(tk::ScrollStyle::Vertical);
        return memo;
    }
};

TEST_F(DiscoveryRules, TheRowsOfTheTable) {
    tk::Form& form = NewForm();
    auto& mvc = Add<TMVCPanel>(form, "Mvc");
    mvc.SetBounds(200, 10, 150, 80);
    auto* inner = new tk::Button(&mvc);
    inner->SetBounds(5, 5, 60, 25);
    inner->SetParent(&mvc);
    auto& track = Add<tk::TrackBar>(form, "Track");
    auto& upDown = Add<tk::UpDown>(form, "UpDown");
    auto& rich = Scrolled<TRichEdit>(form, "Rich");
    auto& dxMemo = Scrolled<TdxDBMemo>(form, "DxMemo");
    auto& treeList = Scrolled<TdxTreeList>(form, "TreeList");
    auto& memo = Scrolled<tk::Memo>(form, "Memo");
    auto& bare = Add<tk::Memo>(form, "Bare");
    auto& tagged = Add<tk::Panel>(form, "Tagged", 55);
    auto& tree = Add<tk::TreeView>(form, "Tree");
    auto& list = Add<tk::ListView>(form, "List");
    list.SetViewStyle(tk::ViewStyle::Report);
    list.AddColumn().SetCaption("Name");
    // More rows than fit: a vertical bar.
    for (int row = 0; row < 10; ++row) {
        list.AddItem().SetCaption("Row");
    }
    auto& progress = Add<tk::ProgressBar>(form, "Progress");
    ShowAndSkin(form);
    // The container has no skinner; what it owns is walked like the form's.
    EXPECT_EQ(KindOf(mvc), "none");
    EXPECT_EQ(KindOf(*inner), "TSkinButton");
    EXPECT_EQ(KindOf(track), "TSkinTrackBar");
    EXPECT_EQ(KindOf(upDown), "TSkinUpDown");
    for (tk::Control* scrolled : std::initializer_list<tk::Control*>{&rich, &dxMemo, &memo}) {
        EXPECT_EQ(KindOf(*scrolled), "TSkinScrollbar") << scrolled->Name();
        EXPECT_TRUE(DragsThumbs(*scrolled)) << scrolled->Name();
    }
    // A grid that scrolls itself keeps its thumbs.
    EXPECT_EQ(KindOf(treeList), "TSkinScrollbar");
    EXPECT_FALSE(DragsThumbs(treeList));
    EXPECT_EQ(KindOf(bare), "none");
    // Tag 55 and tree views: skinned for the bars they may show later.
    EXPECT_EQ(KindOf(tagged), "TSkinScrollbar");
    EXPECT_EQ(KindOf(tree), "TSkinScrollbar");
    // A list view with its bar: with its header.
    EXPECT_EQ(KindOf(list), "TSkinListView");
    // Progress bars only through a Skin3rd line.
    EXPECT_EQ(KindOf(progress), "none");
}

TEST_F(DiscoveryRules, EachRowTestsTheElementItNames) {
    // Track bars and up-down controls come under the buttons.
    skinData_->SetSkinControls(DefaultSkinControls & ~SkinControlBit(xcButton) &
                               ~SkinControlBit(xcScrollbar));
    tk::Form& form = NewForm();
    auto& track = Add<tk::TrackBar>(form, "Track");
    auto& upDown = Add<tk::UpDown>(form, "UpDown");
    auto& rich = Scrolled<TRichEdit>(form, "Rich");
    auto& tree = Add<tk::TreeView>(form, "Tree");
    ShowAndSkin(form);
    for (tk::Control* control :
         std::initializer_list<tk::Control*>{&track, &upDown, &rich, &tree}) {
        EXPECT_EQ(KindOf(*control), "none") << control->Name();
    }
}

TEST_F(DiscoveryRules, TheDisablingTagCountsModuloAHundred) {
    skinData_->SetDisableTag(5);
    tk::Form& form = NewForm();
    auto& five = Add<tk::Button>(form, "Five", 5);
    auto& hundredFive = Add<tk::Button>(form, "HundredFive", 105);
    auto& ninetyNine = Add<tk::Button>(form, "NinetyNine", 99);
    auto& fifty = Add<tk::Button>(form, "Fifty", 50);
    ShowAndSkin(form);
    EXPECT_EQ(KindOf(five), "none");
    EXPECT_EQ(KindOf(hundredFive), "none");
    EXPECT_EQ(KindOf(ninetyNine), "TSkinButton");
    EXPECT_EQ(KindOf(fifty), "TSkinButton");
}

TEST_F(DiscoveryRules, TheEventComesAfterTheTagAndBeforeTheExcludedClasses) {
    skinData_->SetSkin3rd({"TDBComboBoxEh=combobox"});
    std::vector<std::string> asked;
    skinData_->OnSkinControl = [&](tk::Component&, TSkinData&, tk::Component&,
                                   tk::Component& control, const std::string& controlClass,
                                   tk::Component*& skinned) {
        asked.push_back(controlClass);
        if (control.Name() == "Given") {
            skinned = new TSkinComBox(&control);
        }
    };
    tk::Form& form = NewForm();
    auto& given = Add<TDBComboBoxEh>(form, "Given");
    auto& excluded = Add<TDBComboBoxEh>(form, "Excluded");
    auto& tagged = Add<tk::Button>(form, "Tagged", 199);
    ShowAndSkin(form);
    EXPECT_EQ(KindOf(given), "TSkinComBox");
    EXPECT_TRUE(SkinnerOf(given)->FAttached);
    // Excluded even with a Skin3rd line of its own.
    EXPECT_EQ(KindOf(excluded), "none");
    EXPECT_EQ(KindOf(tagged), "none");
    EXPECT_EQ(std::count(asked.begin(), asked.end(), "TDBCOMBOBOXEH"), 2);
    EXPECT_EQ(std::count(asked.begin(), asked.end(), "TBUTTON"), 0);
}

TEST_F(DiscoveryRules, ALineAnswersForItsClassEvenWhenItsKindAttachesNothing) {
    // A tree view would get the scroll bar skinner from the table; its line
    // names buttons, which are switched off.
    skinData_->SetSkinControls(DefaultSkinControls & ~SkinControlBit(xcButton));
    skinData_->SetSkin3rd({"TTreeViewExtra=scrollbar", "ttreeview=BUTTON", "TMemo=nil",
                           "TPanel=button" + std::string(60, 'x')});
    tk::Form& form = NewForm();
    auto& tree = Add<tk::TreeView>(form, "Tree");
    auto& memo = Scrolled<tk::Memo>(form, "Memo");
    auto& panel = Add<tk::Panel>(form, "Panel", 55);
    ShowAndSkin(form);
    EXPECT_EQ(KindOf(tree), "none");
    EXPECT_EQ(KindOf(memo), "none");
    // A kind read from its first fifty characters is no kind at all.
    EXPECT_EQ(KindOf(panel), "none");
}

TEST_F(DiscoveryRules, Skin3rdKindsOfTheRangeControlsAndTheDefaultListsOrder) {
    std::vector<std::string> lines = DefaultSkin3rd();
    for (const char* line : {"TProgressBar=Progress", "TMemo=ScrollBar"}) {
        lines.push_back(line);
    }
    skinData_->SetSkin3rd(lines);
    tk::Form& form = NewForm();
    // "TLMDGroupBox=Groupbox" comes before "TLMDGROUPBOX=Panel".
    auto& group = Add<TLMDGroupBox>(form, "Group");
    auto& track = Add<TLMDTrackbar>(form, "Track");
    auto& progress = Add<tk::ProgressBar>(form, "Progress");
    auto& memo = Add<tk::Memo>(form, "Memo");
    ShowAndSkin(form);
    EXPECT_EQ(KindOf(group), "TSkinGroupBox");
    // "TLMDTrackbar=panel" in the default list: the panel kind makes it
    // transparent on the face colour.
    EXPECT_EQ(KindOf(track), "TSkinBox");
    EXPECT_TRUE(track.Transparent());
    EXPECT_EQ(KindOf(progress), "TSkinProgress");
    // The scrollbar kind skins a memo that shows no bars yet.
    EXPECT_EQ(KindOf(memo), "TSkinScrollbar");
    EXPECT_TRUE(DragsThumbs(memo));
}

TEST_F(DiscoveryRules, ATrackbarLineMakesTheControlTransparent) {
    skinData_->SetSkin3rd({"TLMDTrackbar=TrackBar"});
    tk::Form& form = NewForm();
    auto& track = Add<TLMDTrackbar>(form, "Track");
    ShowAndSkin(form);
    EXPECT_EQ(KindOf(track), "TSkinTrackBar");
    EXPECT_TRUE(track.Transparent());
}

} // namespace
