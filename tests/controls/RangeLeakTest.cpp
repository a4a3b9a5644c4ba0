// Painting every kind of range control a thousand times (scroll bars while
// scrolling, track bars, up-downs under the pointer, progress bars of both
// styles, scroll bar controls, a list view's header), and attaching and
// freeing their skinners a hundred times, leaves the process's live GDI
// objects and windows as they were.
#include "tests/controls/RangeFixture.h"

#include "tests/guitest/LeakCheck.h"
#include "toolkit/RangeControls.h"
#include "skin/WinSubClass/SkinScControl.h"
#include "toolkit/TreeView.h"

#include <commctrl.h>

using namespace skin;
using namespace controlstest;

namespace {

class RangeLeaks : public RangeTest {
protected:
    // One control of every range kind on a form, found by discovery as in
    // the program; the scroll bar control, which discovery leaves to the
    // application, gets its skinner here.
    void Populate(tk::Form& form) {
        skinData_->SetSkin3rd({"TProgressBar=progress"});
        list_ = &RowList(form, 200, {10, 10, 150, 150});
        tree_ = &Place<tk::TreeView>(form, 160, 10, 100, 140);
        for (int i = 0; i < 40; ++i) {
            tree_->Items().Add("node " + std::to_string(i));
        }
        track_ = &Place<tk::TrackBar>(form, 10, 160, 150, 30);
        upDown_ = &Place<tk::UpDown>(form, 170, 160, 20, 30);
        smooth_ = &Place<tk::ProgressBar>(form, 10, 200, 150, 18);
        smooth_->SetPosition(40);
        chunks_ = &Place<tk::ProgressBar>(form, 10, 225, 150, 18);
        chunks_->SetStyle(tk::ProgressStyle::Chunks);
        chunks_->SetPosition(60);
        bar_ = &Place<tk::ScrollBar>(form, 270, 10, 17, 140);
        bar_->SetKind(tk::ScrollBarKind::Vertical);
        Discover(form);
    }
    void Discover(tk::Form& form) {
        frame_->SkinFormControls(form);
        SkinWith<TSkinScControl>(*bar_);
        frametest::Settle();
    }
    static void Repaint(HWND window) {
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    }
    tk::ListView* list_ = nullptr;
    tk::TreeView* tree_ = nullptr;
    tk::TrackBar* track_ = nullptr;
    tk::UpDown* upDown_ = nullptr;
    tk::ProgressBar* smooth_ = nullptr;
    tk::ProgressBar* chunks_ = nullptr;
    tk::ScrollBar* bar_ = nullptr;
};

// One repaint of a kind, with the change that makes it paint something new.
enum class TKind { ListBars, TreeBars, Header, Track, UpDown, Smooth, Chunks, BarControl };

class RangeRepaints : public RangeLeaks, public ::testing::WithParamInterface<TKind> {
protected:
    void Step() {
        flip_ = !flip_;
        switch (GetParam()) {
        case TKind::ListBars:
        case TKind::TreeBars: {
            // Scrolled a line down and back, each step painted.
            const HWND window = GetParam() == TKind::ListBars ? list_->Handle() : tree_->Handle();
            SendMessageW(window, WM_VSCROLL, flip_ ? SB_LINEDOWN : SB_LINEUP, 0);
            Repaint(window);
            break;
        }
        case TKind::Header:
            Repaint(ListView_GetHeader(list_->Handle()));
            break;
        case TKind::Track:
            track_->SetPosition(flip_ ? 5 : 0);
            Repaint(track_->Handle());
            break;
        case TKind::UpDown:
            // Pressed and released under the pointer's message.
            SendMessageW(upDown_->Handle(), flip_ ? WM_LBUTTONDOWN : WM_LBUTTONUP,
                         flip_ ? MK_LBUTTON : 0, MAKELPARAM(5, 5));
            Repaint(upDown_->Handle());
            break;
        case TKind::Smooth:
        case TKind::Chunks: {
            tk::ProgressBar& progress = GetParam() == TKind::Smooth ? *smooth_ : *chunks_;
            progress.SetPosition(flip_ ? 70 : 0);
            Repaint(progress.Handle());
            break;
        }
        case TKind::BarControl:
            bar_->SetPosition(flip_ ? 50 : 0);
            Repaint(bar_->Handle());
            break;
        }
    }

private:
    bool flip_ = false;
};

TEST_P(RangeRepaints, AThousandRepaints) {
    tk::Form& form = RangeForm();
    Populate(form);
    for (tk::WinControl* control : std::initializer_list<tk::WinControl*>{
             list_, tree_, track_, upDown_, smooth_, chunks_, bar_}) {
        ASSERT_NE(SkinnerOf(*control), nullptr) << control->ClassName();
    }
    guitest::ExpectFlat(1000, [&] { Step(); });
}

std::string KindName(const ::testing::TestParamInfo<TKind>& info) {
    constexpr const char* Names[] = {"ListViewBars", "TreeViewBars", "Header", "TrackBar",
                                     "UpDown",       "Progress",     "Chunks", "ScrollBarControl"};
    return Names[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryKind, RangeRepaints,
                         ::testing::Values(TKind::ListBars, TKind::TreeBars, TKind::Header,
                                           TKind::Track, TKind::UpDown, TKind::Smooth,
                                           TKind::Chunks, TKind::BarControl),
                         KindName);

TEST_F(RangeLeaks, AHundredAttachAndFreeCycles) {
    tk::Form& form = RangeForm();
    Populate(form);
    const size_t listed = frame_->FControls.size();
    guitest::ExpectFlat(100, [&] {
        frame_->FreeControls();
        Discover(form);
    });
    EXPECT_EQ(frame_->FControls.size(), listed);
}

} // namespace
