// Forms at the screen's scale: a design is written for 96 dots per inch and
// a form loaded from it scales its controls' bounds and fonts to the dots
// per inch of its screen, and again when its window moves to a screen of
// another scale. ctest runs these at 96, 120, 144 and 192 dots per inch.
#include "tests/toolkit/FormFixture.h"

#include "toolkit/Dpi.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Label.h"
#include "toolkit/StdCtrls.h"

#include <cstdlib>
#include <string>

namespace {

const char* const ScaledDesign = R"(object F: TForm
  BorderStyle = bsSingle
  ClientWidth = 401
  ClientHeight = 301
  Font.Height = -12
  object Bar: TPanel
    Align = alTop
    Height = 41
  end
  object Ok: TButton
    Left = 10
    Top = 53
    Width = 75
    Height = 25
    Caption = 'OK'
  end
  object Name: TEdit
    Left = 85
    Top = 53
    Width = 121
    Height = 21
  end
  object Note: TLabel
    Left = 13
    Top = 97
    Caption = 'Scaled'
    Font.Height = -11
  end
end
)";

// A design measure at `dpi`, as the form rounds it: edges to the nearest pixel.
int At(int designValue, int dpi) {
    return MulDiv(designValue, dpi, tk::DesignDpi);
}

// The size between two design edges at `dpi`.
int SpanAt(int from, int to, int dpi) {
    return At(to, dpi) - At(from, dpi);
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

int RenderedHeight(const tk::Font& font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

struct Scale : FormFixture {
    int dpi = tk::WindowDpi(nullptr);

    void SetUp() override {
        FormFixture::SetUp();
        app.SetScalesForms(true);
    }

    // Each control's bounds and font at `at` dots per inch, as scaled from
    // the design: the client within `clientSlack` pixels, the controls within
    // `slack` (a form scaled again and again rounds each time).
    void ExpectDesignAt(int at, int clientSlack, int slack) {
        auto& ok = Find<tk::Button>("Ok");
        auto& name = Find<tk::Edit>("Name");
        auto& note = Find<tk::Label>("Note");
        auto& bar = Find<tk::Panel>("Bar");
        EXPECT_EQ(form->PixelsPerInch(), at);
        EXPECT_NEAR(form->ClientWidth(), At(401, at), clientSlack);
        EXPECT_NEAR(form->ClientHeight(), At(301, at), clientSlack);
        EXPECT_NEAR(ok.Left(), At(10, at), slack);
        EXPECT_NEAR(ok.Top(), At(53, at), slack);
        EXPECT_NEAR(ok.Width(), SpanAt(10, 85, at), 2 * slack);
        EXPECT_NEAR(ok.Height(), SpanAt(53, 78, at), 2 * slack);
        // Neighbours that touched in the design still touch.
        EXPECT_EQ(ok.Left() + ok.Width(), name.Left());
        EXPECT_NEAR(name.Width(), SpanAt(85, 206, at), 2 * slack);
        EXPECT_NEAR(note.Left(), At(13, at), slack);
        EXPECT_NEAR(note.Top(), At(97, at), slack);
        // The aligned panel follows the scaled client; its own height scales.
        EXPECT_NEAR(bar.Height(), At(41, at), slack);
        EXPECT_EQ(bar.Width(), form->ClientWidth());
        EXPECT_NEAR(form->Font().Height(), At(-12, at), slack);
        EXPECT_EQ(ok.Font().Height(), form->Font().Height()) << "the button takes the form's font";
        EXPECT_NEAR(note.Font().Height(), At(-11, at), slack) << "the label's own font scales";
    }
};

TEST_F(Scale, TheProgramRunsAtTheScaleItWasStartedFor) {
    const char* wanted = std::getenv("KANVIO_DPI");
    EXPECT_EQ(dpi, wanted ? std::atoi(wanted) : tk::DesignDpi);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), dpi);
    ReleaseDC(nullptr, screen);
}

TEST_F(Scale, ADesignedFormScalesItsControlsAndFontsToTheScreen) {
    Read(ScaledDesign);
    ShowForm();
    ExpectDesignAt(dpi, 0, 0);
    // The windows have the scaled sizes too, and the fonts draw larger.
    const RECT ok = WindowRect(Find<tk::Button>("Ok").Handle());
    EXPECT_EQ(ok.right - ok.left, SpanAt(10, 85, dpi));
    EXPECT_EQ(ok.bottom - ok.top, SpanAt(53, 78, dpi));
    EXPECT_NEAR(RenderedHeight(form->Font()), At(14, dpi), 2);
    EXPECT_TRUE(errors.empty());
}

// A program whose own drawing does not scale yet keeps its forms whole at
// the design's measures, on any screen and through a change of scale.
TEST_F(Scale, AProgramThatDoesNotScaleItsFormsKeepsTheDesignsMeasures) {
    app.SetScalesForms(false);
    Read(ScaledDesign);
    ShowForm();
    ExpectDesignAt(tk::DesignDpi, 0, 0);
    const RECT before = WindowRect(form->Handle());
    RECT suggested = before;
    OffsetRect(&suggested, 7, 5);
    SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi * 5 / 4, dpi * 5 / 4),
                 reinterpret_cast<LPARAM>(&suggested));
    guitest::PumpUntilIdle();
    ExpectDesignAt(tk::DesignDpi, 0, 0);
    EXPECT_TRUE(errors.empty());
}

TEST_F(Scale, AMoveToAScreenOfAnotherScaleRescalesTheLiveFormAndTakesTheSuggestedPlace) {
    Read(ScaledDesign);
    ShowForm();
    const RECT before = WindowRect(form->Handle());
    // Scales whose windows still fit the test screen (the system keeps a
    // window within it).
    for (const int next : {dpi * 5 / 4, dpi * 3 / 4, dpi}) {
        SCOPED_TRACE("to " + std::to_string(next) + " dpi");
        const RECT old = WindowRect(form->Handle());
        const RECT suggested{
            old.left + 7, old.top + 5,
            old.left + 7 + MulDiv(old.right - old.left, next, form->PixelsPerInch()),
            old.top + 5 + MulDiv(old.bottom - old.top, next, form->PixelsPerInch())};
        SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(next, next),
                     reinterpret_cast<LPARAM>(&suggested));
        guitest::PumpUntilIdle();
        const RECT now = WindowRect(form->Handle());
        EXPECT_EQ(now.left, suggested.left);
        EXPECT_EQ(now.top, suggested.top);
        EXPECT_EQ(now.right, suggested.right);
        EXPECT_EQ(now.bottom, suggested.bottom);
        // The system's frame does not grow with the form's scale here, so
        // the client of the suggested window may differ by the frame's share.
        ExpectDesignAt(next, 2 * GetSystemMetrics(SM_CYCAPTION), 1);
    }
    // Back at the start, nothing has drifted.
    const RECT after = WindowRect(form->Handle());
    EXPECT_NEAR(after.right - after.left, before.right - before.left, 1);
    EXPECT_NEAR(after.bottom - after.top, before.bottom - before.top, 1);
}

} // namespace
