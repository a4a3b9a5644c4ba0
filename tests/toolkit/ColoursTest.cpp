// A form's colour changed at run time (as a skin sets it) shows on every
// control that follows its parent's colour, read back from the screen.
#include "toolkit/ExtCtrls.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/PageControl.h"
#include "toolkit/Properties.h"
#include "toolkit/StdCtrls.h"

#include "tests/toolkit/FormFixture.h"
#include "tests/guitest/GuiTest.h"

#include <string>

namespace {

struct Colours : FormFixture {
    void SetUp() override {
        FormFixture::SetUp();
        form->SetBorderStyle(tk::BorderStyle::Single);
        form->SetBounds(30, 30, 620, 300);
    }
    // A point of the control's own background (clear of caption and glyph),
    // read back from the screen.
    uint32_t Background(const std::string& name, POINT at) {
        auto& control = Find<tk::Control>(name);
        POINT screen = control.ClientToScreen(at);
        if (!control.IsWindowed()) {
            screen =
                control.Parent()->ClientToScreen({control.Left() + at.x, control.Top() + at.y});
        }
        guitest::Capture capture =
            guitest::CaptureScreen({screen.x, screen.y, screen.x + 1, screen.y + 1});
        return capture.At(0, 0);
    }
};

// One of each control that follows its parent: on the form itself and on a
// tab sheet, plus a panel whose design gives it a colour of its own.
const char ColourDesign[] = R"(object F: TForm
  object Pages: TPageControl
    Left = 300
    Top = 8
    Width = 300
    Height = 250
    object Sheet: TTabSheet
      Caption = 'Sheet'
      object SheetPanel: TPanel
        Left = 8
        Top = 8
        Width = 120
        Height = 40
        BevelOuter = bvNone
      end
      object SheetGroup: TGroupBox
        Left = 8
        Top = 56
        Width = 120
        Height = 60
        Caption = 'Group'
        object GroupCheck: TCheckBox
          Left = 8
          Top = 24
          Width = 100
          Height = 20
          Caption = 'In'
        end
      end
      object SheetCheck: TCheckBox
        Left = 140
        Top = 8
        Width = 120
        Height = 20
        Caption = 'Check'
      end
      object SheetRadio: TRadioButton
        Left = 140
        Top = 40
        Width = 120
        Height = 20
        Caption = 'Radio'
      end
      object SheetLabel: TLabel
        Left = 140
        Top = 80
        Width = 120
        Height = 20
        Caption = 'Label'
      end
    end
  end
  object Panel: TPanel
    Left = 8
    Top = 8
    Width = 120
    Height = 40
    BevelOuter = bvNone
  end
  object Own: TPanel
    Left = 140
    Top = 8
    Width = 120
    Height = 40
    BevelOuter = bvNone
    Color = clWhite
  end
  object Group: TGroupBox
    Left = 8
    Top = 56
    Width = 120
    Height = 60
    Caption = 'Group'
  end
  object Check: TCheckBox
    Left = 8
    Top = 130
    Width = 120
    Height = 20
    Caption = 'Check'
  end
  object Radio: TRadioButton
    Left = 8
    Top = 160
    Width = 120
    Height = 20
    Caption = 'Radio'
  end
  object Caption: TLabel
    Left = 8
    Top = 190
    Width = 120
    Height = 20
    Caption = 'Label'
  end
end)";

} // namespace

TEST_F(Colours, AFormColourChangedAtRunTimeShowsOnEveryControlThatFollowsIt) {
    Read(ColourDesign);
    ShowForm();
    const struct {
        const char* name;
        POINT at;
    } followers[] = {
        {"Sheet", {280, 200}},     {"SheetPanel", {110, 30}}, {"SheetGroup", {110, 50}},
        {"GroupCheck", {95, 10}},  {"SheetCheck", {115, 10}}, {"SheetRadio", {115, 10}},
        {"SheetLabel", {115, 10}}, {"Panel", {110, 30}},      {"Group", {110, 50}},
        {"Check", {115, 10}},      {"Radio", {115, 10}},      {"Caption", {115, 10}},
    };
    for (const auto& control : followers) {
        EXPECT_EQ(tk::TryGetBoolProp(Find<tk::Control>(control.name), "ParentColor"), true)
            << control.name;
    }
    EXPECT_EQ(tk::TryGetBoolProp(Find<tk::Control>("Own"), "ParentColor"), false);
    for (COLORREF colour : {RGB(0xD0, 0x70, 0x30), RGB(0x30, 0x90, 0x60)}) {
        form->SetColor(colour);
        guitest::PumpUntilIdle();
        for (const auto& control : followers) {
            EXPECT_EQ(Background(control.name, control.at), guitest::Rgb(colour)) << control.name;
        }
        EXPECT_EQ(Background("Own", {110, 30}), 0xFFFFFFu);
    }
    // Each change replaces the brushes it made; none is left behind.
    const guitest::ObjectCounts before = guitest::CountLiveObjects();
    form->SetColor(RGB(0xD0, 0x70, 0x30));
    guitest::PumpUntilIdle();
    form->SetColor(RGB(0x30, 0x90, 0x60));
    guitest::PumpUntilIdle();
    EXPECT_EQ(guitest::CountLiveObjects().gdi, before.gdi);
}

// A design writes a colour by name, as a number, in hexadecimal, or as the
// signed number a system colour streams as; each reaches the control as one
// colour value and is drawn as its RGB. "No colour" never reaches GDI as a
// value it cannot read.
TEST_F(Colours, EveryWayADesignWritesAColourDrawsTheSameColour) {
    Read(R"(object F: TForm
  object Named: TPanel
    Width = 40
    Height = 40
    BevelOuter = bvNone
    Color = clBtnFace
  end
  object Signed: TPanel
    Left = 50
    Width = 40
    Height = 40
    BevelOuter = bvNone
    Color = -16777201
  end
  object Hex: TPanel
    Left = 100
    Width = 40
    Height = 40
    BevelOuter = bvNone
    Color = $003070D0
  end
end)");
    ShowForm();
    EXPECT_EQ(Find<tk::Control>("Named").GetColor(), base::SystemColour(COLOR_BTNFACE));
    EXPECT_EQ(Find<tk::Control>("Signed").GetColor(), base::SystemColour(COLOR_BTNFACE));
    EXPECT_EQ(tk::TryGetIntProp(Find<tk::Control>("Signed"), "Color"), -16777201)
        << "a system colour reads back as the number a design writes";
    EXPECT_EQ(Find<tk::Control>("Hex").GetColor(), base::Colour{0x3070D0});
    const uint32_t face = guitest::Rgb(GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Background("Named", {20, 20}), face);
    EXPECT_EQ(Background("Signed", {20, 20}), face);
    EXPECT_EQ(Background("Hex", {20, 20}), guitest::Rgb(RGB(0xD0, 0x70, 0x30)));
    EXPECT_EQ(tk::ResolveColour(tk::clNone), COLORREF{0xFFFFFF});
    EXPECT_EQ(tk::ResolveColour(base::SystemColour(COLOR_HIGHLIGHT)), GetSysColor(COLOR_HIGHLIGHT));
}
