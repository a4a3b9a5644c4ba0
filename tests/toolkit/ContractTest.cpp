// What other code finds out about controls without knowing their classes:
// class names, window classes, published properties by name.
#include "toolkit/Application.h"
#include "toolkit/ClassRegistry.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/Properties.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/WinControl.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::wstring WindowClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

} // namespace

TEST(Contract, EveryRegisteredClassReportsItsNameAndAncestry) {
    tk::Application app;
    auto* form = new tk::Form(&app);
    struct Expected {
        const char* name;
        const char* base;
        const wchar_t* windowClass; // null for window-less controls and components
    };
    const Expected classes[] = {
        {"TImage", "TGraphicControl", nullptr},
        {"TShape", "TGraphicControl", nullptr},
        {"TLabel", "TGraphicControl", nullptr},
        {"TSpeedButton", "TGraphicControl", nullptr},
        {"TButton", "TWinControl", L"Button"},
        {"TBitBtn", "TButton", L"Button"},
        {"TCheckBox", "TWinControl", L"Button"},
        {"TRadioButton", "TWinControl", L"Button"},
        {"TGroupBox", "TWinControl", L"Button"},
        {"TRadioGroup", "TGroupBox", L"Button"},
        {"TEdit", "TWinControl", L"Edit"},
        {"TMemo", "TEdit", L"Edit"},
        {"TComboBox", "TWinControl", L"ComboBox"},
        {"TScrollBar", "TWinControl", L"ScrollBar"},
        {"TPanel", "TWinControl", L"TPanel"},
        {"TPageControl", "TWinControl", L"SysTabControl32"},
        {"TTreeView", "TWinControl", L"SysTreeView32"},
        {"TListView", "TWinControl", L"SysListView32"},
        {"TStatusBar", "TWinControl", L"msctls_statusbar32"},
        {"TTrackBar", "TWinControl", L"msctls_trackbar32"},
        {"TUpDown", "TWinControl", L"msctls_updown32"},
        {"TProgressBar", "TWinControl", L"msctls_progress32"},
        {"TDateTimePicker", "TWinControl", L"SysDateTimePick32"},
        {"TTimer", "TComponent", nullptr},
        {"TMainMenu", "TMenu", nullptr},
        {"TPopupMenu", "TMenu", nullptr},
        {"TMenuItem", "TComponent", nullptr},
        {"TImageList", "TComponent", nullptr},
        {"TActionList", "TComponent", nullptr},
        {"TAction", "TComponent", nullptr},
    };
    for (const Expected& e : classes) {
        tk::Component* c = app.Classes().Create(e.name, form);
        EXPECT_EQ(c->ClassName(), e.name);
        EXPECT_TRUE(c->InheritsFrom(e.base)) << e.name;
        EXPECT_TRUE(c->InheritsFrom("TComponent")) << e.name;
        if (auto* windowed = dynamic_cast<tk::WinControl*>(c)) {
            windowed->SetParent(form);
            ASSERT_NE(e.windowClass, nullptr) << e.name;
            EXPECT_STREQ(WindowClassOf(windowed->Handle()).c_str(), e.windowClass) << e.name;
        } else {
            EXPECT_EQ(e.windowClass, nullptr) << e.name;
        }
    }
    EXPECT_EQ(form->Components().size(), std::size(classes));
}

TEST(Contract, ButtonPropertiesReadByName) {
    tk::Application app;
    auto* form = new tk::Form(&app);
    auto* bit = new tk::BitBtn(form);
    bit->SetCaption("确定");
    bit->SetDefault(true);
    bit->SetNumGlyphs(4);
    bit->SetMargin(-1);
    bit->SetSpacing(2);
    bit->SetLayout(tk::ButtonLayout::GlyphTop);
    bit->Glyph().SetSize(64, 16);
    EXPECT_EQ(tk::TryGetStrProp(*bit, "Caption"), "确定");
    EXPECT_EQ(tk::TryGetEnumProp(*bit, "Default"), "True");
    EXPECT_EQ(tk::TryGetIntProp(*bit, "NumGlyphs"), 4);
    EXPECT_EQ(tk::TryGetIntProp(*bit, "Margin"), -1);
    EXPECT_EQ(tk::TryGetIntProp(*bit, "Spacing"), 2);
    EXPECT_EQ(tk::TryGetEnumProp(*bit, "Layout"), "blGlyphTop");
    auto* glyph = dynamic_cast<tk::Bitmap*>(tk::TryGetObjProp(*bit, "Glyph"));
    ASSERT_NE(glyph, nullptr);
    EXPECT_EQ(glyph->Width(), 64);
    EXPECT_NE(dynamic_cast<tk::Font*>(tk::TryGetObjProp(*bit, "Font")), nullptr);

    auto* check = new tk::CheckBox(form);
    check->SetChecked(true);
    EXPECT_EQ(tk::TryGetEnumProp(*check, "Checked"), "True");
    auto* speed = new tk::SpeedButton(form);
    tk::SetEnumProp(*speed, "Flat", "True");
    EXPECT_TRUE(speed->Flat());
    // A control without the property: the caller finds out before setting.
    EXPECT_FALSE(tk::PropertyKindOf(*check, "Flat"));
    EXPECT_THROW(tk::SetEnumProp(*check, "Flat", "True"), std::invalid_argument);
}

TEST(Contract, ControlsAreFoundThroughTheirWindows) {
    tk::Application app;
    auto* form = new tk::Form(&app);
    auto* edit = new tk::Edit(form);
    edit->SetParent(form);
    EXPECT_EQ(tk::WinControl::FromHandle(edit->Handle()), edit);
    EXPECT_EQ(tk::WinControl::FromHandle(form->Handle()), form);
    EXPECT_EQ(tk::WinControl::FromHandle(GetDesktopWindow()), nullptr);
    EXPECT_EQ(GetParent(edit->Handle()), form->Handle());
    EXPECT_EQ(edit->ParentForm(), form);
    EXPECT_EQ(tk::ApplicationOf(*edit), &app);
}
