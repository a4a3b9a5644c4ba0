// Which control gets which skinner: the rules for application forms (tag,
// the application's event, Skin3rd lines, the kinds switched on) and the
// window classes of windows without a form object.
#include "ControlsFixture.h"

#include "GraphicControls.h"
#include "SkinBitButton.h"
#include "SkinCheckBox.h"
#include "SkinSpeedButton.h"

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

} // namespace
