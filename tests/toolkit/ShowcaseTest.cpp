// The showcase form: a design with one control of every kind, read from the
// program's resources, shown under Wine and captured.
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/Menus.h"
#include "toolkit/PageControl.h"
#include "toolkit/RangeControls.h"
#include "toolkit/StatusBar.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TreeView.h"

#include "tests/guitest/GuiTest.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

class TShowcaseForm : public tk::Form {
    TK_CLASS(TShowcaseForm)

public:
    explicit TShowcaseForm(tk::Component* owner) : Form(owner) {
        AddMethod("FormCreate", tk::NotifyEvent([this](tk::Component&) { created = true; }));
        AddMethod("Button1Click", tk::NotifyEvent([this](tk::Component&) { ++buttonClicks; }));
        AddMethod("Action1Execute", tk::NotifyEvent([this](tk::Component&) { ++actionRuns; }));
        LoadDesign("TShowcaseForm");
    }
    template <class T> T& Get(const char* name) { return *dynamic_cast<T*>(FindComponent(name)); }

    bool created = false;
    int buttonClicks = 0;
    int actionRuns = 0;
};

const tk::ClassInfo& TShowcaseForm::StaticClass() {
    static const tk::ClassInfo info("TShowcaseForm", &tk::Form::StaticClass());
    return info;
}

POINT ScreenPoint(tk::Control& control, POINT client) {
    return control.ClientToScreen(client);
}

uint32_t ScreenPixel(POINT screen) {
    RECT r{screen.x, screen.y, screen.x + 1, screen.y + 1};
    return guitest::CaptureScreen(r).At(0, 0);
}

struct Showcase : ::testing::Test {
    tk::Application app;
    TShowcaseForm* form = nullptr;
    void SetUp() override {
        guitest::ParkPointer();
        form = new TShowcaseForm(&app);
        form->Show();
        guitest::PumpUntilIdle(100);
    }
};

} // namespace

TEST_F(Showcase, OpensFromItsDesignWithEveryControlKind) {
    EXPECT_TRUE(form->created);
    EXPECT_EQ(app.MainForm(), form);
    EXPECT_EQ(form->ClassName(), "TShowcaseForm");
    wchar_t windowClass[64] = {};
    GetClassNameW(form->Handle(), windowClass, 64);
    EXPECT_STREQ(windowClass, L"TShowcaseForm");
    EXPECT_EQ(form->ClientWidth(), 640);
    EXPECT_EQ(form->ClientHeight(), 470);

    std::vector<std::string> kinds;
    for (tk::Component* c : form->Components()) {
        kinds.push_back(c->ClassName());
    }
    for (const char* kind :
         {"TPageControl", "TTabSheet",    "TButton",     "TBitBtn",     "TCheckBox",
          "TRadioButton", "TEdit",        "TUpDown",     "TComboBox",   "TDateTimePicker",
          "TScrollBar",   "TTreeView",    "TGroupBox",   "TLabel",      "TImage",
          "TShape",       "TSpeedButton", "TRadioGroup", "TPanel",      "TMemo",
          "TTrackBar",    "TProgressBar", "TListView",   "TStatusBar",  "TMainMenu",
          "TPopupMenu",   "TMenuItem",    "TImageList",  "TActionList", "TAction",
          "TTimer"}) {
        EXPECT_NE(std::find(kinds.begin(), kinds.end(), kind), kinds.end()) << kind;
    }

    CreateDirectoryW(L"" KANVIO_SCREENSHOT_DIR_W, nullptr);
    guitest::Capture shot = guitest::CaptureWindow(form->Handle());
    EXPECT_TRUE(shot.SavePng(KANVIO_SCREENSHOT_DIR "/showcase.png"));
}

TEST_F(Showcase, DesignedValuesReachTheWindows) {
    auto& pages = form->Get<tk::PageControl>("PageControl1");
    EXPECT_EQ(SendMessageW(pages.Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(pages.ActivePage(), &form->Get<tk::TabSheet>("TabSheet1"));
    auto& tree = form->Get<tk::TreeView>("TreeView1");
    ASSERT_EQ(tree.Items().Children().size(), 1u);
    EXPECT_EQ(tree.Items().Children()[0]->Children()[0]->Text(), "蓝天白云");
    EXPECT_TRUE(form->Get<tk::CheckBox>("CheckBox1").Checked());
    EXPECT_EQ(SendMessageW(form->Get<tk::CheckBox>("CheckBox1").Handle(), BM_GETCHECK, 0, 0),
              BST_CHECKED);
    EXPECT_EQ(form->Get<tk::RadioGroup>("RadioGroup1").Buttons().size(), 3u);
    EXPECT_TRUE(form->Get<tk::RadioGroup>("RadioGroup1").Buttons()[1]->Checked());
    EXPECT_EQ(form->Get<tk::Edit>("Edit2").Text(), "5");
    EXPECT_EQ(form->Get<tk::ProgressBar>("ProgressBar1").Style(), tk::ProgressStyle::Chunks);
    // The status bar sits on the bottom edge of the client area.
    auto& status = form->Get<tk::StatusBar>("StatusBar1");
    EXPECT_EQ(status.Top() + status.Height(), form->ClientHeight());
    EXPECT_EQ(status.Width(), form->ClientWidth());
    // The main menu is the window's menu, the action's caption is on its item.
    HMENU bar = GetMenu(form->Handle());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(form->Get<tk::MenuItem>("MenuExit").Caption(), "退出");
    // The speed button took caption and glyph from its action.
    auto& speed = form->Get<tk::SpeedButton>("SpeedButton1");
    EXPECT_EQ(speed.Caption(), "退出");
    EXPECT_FALSE(speed.Glyph().Empty());
}

TEST_F(Showcase, PaintsTheWindowlessControls) {
    auto& shape = form->Get<tk::Shape>("Shape1");
    EXPECT_EQ(ScreenPixel(ScreenPoint(shape, {30, 20})), 0xFFFF00u); // yellow ellipse
    auto& image = form->Get<tk::Image>("Image1");
    EXPECT_EQ(ScreenPixel(ScreenPoint(image, {0, 0})), 0xFFFF00u);   // picture's top-left
    EXPECT_EQ(ScreenPixel(ScreenPoint(image, {16, 16})), 0x0000FFu); // its blue disc
}

TEST_F(Showcase, ClicksReachTheBoundHandlers) {
    auto& button = form->Get<tk::Button>("Button1");
    guitest::Click(button.Handle(), {10, 10});
    EXPECT_EQ(form->buttonClicks, 1);
    auto& speed = form->Get<tk::SpeedButton>("SpeedButton1");
    guitest::Click(speed.Parent()->Handle(), {speed.Left() + 5, speed.Top() + 5});
    EXPECT_EQ(form->actionRuns, 1);
}
