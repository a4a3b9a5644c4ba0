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
    int frame = ButtonFrame::Normal;
    if (Pressed()) {
        frame = ButtonFrame::Pressed;
    } else if (MouseOver()) {
        frame = ButtonFrame::Hot;
    }
    if (!FIsEnabled) {
        frame = ButtonFrame::Disabled;
    }
    if (skintext::EqualIgnoringAsciiCase(GetEnumProp("Down"), "true")) {
        frame = ButtonFrame::Pressed;
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
                                tk::ToRgb(control->Font().GetColor()), true);
        }
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
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CallOriginal(message);
        FMouseState |= MouseBit::Pressed;
        Paint(nullptr);
        return false;
    default:
        return TSkinButton::BeforeMessage(message);
    }
}

void TSkinSpeedButton::AfterMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_NCDESTROY:
        UnhookControl();
        return;
    case WM_LBUTTONUP:
        FMouseState &= uint8_t(~MouseBit::Pressed);
        Repaint();
        return;
    default:
        break;
    }
    if (message.msg == tk::kNotifyHostDestroyed) {
        UnhookControl();
    } else if (message.msg == tk::kNotifyMouseEnter) {
        FMouseState |= MouseBit::Over;
        Repaint();
    } else if (message.msg == tk::kNotifyMouseLeave) {
        FMouseState &= uint8_t(~(MouseBit::Over | MouseBit::Pressed));
        if (SkinnedControl() && SkinnedControl()->Visible()) {
            Repaint();
        }
    } else {
        TSkinButton::AfterMessage(message);
    }
}

} // namespace skin
