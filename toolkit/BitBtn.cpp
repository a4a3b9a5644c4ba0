#include "toolkit/BitBtn.h"

namespace tk {
namespace {
// How far the face moves while the button is held down.
constexpr int PressedOffset = 1;
// The focus rectangle's distance inside the button's edge.
constexpr int FocusInset = 3;
} // namespace

const ClassInfo& BitBtn::StaticClass() {
    static const ClassInfo info = ClassInfo::Make<BitBtn>(
        "TBitBtn", &Button::StaticClass(), [](auto& p) { PublishGlyphProperties(p); });
    return info;
}

BitBtn::BitBtn(Component* owner) : Button(owner), GlyphProperties([this] { Invalidate(); }) {}

void BitBtn::ChangeScale(int to, int from) {
    Button::ChangeScale(to, from);
    ScaleGlyph(to, from);
}

void BitBtn::FillCreateParams(CreateParams& params) {
    Button::FillCreateParams(params);
    params.style = (params.style & ~(BS_DEFPUSHBUTTON | BS_PUSHBUTTON)) | BS_OWNERDRAW;
}

bool BitBtn::DrawItemReflected(const DRAWITEMSTRUCT& item) {
    Canvas canvas(item.hDC);
    canvas.Font() = Font();
    RECT rect = item.rcItem;
    bool pressed = (item.itemState & ODS_SELECTED) != 0;
    bool focused = (item.itemState & ODS_FOCUS) != 0;
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(rect);
    if (Active() || focused) {
        FrameRect(item.hDC, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&rect, -1, -1);
    }
    DrawFrameControl(item.hDC, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    GlyphState state = !Enabled() ? GlyphState::Disabled
                       : pressed  ? GlyphState::Down
                                  : GlyphState::Up;
    DrawButtonFace(canvas, rect, Face(Caption()), state, pressed ? PressedOffset : 0);
    if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = rect;
        InflateRect(&focus, -FocusInset, -FocusInset);
        DrawFocusRect(item.hDC, &focus);
    }
    return true;
}

} // namespace tk
