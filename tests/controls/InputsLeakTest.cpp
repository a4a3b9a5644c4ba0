// Painting every skinned container and input a thousand times (an edit also
// printed), and freeing and finding them again a hundred times, leaves the
// process's live GDI objects and windows as they were.
#include "tests/controls/InputsFixture.h"

#include "toolkit/ExtCtrls.h"
#include "tests/guitest/LeakCheck.h"
#include "toolkit/Notifications.h"
#include "skin/WinSubClass/SkinEdit.h"
#include "skin/WinSubClass/SkinStatusBar.h"
#include "toolkit/StatusBar.h"

#include <commctrl.h>

using namespace skin;
using namespace controlstest;

namespace {

class InputsLeaks : public InputsTest {
protected:
    // One control of every kind, found by discovery as in the program.
    void Populate(tk::Form& form) {
        skinData->SetSkin3rd(
            {"TPanel=panel", "TGroupBox=groupbox", "TComboBox=combobox", "TEdit=edit"});
        panel = &Place<tk::Panel>(form, 10, 10, 100, 40);
        group = &Place<tk::GroupBox>(form, 120, 10, 120, 60);
        group->SetCaption("Group");
        combo = &Place<tk::ComboBox>(form, 10, 80, 120, 24);
        edit = &Place<tk::Edit>(form, 10, 120, 120, 24);
        RECT client{};
        GetClientRect(edit->Handle(), &client);
        CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, client.right - 14, 0, 14,
                        client.bottom, edit->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        bar = &Place<tk::StatusBar>(form, 0, 0, 200, 22);
        bar->SetAlign(tk::Align::Bottom);
        bar->AddPanel().SetText("Panel");
        frame->SkinFormControls(form);
        // The status bar is not in discovery's rules: attached as a test
        // attaches it.
        (new TSkinStatusBar(bar))->Attach(*frame, *skinData, false, frame->FControlCanvas);
        frametest::Settle();
    }
    tk::Panel* panel = nullptr;
    tk::GroupBox* group = nullptr;
    tk::ComboBox* combo = nullptr;
    tk::Edit* edit = nullptr;
    tk::StatusBar* bar = nullptr;
};

TEST_F(InputsLeaks, AThousandRepaintsOfEveryKind) {
    tk::Form& form = InputForm();
    Populate(form);
    ASSERT_NE(frame->FindControlByWindow(edit->Handle()), nullptr);
    for (tk::WinControl* control :
         std::initializer_list<tk::WinControl*>{panel, group, combo, edit, bar}) {
        guitest::ExpectFlat(1000, [&] {
            RedrawWindow(control->Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
            SendMessageW(control->Handle(), tk::kNotifyMouseEnter, 0, 0);
            SendMessageW(control->Handle(), tk::kNotifyMouseLeave, 0, 0);
        });
    }
    auto* skinner = dynamic_cast<TSkinEdit*>(frame->FindControlByWindow(edit->Handle()));
    ASSERT_NE(skinner, nullptr);
    EXPECT_NE(skinner->FUpDown, nullptr);
    const tk::WindowDC screen = tk::WindowDC::Client(nullptr);
    tk::MemoryDC memory(screen, edit->Width(), edit->Height());
    guitest::ExpectFlat(1000, [&] {
        SendMessageW(edit->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(static_cast<HDC>(memory)),
                     PRF_NONCLIENT | PRF_CLIENT);
    });
}

TEST_F(InputsLeaks, AHundredFreeAndFindCycles) {
    tk::Form& form = InputForm();
    Populate(form);
    const size_t listed = frame->FControls.size();
    guitest::ExpectFlat(100, [&] {
        frame->FreeControls();
        frame->SkinFormControls(form);
        edit->Invalidate();
        frametest::Settle();
    });
    // The status bar's skinner is gone; the rest found again, the spin
    // button's too.
    EXPECT_EQ(frame->FControls.size(), listed - 1);
}

} // namespace
