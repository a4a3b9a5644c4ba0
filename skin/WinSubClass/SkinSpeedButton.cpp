#include "skin/WinSubClass/SkinSpeedButton.h"

#include "skin/SkinRead/AsciiText.h"
#include "skin/ImgUtil/ImgUtil.h"
#include "toolkit/Notifications.h"
#include "toolkit/Picture.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <algorithm>

namespace skin {

const tk::ClassInfo& TSkinSpeedButton::StaticClass() {
    static const tk::ClassInfo info("TSkinSpeedButton", &TSkinBitButton::StaticClass());
    return info;
}

TSkinSpeedButton::TSkinSpeedButton(tk::Component* owner) : TSkinBitButton(owner) {}

void TSkinSpeedButton::AttachGraphic(TWinSkinForm& frame, TSkinData& skin, tk::Canvas& canvas) {
    auto* control = dynamic_cast<tk::Control*>(Owner());
    if (FAttached || !control) {
        return;
    }
    FGraphicControl = control;
    HookControl(*control);
    Register(frame, skin, canvas);
    FAttached = true;
    FState = TSkinnerState::Attached;
    control->Invalidate();
}

int TSkinSpeedButton::StateFrame(DWORD) const {
    int frame = button_frame::Normal;
    if (Pressed()) {
        frame = button_frame::Pressed;
    } else if (MouseOver()) {
        frame = button_frame::Hot;
    }
    if (!FIsEnabled) {
        frame = button_frame::Disabled;
    }
    if (skintext::EqualIgnoringAsciiCase(GetEnumProp("Down"), "true")) {
        frame = button_frame::Pressed;
    }
    return frame;
}

void TSkinSpeedButton::PaintSpeedButton(tk::Canvas& canvas, const RECT& rect) {
    const tk::Control* control = SkinnedControl();
    const TDataSkinButton& element = FSkinData->Buttons;
    if (!control || !canvas.HasHandle() || IsRectEmpty(&rect) || element.Bitmap.Empty()) {
        return;
    }
    FIsEnabled = control->Enabled();
    const int frame = StateFrame(0);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    PaintElementToBuffer(rect, element, element.Trans == 1, std::max(element.Frame, 1), frame);
    {
        const tk::BitmapDC buffer(NativeBitmap(FrameScratch()));
        tk::Canvas bufferCanvas;
        const tk::CanvasBinding bound(bufferCanvas, buffer);
        bufferCanvas.Font() = control->Font();
        TFace face;
        face.glyph = static_cast<const tk::Bitmap*>(GetObjProp("Glyph", "TBitmap"));
        if (!face.glyph || face.glyph->Empty()) {
            DrawCaption(bufferCanvas, {0, 0, width, height}, DT_CENTER, FIsEnabled,
                        GetStrProp("Caption"));
        } else {
            face.numGlyphs = GetIntProp("NumGlyphs");
            face.margin = GetIntProp("Margin");
            face.spacing = GetIntProp("Spacing");
            face.layout = GlyphLayoutFromName(GetEnumProp("Layout").c_str());
            // Selects the canvas font into the buffer.
            bufferCanvas.TextExtent("");
            DrawGlyphAndCaption(buffer, {width, height}, face, ControlCaption(), frame,
                                tk::ResolveColour(control->Font().GetColor()), true);
        }
        DrawFocusCue(buffer, {0, 0, width, height},
                     CaptionColour(frame, tk::ResolveColour(control->Font().GetColor()), true));
    }
    BlitBuffer(canvas.Handle(), rect);
}

void TSkinSpeedButton::Paint(HDC) {
    tk::Control* control = SkinnedControl();
    auto* graphic = dynamic_cast<tk::GraphicControl*>(control);
    if (graphic && graphic->Canvas().HasHandle()) {
        PaintSpeedButton(graphic->Canvas(), graphic->ClientRect());
    } else if (control) {
        control->Invalidate();
    }
}

bool TSkinSpeedButton::BeforeMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_PAINT:
        return OnPaintMessage(message);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return OnPress(message);
    default:
        return TSkinButton::BeforeMessage(message);
    }
}

void TSkinSpeedButton::AfterMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_NCDESTROY:
    case tk::NotifyHostDestroyed:
        return UnhookControl();
    case WM_LBUTTONUP:
        return OnRelease();
    case tk::NotifyMouseEnter:
        return OnPointerOver(true);
    case tk::NotifyMouseLeave:
        return OnPointerOver(false);
    default:
        return TSkinButton::AfterMessage(message);
    }
}

// The parent paints the control on the context it hands over.
bool TSkinSpeedButton::OnPaintMessage(tk::Message& message) {
    if (message.wParam && SkinnedControl()) {
        tk::Canvas canvas;
        const tk::CanvasBinding bound(canvas, reinterpret_cast<HDC>(message.wParam));
        try {
            PaintSpeedButton(canvas, SkinnedControl()->ClientRect());
        } catch (...) {
            // a failed paint leaves the control as it was
        }
    }
    message.result = 1;
    return false;
}

// The control clicks itself; the skinner shows it pressed.
bool TSkinSpeedButton::OnPress(tk::Message& message) {
    if (!PassOnAndSurvive(message)) {
        return false;
    }
    SetMouseBits(mouse_bit::Pressed, true);
    Paint(nullptr);
    return false;
}

void TSkinSpeedButton::OnRelease() {
    SetMouseBits(mouse_bit::Pressed, false);
    Repaint();
}

// Leaving also ends a press; a hidden control is not repainted.
void TSkinSpeedButton::OnPointerOver(bool over) {
    if (over) {
        SetMouseBits(mouse_bit::Over, true);
        Repaint();
        return;
    }
    SetMouseBits(mouse_bit::Over | mouse_bit::Pressed, false);
    if (SkinnedControl() && SkinnedControl()->Visible()) {
        Repaint();
    }
}

} // namespace skin
