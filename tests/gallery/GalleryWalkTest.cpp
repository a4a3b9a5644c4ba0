// A day with the program: a user walks the skinned gallery for a few thousand
// steps picked at random (a fixed seed, so a failure repeats): categories
// picked in either tree, paging, the pointer over buttons and background,
// clicks on Open and Book, tab switches by their tabs, minimising and
// restoring, switching between the two skins and message boxes over the
// window. At the end no error has been shown, every click on a shown slot has
// launched its address, and the window holds no more objects than it did
// after the first hundred steps.
#include "tests/gallery/GalleryFixture.h"
#include "tests/guitest/LeakCheck.h"

#include "toolkit/PageControl.h"
#include "skin/WinSkinData/SkinCodes.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/TreeView.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <commctrl.h>

#include <random>

namespace {

using gallerytest::SlotCount;
using gallerytest::TabCase;
using gallerytest::Tabs;

constexpr int Steps = 2000;
constexpr int BaselineStep = 100;
constexpr unsigned Seed = 20261208;
// Pumping stops after this long without a message: long enough for a page
// fill's paints, short enough for two thousand steps inside a test's time.
constexpr int StepQuietMs = 10;

const std::string SkinsFolder = KANVIO_SKINS_DIR;
const char* const SkinNames[] = {"kanvio_neon", "kanvio_daylight"};
constexpr wchar_t BoxTitle[] = L"一天";
constexpr UINT_PTR BoxCloserTimer = 0x5A17;
constexpr UINT BoxCloserDelayMs = 20;

enum class Action { Pick, Page, Hover, Launch, SwitchTab, MinimiseRestore, SwitchSkin, MessageBox };

// How often a user does each, out of the sum.
constexpr std::pair<Action, int> Weights[] = {
    {Action::Pick, 24},      {Action::Page, 16},      {Action::Hover, 26},
    {Action::Launch, 16},    {Action::SwitchTab, 8},  {Action::MinimiseRestore, 4},
    {Action::SwitchSkin, 3}, {Action::MessageBox, 3},
};

class GalleryWalk : public gallerytest::Gallery {
protected:
    std::mt19937 random_{Seed};
    std::vector<std::string> expectedLaunches_;
    int boxesSkinned_ = 0;
    int boxesShown_ = 0;
    int skinIndex_ = 0;

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    Action NextAction() {
        int total = 0;
        for (const auto& [action, weight] : Weights) {
            total += weight;
        }
        int roll = Below(total);
        for (const auto& [action, weight] : Weights) {
            if (roll < weight) {
                return action;
            }
            roll -= weight;
        }
        return Action::Hover;
    }

    const TabCase& Current() {
        auto& pages = Get<tk::PageControl>("PageControl1");
        for (const TabCase& tab : Tabs) {
            if (pages.ActivePage() == &Get<tk::TabSheet>(tab.sheet)) {
                return tab;
            }
        }
        throw std::runtime_error("no tab of the gallery is in front");
    }

    std::vector<int> ShownSlots() {
        std::vector<int> shown;
        for (int i = 0; i < SlotCount; ++i) {
            if ((form_->*Current().opens)[size_t(i)]->Visible()) {
                shown.push_back(i);
            }
        }
        return shown;
    }

    void Move(const tk::Control& control, int dx, int dy) {
        guitest::MouseMove(control.Parent()->Handle(), {control.Left() + dx, control.Top() + dy},
                           StepQuietMs);
    }
    void Press(const tk::Control& control, int dx, int dy) {
        guitest::Click(control.Parent()->Handle(), {control.Left() + dx, control.Top() + dy},
                       StepQuietMs);
    }

    void PickAnyCategory() {
        auto& tree = Get<tk::TreeView>(Current().tree);
        const auto& headers = tree.Items().Children();
        tk::TreeNode* node = headers[size_t(Below(int(headers.size())))].get();
        const auto& leaves = node->Children();
        // Mostly a leaf; now and then the header itself, which changes nothing.
        if (!leaves.empty() && Below(5) != 0) {
            node = leaves[size_t(Below(int(leaves.size())))].get();
        }
        tree.SetSelected(node);
        guitest::PumpUntilIdle(StepQuietMs);
    }

    void TurnAPage() {
        tk::Image& left = Get<tk::Image>(Current().left);
        tk::Image& right = Get<tk::Image>(Current().right);
        tk::Image* arrow = right.Visible() && (!left.Visible() || Below(2)) ? &right
                           : left.Visible()                                 ? &left
                                                                            : nullptr;
        if (arrow) {
            Press(*arrow, arrow->Width() / 2, arrow->Height() / 2);
        }
    }

    void HoverSomewhere() {
        const std::vector<int> shown = ShownSlots();
        if (shown.empty() || Below(4) == 0) {
            Move(Get<tk::Shape>(Current().background), 3 + Below(20), 3 + Below(20));
            return;
        }
        const auto slot = size_t(shown[size_t(Below(int(shown.size())))]);
        tk::Image& button = *(Below(2) ? form_->*Current().opens : form_->*Current().books)[slot];
        Move(button, 1 + Below(button.Width() - 2), 1 + Below(button.Height() - 2));
    }

    void LaunchATemplate() {
        const std::vector<int> shown = ShownSlots();
        if (shown.empty()) {
            return;
        }
        const auto slot = size_t(shown[size_t(Below(int(shown.size())))]);
        const bool book = Below(2);
        tk::Image& button = *(book ? form_->*Current().books : form_->*Current().opens)[slot];
        expectedLaunches_.push_back(book ? (form_->*Current().orderUrls)[slot]
                                         : (form_->*Current().previewUrls)[slot]);
        Press(button, button.Width() / 2, button.Height() / 2);
    }

    // A click on the other tab's tab, where the page control shows it.
    void ClickTheOtherTab() {
        auto& pages = Get<tk::PageControl>("PageControl1");
        const TabCase& other = Tabs[size_t(Current().other)];
        const auto& sheets = pages.Pages();
        const auto index =
            std::find(sheets.begin(), sheets.end(), &Get<tk::TabSheet>(other.sheet)) -
            sheets.begin();
        RECT tab{};
        ASSERT_TRUE(SendMessageW(pages.Handle(), TCM_GETITEMRECT, WPARAM(index), LPARAM(&tab)));
        guitest::Click(pages.Handle(), {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2},
                       StepQuietMs);
        EXPECT_EQ(&Current(), &other) << "a click on its tab left the other tab behind";
    }

    void MinimiseAndRestore() {
        SendMessageW(form_->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        guitest::PumpUntilIdle(StepQuietMs);
        EXPECT_TRUE(IsIconic(form_->Handle()));
        SendMessageW(form_->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
        guitest::PumpUntilIdle(StepQuietMs);
        EXPECT_FALSE(IsIconic(form_->Handle()));
    }

    void SwitchSkin() {
        skinIndex_ = 1 - skinIndex_;
        Get<skin::TSkinData>("SkinData1")
            .SetSkinFile(SkinsFolder + "/" + SkinNames[skinIndex_] + ".skn");
        // The switch waits for the manager's action timer; run it now.
        skin::SkinManager->OnActionTimer();
        guitest::PumpUntilIdle(StepQuietMs);
    }

    // A message box over the window, answered a moment later; the skin
    // engine takes it up like any window the program shows.
    void ShowAMessageBox() {
        static GalleryWalk* walk = nullptr;
        walk = this;
        SetTimer(form_->Handle(), BoxCloserTimer, BoxCloserDelayMs,
                 [](HWND owner, UINT, UINT_PTR id, DWORD) {
                     HWND box = FindWindowW(L"#32770", BoxTitle);
                     if (!box) {
                         return;
                     }
                     KillTimer(owner, id);
                     walk->boxesSkinned_ +=
                         SendMessageW(box, skin::WM_SKINQUERY, 0, 0) == skin::SkinQueryAnswer;
                     PostMessageW(box, WM_COMMAND, IDOK, 0);
                 });
        MessageBoxW(form_->Handle(), L"模板已加入收藏。", BoxTitle, MB_OK | MB_ICONINFORMATION);
        ++boxesShown_;
        guitest::PumpUntilIdle(StepQuietMs);
    }

    // Skinners keep what they render from the skin until it changes, so the
    // number of live objects follows what has been painted since the last
    // skin switch, and a tree's scroll bars come and go with its open
    // categories. Both counts are taken in one state: every category of both
    // trees open, the first tab's first category in front, the default skin
    // taken afresh, both tabs painted in it, the pointer over the background.
    guitest::LeakCounts CountInTheSameState() {
        if (&Current() != &Tabs[0]) {
            ClickTheOtherTab();
        }
        for (const TabCase& tab : Tabs) {
            for (const auto& header : Get<tk::TreeView>(tab.tree).Items().Children()) {
                header->Expand();
            }
        }
        auto& tree = Get<tk::TreeView>(Tabs[0].tree);
        tree.SetSelected(tree.Items().Children().front()->Children().front().get());
        skinIndex_ = 1;
        SwitchSkin();
        ClickTheOtherTab();
        ClickTheOtherTab();
        Move(Get<tk::Shape>(Tabs[0].background), 3, 3);
        return guitest::CountForLeaks();
    }

    void Take(Action action) {
        switch (action) {
        case Action::Pick:
            PickAnyCategory();
            break;
        case Action::Page:
            TurnAPage();
            break;
        case Action::Hover:
            HoverSomewhere();
            break;
        case Action::Launch:
            LaunchATemplate();
            break;
        case Action::SwitchTab:
            ClickTheOtherTab();
            break;
        case Action::MinimiseRestore:
            MinimiseAndRestore();
            break;
        case Action::SwitchSkin:
            SwitchSkin();
            break;
        case Action::MessageBox:
            ShowAMessageBox();
            break;
        }
    }
};

TEST_F(GalleryWalk, TwoThousandStepsEndWithoutErrorsLeaksOrLostLaunches) {
    Open();
    guitest::LeakCounts baseline;
    // The walk starts with one of each action, so whatever the system makes
    // once on a first use (a message box's icon, say) is there before the
    // first count.
    for (const auto& [action, weight] : Weights) {
        Take(action);
    }
    for (int step = int(std::size(Weights)) + 1; step <= Steps; ++step) {
        Take(NextAction());
        ASSERT_TRUE(messages_.empty()) << "step " << step << " showed: " << messages_.front();
        if (step == BaselineStep) {
            baseline = CountInTheSameState();
        }
    }
    guitest::ExpectSameLiveObjects(baseline, CountInTheSameState());
    EXPECT_EQ(expectedLaunches_, launched_);
    EXPECT_GT(launched_.size(), 100u);
    EXPECT_GT(boxesShown_, 20);
    EXPECT_EQ(boxesShown_, boxesSkinned_);
    EXPECT_NE(skin::SkinManager->FindFrame(form_->Handle()), nullptr);
    guitest::SaveForTest(guitest::CaptureWindow(form_->Handle()), "end");
}

} // namespace
