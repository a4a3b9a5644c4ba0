// Which tab controls get a tab skinner: page controls, tab sets, tabbed
// notebooks and classes mapped to "tab" only with the tab kind switched on
// and a skin that draws tabs; native tab controls in windows without a form
// object unless they are owner-drawn.
#include "tests/controls/ControlsFixture.h"

#include "toolkit/PageControl.h"
#include "toolkit/RangeControls.h"
#include "skin/WinSubClass/SkinTab.h"
#include "skin/WinSubClass/SkinTab31.h"
#include "toolkit/TabSet.h"
#include "tests/controls/TabSkin.h"

using namespace skin;
using namespace controlstest;

namespace {

// Stand-ins for classes of other libraries: windows that are native tab
// controls, known to the discovery rules only by their class names.
class TTabbedNotebook : public tk::WinControl {
    TK_CLASS(TTabbedNotebook)

public:
    using tk::WinControl::WinControl;

protected:
    void FillCreateParams(tk::CreateParams& params) override {
        tk::WinControl::FillCreateParams(params);
        params.className = WC_TABCONTROLW;
    }
};

const tk::ClassInfo& TTabbedNotebook::StaticClass() {
    static const tk::ClassInfo info("TTabbedNotebook", &tk::WinControl::StaticClass());
    return info;
}

class TThirdPartyTabs : public TTabbedNotebook {
    TK_CLASS(TThirdPartyTabs)

public:
    using TTabbedNotebook::TTabbedNotebook;
};

const tk::ClassInfo& TThirdPartyTabs::StaticClass() {
    static const tk::ClassInfo info("TThirdPartyTabs", &TTabbedNotebook::StaticClass());
    return info;
}

class TabDiscovery : public ControlsTest {
protected:
    template <class T> T& Add(tk::Form& form) {
        return Place<T>(form, 10, 10 + 40 * int(form.Components().size()), 200, 36);
    }
    tk::Form& Skinned(const TTabSkin& skin, TSkinControlTypes kinds = DefaultSkinControls) {
        skinData_ = &AddSkin(skin.Build());
        skinData_->SetSkinControls(kinds);
        skinData_->SetSkin3rd({"TThirdPartyTabs=Tab"});
        auto* form = new tk::Form(&app_);
        form->SetBounds(80, 80, 400, 320);
        pages_ = &Add<tk::PageControl>(*form);
        tabSet_ = &Add<tk::TabSet>(*form);
        notebook_ = &Add<TTabbedNotebook>(*form);
        mapped_ = &Add<TThirdPartyTabs>(*form);
        form->Show();
        SetForegroundWindow(form->Handle());
        frametest::Settle();
        frame_ = frametest::FrameOf(form->Handle());
        return *form;
    }
    std::string KindOf(tk::WinControl& control) const {
        TSkinControl* skinner = frame_->FindControlByWindow(control.Handle());
        return skinner ? skinner->ClassName() : "none";
    }
    tk::PageControl* pages_ = nullptr;
    tk::TabSet* tabSet_ = nullptr;
    TTabbedNotebook* notebook_ = nullptr;
    TThirdPartyTabs* mapped_ = nullptr;
};

TEST_F(TabDiscovery, EveryKindOfTabControlGetsItsSkinnerOwnedByTheControl) {
    Skinned(TTabSkin());
    ASSERT_NE(frame_, nullptr);
    EXPECT_EQ(KindOf(*pages_), "TSkinTab");
    EXPECT_EQ(KindOf(*tabSet_), "TSkinTab31");
    EXPECT_EQ(KindOf(*notebook_), "TSkinTab");
    EXPECT_EQ(KindOf(*mapped_), "TSkinTab");
    EXPECT_EQ(frame_->FindControlByWindow(pages_->Handle())->Owner(), pages_);
    // The tab set's scroller has its own skinner, not one from discovery.
    EXPECT_NE(frame_->FindControlByWindow(tabSet_->Scroller().Handle()), nullptr);
    // A second pass skins nothing twice.
    const size_t listed = frame_->FControls.size();
    frame_->SkinFormControls(*pages_->Owner());
    EXPECT_EQ(frame_->FControls.size(), listed);
}

TEST_F(TabDiscovery, NoTabIsSkinnedWithTheTabKindOff) {
    Skinned(TTabSkin(), DefaultSkinControls & ~SkinControlBit(xcTab));
    ASSERT_NE(frame_, nullptr);
    for (tk::WinControl* control :
         std::initializer_list<tk::WinControl*>{pages_, tabSet_, notebook_, mapped_}) {
        EXPECT_EQ(KindOf(*control), "none") << control->ClassName();
    }
}

TEST_F(TabDiscovery, NoTabIsSkinnedByASkinWithoutTabs) {
    TTabSkin skin;
    skin.withTabs = false;
    Skinned(skin);
    ASSERT_NE(frame_, nullptr);
    for (tk::WinControl* control :
         std::initializer_list<tk::WinControl*>{pages_, tabSet_, notebook_, mapped_}) {
        EXPECT_EQ(KindOf(*control), "none") << control->ClassName();
    }
}

// A dialog-like window without a form object, with a property-sheet tab
// control and an owner-drawn one.
TEST_F(TabDiscovery, NativeTabControlsOfAWindowWithoutAFormUnlessOwnerDrawn) {
    skinData_ = &AddSkin(TTabSkin().Build());
    HWND window = CreateWindowExW(0, frametest::RawClass, L"Raw", frametest::RawStyle, 60, 60, 420,
                                  300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(window);
    const auto tabControl = [&](DWORD style, int top) {
        return CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | style, 10, top, 300,
                               100, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    };
    HWND plain = tabControl(0, 10);
    HWND ownerDrawn = tabControl(TCS_OWNERDRAWFIXED, 120);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    frametest::Settle();
    frame_ = frametest::FrameOf(window);
    ASSERT_NE(frame_, nullptr);
    TSkinControl* skinner = frame_->FindControlByWindow(plain);
    ASSERT_NE(skinner, nullptr);
    EXPECT_EQ(skinner->ClassName(), "TSkinTab");
    EXPECT_EQ(skinner->Owner(), frame_);
    EXPECT_EQ(frame_->FindControlByWindow(ownerDrawn), nullptr);
}

} // namespace
