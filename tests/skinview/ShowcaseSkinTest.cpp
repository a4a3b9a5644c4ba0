// skinview's showcase opened in the test's own process, on each of our
// skins: every control of its design comes up with the skinner the engine
// has for its kind, and the captions drawn on the skin's face (labels, group
// boxes, check and radio boxes) take the skin's text colour and follow a
// change of skin.
#include "toolkit/Application.h"
#include "toolkit/GraphicControls.h"
#include "tests/guitest/BoxRefuser.h"
#include "tests/guitest/GuiTest.h"
#include "toolkit/PageControl.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/WinSubClass/SkinManager.h"
#include "tools/skinview/SkinText.h"
#include "tools/skinview/SkinViewForm.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Long enough for the manager's quarter-second action timer and the frame's
// posted start.
constexpr int SettleMs = 600;

std::string SkinPath(const std::string& name) {
    return std::string(KANVIO_SKINS_DIR) + "/" + name + ".skn";
}

class Showcase : public ::testing::TestWithParam<const char*> {
protected:
    Showcase() {
        guitest::ParkPointer();
        app_.SetMessageBox([](const std::string& text, const std::string&) {
            ADD_FAILURE() << "unexpected error box: " << text;
        });
    }
    ~Showcase() override {
        guitest::PumpUntilIdle(20, 500);
        skin::SkinManager.reset();
    }

    // The showcase in the skin, shown, active and settled.
    void Open(const std::string& skinName) {
        form_ = new skinview::TSkinViewForm(&app_);
        form_->LoadSkin(SkinPath(skinName));
        form_->Show();
        SetForegroundWindow(form_->Handle());
        Settle();
        frame_ = skin::SkinManager ? skin::SkinManager->FindFrame(form_->Handle()) : nullptr;
        ASSERT_NE(frame_, nullptr) << "the showcase has no frame";
    }
    static void Settle() {
        guitest::PumpFor(SettleMs);
        guitest::PumpUntilIdle(60, 3000);
    }

    tk::Control& Named(const char* name) const {
        auto* control = dynamic_cast<tk::Control*>(form_->FindComponent(name));
        if (!control) {
            throw std::runtime_error(std::string("the design lacks ") + name);
        }
        return *control;
    }

    // The class of the skinner on the control (by the control, or by its
    // window for a skinner attached to the window), or "none".
    std::string SkinnerOf(tk::Control& control) const {
        auto* windowed = dynamic_cast<tk::WinControl*>(&control);
        for (const skin::TSkinControl* skinner : frame_->FControls) {
            if (skinner->SkinnedControl() == &control || (windowed && windowed->HandleAllocated() &&
                                                          skinner->FHandle == windowed->Handle())) {
                return skinner->ClassName();
            }
        }
        return "none";
    }

    // How many pixels of the control's rectangle on screen are `colour`.
    int PixelsOf(const tk::Control& control, COLORREF colour) const {
        const POINT origin = control.Parent()->ClientToScreen({control.Left(), control.Top()});
        const guitest::Capture shot = guitest::CaptureScreen(
            {origin.x, origin.y, origin.x + control.Width(), origin.y + control.Height()});
        int count = 0;
        for (int y = 0; y < shot.height; ++y) {
            for (int x = 0; x < shot.width; ++x) {
                count += shot.At(x, y) == guitest::Rgb(colour);
            }
        }
        return count;
    }

    tk::Application app_;
    skinview::TSkinViewForm* form_ = nullptr;
    skin::TWinSkinForm* frame_ = nullptr;
};

TEST_P(Showcase, EveryKindOfControlIsSkinned) {
    ASSERT_NO_FATAL_FAILURE(Open(GetParam()));
    const std::map<std::string, std::string> expected{
        {"ButtonOk", "TSkinButton"},
        {"ButtonDisabled", "TSkinButton"},
        {"BitBtnPalette", "TSkinBitButton"},
        {"CheckChecked", "TSkinCheckBox"},
        {"CheckGrayed", "TSkinCheckBox"},
        {"RadioFirst", "TSkinRadioButton"},
        {"GroupButtons", "TSkinGroupBox"},
        {"GroupInput", "TSkinGroupBox"},
        {"EditText", "TSkinEdit"},
        {"EditNumber", "TSkinEdit"},
        {"EditDisabled", "TSkinEdit"},
        {"UpDownNumber", "TSkinUpDown"},
        {"ComboList", "TSkinComBox"},
        {"ComboEdit", "TSkinComBox"},
        {"PanelRanges", "TSkinBox"},
        {"TrackHorizontal", "TSkinTrackBar"},
        {"TrackVertical", "TSkinTrackBar"},
        {"ProgressBlocks", "TSkinProgress"},
        {"ProgressSmooth", "TSkinProgress"},
        {"ScrollHorizontal", "TSkinScControl"},
        {"ScrollVertical", "TSkinScControl"},
        {"ListFiles", "TSkinListView"},
        {"TreeParts", "TSkinScrollbar"},
        {"PagesDemo", "TSkinTab"},
        {"PagesLeft", "TSkinTab"},
        {"TabSetSheets", "TSkinTab31"},
        {"StatusBar1", "TSkinStatusBar"},
    };
    for (const auto& [name, skinner] : expected) {
        EXPECT_EQ(SkinnerOf(Named(name.c_str())), skinner) << name;
    }
    // Nothing the design shows is left out: every control but the labels
    // and the pages inside page controls has a skinner.
    for (tk::Component* component : form_->Components()) {
        auto* control = dynamic_cast<tk::Control*>(component);
        if (control && !dynamic_cast<tk::Label*>(control) &&
            !dynamic_cast<tk::TabSheet*>(control)) {
            EXPECT_NE(SkinnerOf(*control), "none") << control->Name();
        }
    }
}

TEST_P(Showcase, CaptionsOnTheFaceTakeTheSkinsTextColourAndFollowASkinChange) {
    ASSERT_NO_FATAL_FAILURE(Open(GetParam()));
    const auto expectCaptions = [&](const char* when) {
        const COLORREF text = skin::ResolveColour(form_->SkinData().ButtonTextColour);
        for (const char* name : {"LabelEdit", "LabelPanel", "GroupInput", "CheckChecked"}) {
            EXPECT_EQ(tk::ResolveColour(Named(name).Font().GetColor()), text)
                << name << " " << when;
            EXPECT_GT(PixelsOf(Named(name), text), 10) << name << " " << when;
        }
        // The texts of the white input boxes stay the system's.
        EXPECT_EQ(Named("EditText").Font().GetColor(), tk::clWindowText) << when;
    };
    expectCaptions("at first");
    const std::string other =
        std::string(GetParam()) == "kanvio_neon" ? "kanvio_daylight" : "kanvio_neon";
    const COLORREF before = skin::ResolveColour(form_->SkinData().ButtonTextColour);
    form_->LoadSkin(SkinPath(other));
    Settle();
    ASSERT_NE(skin::ResolveColour(form_->SkinData().ButtonTextColour), before)
        << "our two skins have different text colours";
    expectCaptions("after the change");
}

// What a skin author opens goes first in the recent list; a package the
// reader refuses, or a file gone by the time it is reloaded, leaves the
// skin shown in place and says why.
TEST_P(Showcase, ARefusedSkinLeavesTheOneShownAndTheRecentListKeepsWhatWasOpened) {
    ASSERT_NO_FATAL_FAILURE(Open(GetParam()));
    std::vector<std::string> saved;
    form_->KeepRecentSkins({"Z:\\gone.skn"},
                           [&](const std::vector<std::string>& paths) { saved = paths; });
    ASSERT_TRUE(form_->Source());
    const std::string shown = skinview::SourceName(*form_->Source());
    EXPECT_EQ(saved, (std::vector<std::string>{shown, "Z:\\gone.skn"}));
    EXPECT_EQ(form_->RecentSkins().Paths(), saved);

    const std::string name = form_->SkinData().SkinName;
    const std::filesystem::path bogus = std::filesystem::absolute("showcase-refused.skn");
    std::ofstream(bogus, std::ios::binary) << "not a skin package at all";
    try {
        form_->LoadSkin(bogus);
        ADD_FAILURE() << "a refused package loaded";
    } catch (const skinview::TViewError& e) {
        EXPECT_NE(std::string(e.what()).find(": The skin package is damaged: "), std::string::npos)
            << e.what();
    }
    std::filesystem::remove(bogus);
    EXPECT_TRUE(form_->SkinData().SkinLoaded);
    EXPECT_EQ(form_->SkinData().SkinName, name);
    EXPECT_EQ(skinview::SourceName(*form_->Source()), shown);
    EXPECT_EQ(saved.size(), 2u) << "a skin that did not load is not remembered";

    form_->LoadBuiltInSkin();
    EXPECT_FALSE(form_->Source());
    EXPECT_EQ(form_->SkinData().SkinName, "Kanvio Neon");
    form_->ReloadSkin();
    EXPECT_EQ(form_->SkinData().SkinName, "Kanvio Neon") << "the built-in skin reloads";
}

// The skin layer only reports why a package did not load; skinview shows it
// to the user in a box, for the skin component its design makes.
TEST_P(Showcase, ShowsWhyASkinDidNotLoad) {
    Open(GetParam());
    std::unique_ptr<tk::Component> made(app_.Classes().Create("TSkinData", nullptr));
    auto* skinData = dynamic_cast<skin::TSkinData*>(made.get());
    ASSERT_NE(skinData, nullptr);
    const guitest::TBoxRefuser boxes;
    EXPECT_FALSE(skinData->SetSkinStream({1, 2, 3}));
    EXPECT_EQ(boxes.Refused(), 1);
}

INSTANTIATE_TEST_SUITE_P(OurSkins, Showcase, ::testing::Values("kanvio_neon", "kanvio_daylight"));

} // namespace
