// The skinner base: its dispatcher around the control's own handling, giving
// the handler back, raw windows on the subclass chain, the frame's list, and
// the control's properties read by name.
#include "tests/controls/ControlsFixture.h"

#include "toolkit/Properties.h"

#include <stdexcept>

using namespace skin;
using namespace controlstest;

namespace {

constexpr UINT Watched = WM_APP + 1;
constexpr UINT Swallowed = WM_APP + 2;
constexpr UINT Throwing = WM_APP + 3;
// Handed on by the skinner itself: the control fails on the first, the
// skinner after handing on the second.
constexpr UINT HandedOnControlFails = WM_APP + 4;
constexpr UINT HandedOnSkinnerFails = WM_APP + 5;

// Journals what its filters see; swallows one message, throws on another.
class TProbeSkinner : public TSkinControl {
public:
    TProbeSkinner(tk::Component* owner, std::vector<std::string>& journal)
        : TSkinControl(owner), journal_(journal) {}
    bool BeforeMessage(tk::Message& message) override {
        if (message.msg == Watched || message.msg == Swallowed || message.msg == WM_NCDESTROY) {
            journal_.push_back("before");
        }
        if (message.msg == Throwing) {
            throw std::runtime_error("filter failed");
        }
        if (message.msg == Swallowed) {
            message.result = 7;
            return false;
        }
        if (message.msg == HandedOnControlFails || message.msg == HandedOnSkinnerFails) {
            CallOriginal(message);
            if (message.msg == HandedOnSkinnerFails) {
                throw std::runtime_error("filter failed after handing on");
            }
            return false;
        }
        return TSkinControl::BeforeMessage(message);
    }
    void AfterMessage(tk::Message& message) override {
        if (message.msg == Watched) {
            journal_.push_back("after");
        }
        if (message.msg == Throwing) {
            throw std::runtime_error("filter failed");
        }
        TSkinControl::AfterMessage(message);
    }

private:
    std::vector<std::string>& journal_;
};

// The journal and the probe, in a base listed before the fixture: the
// fixture's forms go last and their windows still journal as they go.
class TJournal {
protected:
    std::vector<std::string> journal_;
    TProbeSkinner* probe_ = nullptr;
};

class SkinnerBase : public TJournal, public ControlsTest {
protected:
    // A button on a skinned form whose own handling journals what reaches
    // it, under a probe skinner (not yet attached).
    tk::Button& JournaledButton() {
        tk::Form& form = SkinnedForm();
        tk::Button& button = Place<tk::Button>(form, 20, 20, 75, 25);
        button.Handle();
        tk::MessageHandler own = button.WindowProc();
        button.SetWindowProc([this, own](tk::Message& message) {
            if (message.msg == Watched || message.msg == Swallowed || message.msg == Throwing ||
                message.msg == HandedOnControlFails || message.msg == HandedOnSkinnerFails) {
                journal_.push_back("control");
            }
            if (message.msg == HandedOnControlFails) {
                throw std::runtime_error("control failed");
            }
            if (message.msg == WM_NCDESTROY) {
                journal_.push_back(probe_ && probe_->FState == TSkinnerState::Attached
                                       ? "control while attached"
                                       : "control after");
            }
            own(message);
        });
        probe_ = new TProbeSkinner(&button, journal_);
        return button;
    }
    void AttachProbe(bool useSkinColor = false) {
        probe_->Attach(*frame_, *skinData_, useSkinColor, frame_->FControlCanvas);
    }
};

TEST_F(SkinnerBase, FiltersRunAroundTheControlsOwnHandling) {
    tk::Button& button = JournaledButton();
    AttachProbe();
    EXPECT_TRUE(probe_->FAttached);
    EXPECT_EQ(probe_->FState, TSkinnerState::Attached);
    EXPECT_EQ(probe_->FHandle, button.Handle());
    button.Perform(Watched);
    EXPECT_EQ(journal_, (std::vector<std::string>{"before", "control", "after"}));
    journal_.clear();
    // Handled by the skinner: the control never sees it.
    EXPECT_EQ(button.Perform(Swallowed), 7);
    EXPECT_EQ(journal_, (std::vector<std::string>{"before"}));
}

TEST_F(SkinnerBase, FailingFiltersAreSwallowedAndTheControlStillHears) {
    tk::Button& button = JournaledButton();
    AttachProbe();
    SendMessageW(button.Handle(), Throwing, 0, 0);
    EXPECT_EQ(journal_, (std::vector<std::string>{"control"}));
}

TEST_F(SkinnerBase, AMessageAFilterHandedOnReachesTheControlOnceWhateverFails) {
    tk::Button& button = JournaledButton();
    AttachProbe();
    std::vector<std::string> reported;
    app_.SetMessageBox(
        [&](const std::string& text, const std::string&) { reported.push_back(text); });
    // The control's own failure is reported, once, and not handed on again.
    SendMessageW(button.Handle(), HandedOnControlFails, 0, 0);
    EXPECT_EQ(journal_, (std::vector<std::string>{"control"}));
    EXPECT_EQ(reported, (std::vector<std::string>{"control failed"}));
    // The skinner's own failure after handing on is swallowed.
    journal_.clear();
    reported.clear();
    SendMessageW(button.Handle(), HandedOnSkinnerFails, 0, 0);
    EXPECT_EQ(journal_, (std::vector<std::string>{"control"}));
    EXPECT_TRUE(reported.empty());
    // The same on a raw window's subclass chain.
    HWND raw =
        CreateWindowExW(0, L"BUTTON", L"Raw", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 60, 60, 20,
                        button.Parent()->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    auto* skinner = new TProbeSkinner(frame_, journal_);
    skinner->AttachWindow(raw, *skinData_, *frame_, frame_->FControlCanvas);
    SendMessageW(raw, HandedOnSkinnerFails, 0, 0);
    EXPECT_TRUE(reported.empty());
    DestroyWindow(raw);
}

TEST_F(SkinnerBase, ASecondAttachIsIgnored) {
    JournaledButton();
    AttachProbe();
    AttachProbe();
    EXPECT_EQ(std::count(frame_->FControls.begin(), frame_->FControls.end(), probe_), 1);
}

TEST_F(SkinnerBase, NcDestroyReachesTheControlBeforeTheSkinnerMarksItselfDead) {
    tk::Button& button = JournaledButton();
    button.SetColor(0x123456);
    AttachProbe(true);
    EXPECT_EQ(button.GetColor(), ResolveColour(skinData_->ButtonFaceColour));
    button.DestroyHandle();
    EXPECT_EQ(journal_, (std::vector<std::string>{"before", "control while attached"}));
    EXPECT_EQ(probe_->FState, TSkinnerState::WindowDestroyed);
    EXPECT_EQ(button.GetColor(), 0x123456);
    // The next discovery pass frees it; the control lives on.
    frame_->PurgeDeadControls();
    EXPECT_TRUE(frame_->FControls.empty());
    EXPECT_TRUE(button.Components().empty());
}

TEST_F(SkinnerBase, AFreedSkinnerLeavesTheControlWorkingUnskinned) {
    tk::Button& button = JournaledButton();
    int clicks = 0;
    button.OnClick = [&](tk::Component&) { ++clicks; };
    AttachProbe();
    delete probe_;
    probe_ = nullptr;
    EXPECT_TRUE(frame_->FControls.empty());
    journal_.clear();
    button.Perform(Watched);
    EXPECT_EQ(journal_, (std::vector<std::string>{"control"}));
    guitest::Click(button.Handle(), {10, 10});
    EXPECT_EQ(clicks, 1);
}

TEST_F(SkinnerBase, ASkinnerBelowAnotherHandlerPassesMessagesOnOnceFreed) {
    tk::Button& button = JournaledButton();
    AttachProbe();
    int overSeen = 0;
    tk::MessageHandler below = button.WindowProc();
    button.SetWindowProc([&, below](tk::Message& message) {
        overSeen += message.msg == Watched;
        below(message);
    });
    delete probe_;
    probe_ = nullptr;
    journal_.clear();
    button.Perform(Watched);
    EXPECT_EQ(overSeen, 1);
    EXPECT_EQ(journal_, (std::vector<std::string>{"control"}));
}

TEST_F(SkinnerBase, ARawWindowIsSkinnedOnItsSubclassChainAndPurgedWhenGone) {
    tk::Form& form = SkinnedForm();
    HWND raw = CreateWindowExW(0, L"BUTTON", L"Raw", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10,
                               60, 20, form.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    auto* skinner = new TProbeSkinner(frame_, journal_);
    skinner->AttachWindow(raw, *skinData_, *frame_, frame_->FControlCanvas);
    EXPECT_EQ(frame_->FindControlByWindow(raw), skinner);
    EXPECT_EQ(skinner->FCaption, L"Raw");
    EXPECT_EQ(skinner->FControl, nullptr);
    SendMessageW(raw, Watched, 0, 0);
    EXPECT_EQ(journal_, (std::vector<std::string>{"before", "after"}));
    // A button's own procedure still answers.
    SendMessageW(raw, BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(SendMessageW(raw, BM_GETSTATE, 0, 0) & BST_PUSHED);
    DestroyWindow(raw);
    EXPECT_EQ(skinner->FState, TSkinnerState::WindowDestroyed);
    frame_->PurgeDeadControls();
    EXPECT_EQ(frame_->FindControlByWindow(raw), nullptr);
    EXPECT_TRUE(frame_->FControls.empty());
}

TEST_F(SkinnerBase, TheFramesListRegistersOnceRemovesTheLastEntryAndFreesAll) {
    tk::Form& form = SkinnedForm();
    tk::Button& first = Place<tk::Button>(form, 10, 10, 75, 25);
    tk::Button& second = Place<tk::Button>(form, 10, 40, 75, 25);
    first.SetColor(0x111111);
    second.SetColor(0x222222);
    auto* a = new TProbeSkinner(&first, journal_);
    auto* b = new TProbeSkinner(&second, journal_);
    a->Attach(*frame_, *skinData_, true, frame_->FControlCanvas);
    b->Attach(*frame_, *skinData_, true, frame_->FControlCanvas);
    EXPECT_TRUE(frame_->RegisterControl(*a));
    EXPECT_EQ(frame_->FControls, (std::vector<TSkinControl*>{a, b}));
    frame_->FControls.push_back(a);
    frame_->UnregisterControl(*a);
    EXPECT_EQ(frame_->FControls, (std::vector<TSkinControl*>{a, b}));
    // A skinner whose window is gone keeps the colour it restored itself.
    second.DestroyHandle();
    second.SetColor(0x333333);
    a->BecomeHot();
    frame_->FreeControls();
    EXPECT_TRUE(frame_->FControls.empty());
    EXPECT_EQ(frame_->FHotControl, nullptr);
    EXPECT_EQ(first.GetColor(), 0x111111);
    EXPECT_EQ(second.GetColor(), 0x333333);
    EXPECT_TRUE(first.Components().empty());
    EXPECT_TRUE(second.Components().empty());
}

TEST_F(SkinnerBase, AFreedHotSkinnerIsNoLongerTheFramesHotButton) {
    tk::Button& button = JournaledButton();
    (void)button;
    AttachProbe();
    probe_->BecomeHot();
    EXPECT_EQ(frame_->FHotControl, probe_);
    delete probe_;
    probe_ = nullptr;
    EXPECT_EQ(frame_->FHotControl, nullptr);
}

TEST_F(SkinnerBase, PropertiesAreReadByNameWithTheirKind) {
    tk::Form& form = SkinnedForm();
    auto& button = Place<tk::BitBtn>(form, 10, 10, 75, 25);
    button.SetCaption("Go");
    button.SetMargin(7);
    button.SetLayout(tk::ButtonLayout::GlyphTop);
    button.SetDefault(true);
    auto* skinner = new TProbeSkinner(&button, journal_);
    skinner->Attach(*frame_, *skinData_, false, frame_->FControlCanvas);
    EXPECT_EQ(skinner->GetIntProp("Margin"), 7);
    EXPECT_EQ(skinner->GetIntProp("Caption"), 0); // a string: not read as an integer
    EXPECT_EQ(skinner->GetIntProp("NoSuch"), 0);
    EXPECT_EQ(skinner->GetEnumProp("Layout"), "blGlyphTop");
    EXPECT_EQ(skinner->GetEnumProp("Default"), "True");
    EXPECT_EQ(skinner->GetEnumProp("Margin"), "");
    EXPECT_EQ(skinner->GetStrProp("Caption"), "Go");
    EXPECT_EQ(skinner->GetStrProp("Margin"), "");
    EXPECT_EQ(skinner->GetObjProp("Glyph", "TBitmap"), &button.Glyph());
    EXPECT_EQ(skinner->GetObjProp("Glyph", "TFont"), nullptr);
    EXPECT_EQ(skinner->GetObjProp("Font", "TFont"), &button.Font());
    EXPECT_EQ(skinner->FCaption, L"Go");
    // Without a control every read answers nothing.
    TProbeSkinner loose(nullptr, journal_);
    EXPECT_EQ(loose.GetIntProp("Margin"), 0);
    EXPECT_EQ(loose.GetStrProp("Caption"), "");
    EXPECT_EQ(loose.GetObjProp("Font", "TFont"), nullptr);
}

} // namespace
