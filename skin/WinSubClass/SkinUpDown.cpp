#include "skin/WinSubClass/SkinUpDown.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "toolkit/Notifications.h"
#include "skin/WinSubClass/RangeCodes.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "toolkit/Assert.h"

#include <windowsx.h>

#include <array>

namespace skin {
namespace {

// The plain arrow's centre sits this much above the middle of an up or down
// half.
constexpr int PlainArrowRaise = 2;

struct TSegment {
    int x1, y1, x2, y2;
};

// The plain up and down arrows: short lines around the centre.
constexpr std::array<TSegment, 7> UpArrowLines{{{0, 0, 0, -1},
                                                {1, 1, 4, 4},
                                                {0, 1, 3, 4},
                                                {0, 2, 2, 4},
                                                {-1, 1, -4, 4},
                                                {0, 2, -3, 4},
                                                {0, 1, -2, 4}}};
constexpr std::array<TSegment, 7> DownArrowLines{{{0, 3, 0, 4},
                                                  {1, 2, 4, -1},
                                                  {0, 2, 3, -1},
                                                  {0, 1, 2, 0},
                                                  {-1, 2, -4, -1},
                                                  {0, 2, -3, -1},
                                                  {0, 1, -2, 0}}};
// The plain left and right arrows: one polyline each.
constexpr std::array<POINT, 5> LeftArrowLine{{{0, 0}, {1, 2}, {1, -2}, {-1, 0}, {1, 2}}};
constexpr std::array<POINT, 5> RightArrowLine{{{0, 0}, {-1, 2}, {-1, -2}, {1, 0}, {-1, 2}}};

// The strip cell of a half: four per half (one per state), up and left first.
int CellOf(int kind, int state) {
    const int cell = state + UpDownCellsPerHalf * kind;
    const int inStrip = kind >= up_down_kind::Left ? cell - 2 * UpDownCellsPerHalf : cell;
    // Each strip (vertical or horizontal) holds the cells of its two halves.
    TK_ASSERT(inStrip >= 1 && inStrip <= 2 * UpDownCellsPerHalf);
    return inStrip;
}

int HalfIn(const RECT& first, const RECT& second, POINT point) {
    if (PtInRect(&first, point)) {
        return up_down_half::First;
    }
    return PtInRect(&second, point) ? up_down_half::Second : up_down_half::None;
}

} // namespace

const tk::ClassInfo& TSkinUpDown::StaticClass() {
    static const tk::ClassInfo info("TSkinUpDown", &TSkinControl::StaticClass());
    return info;
}

TSkinUpDown::TSkinUpDown(tk::Component* owner) : TSkinControl(owner) {}

bool TSkinUpDown::Horizontal() const {
    return FHorizontal == 1 || (GetWindowLongPtrW(FHandle, GWL_STYLE) & UDS_HORZ) != 0;
}

void TSkinUpDown::SplitHalves(const RECT& area, RECT& first, RECT& second) const {
    first = area;
    second = area;
    if (Horizontal()) {
        first.right = area.left + (area.right - area.left) / 2;
        second.left = first.right;
    } else {
        first.bottom = area.top + (area.bottom - area.top) / 2;
        second.top = first.bottom;
    }
}

int TSkinUpDown::HalfAt(POINT client) const {
    RECT area{};
    GetClientRect(FHandle, &area);
    RECT first{}, second{};
    SplitHalves(area, first, second);
    return HalfIn(first, second, client);
}

bool TSkinUpDown::BeforeMessage(tk::Message& message) {
    if (!TakeOverPainting(message)) {
        return false;
    }
    switch (message.msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return OnPress(message);
    case WM_LBUTTONUP:
        return OnRelease(message);
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

void TSkinUpDown::AfterMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_MOUSEMOVE:
        return OnMouseMove({GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)});
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        return OnMouseLeave();
    case tk::NotifyMouseLeave:
        return OnMouseLeave();
    default:
        return TSkinControl::AfterMessage(message);
    }
}

bool TSkinUpDown::OnPress(tk::Message& message) {
    if (PassOnAndSurvive(message)) {
        SetMouseBits(mouse_bit::Pressed, true);
        Paint(nullptr);
    }
    return false;
}

bool TSkinUpDown::OnRelease(tk::Message& message) {
    SetMouseBits(mouse_bit::Pressed, false);
    return PassOnThenPaint(message);
}

// The pointer's leaving is asked for once per visit; only a move onto the
// other half changes the look.
void TSkinUpDown::OnMouseMove(POINT client) {
    SetMouseBits(mouse_bit::Over, true);
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = FHandle;
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    if (HalfAt(client) != hotHalf_) {
        Paint(nullptr);
    }
}

void TSkinUpDown::OnMouseLeave() {
    SetMouseBits(mouse_bit::Over | mouse_bit::Pressed, false);
    Paint(nullptr);
}

void TSkinUpDown::Draw(HDC dc, const RECT& rect) {
    ReadWindowState();
    tk::MemoryDC buffer(dc, rect.right - rect.left, rect.bottom - rect.top);
    if (!buffer) {
        return;
    }
    RECT area{0, 0, buffer.Width(), buffer.Height()};
    FillBackground(buffer, area);
    if (FInset) {
        InflateRect(&area, -1, -1);
    }
    RECT first{}, second{};
    SplitHalves(area, first, second);
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(FHandle, &cursor);
    const int live = HalfIn(first, second, cursor);
    int liveState = up_down_state::Normal;
    if (Pressed()) {
        liveState = up_down_state::Pressed;
    } else if (MouseOver()) {
        liveState = up_down_state::Hot;
    }
    const auto stateOf = [&](int half) {
        if (!FIsEnabled) {
            return up_down_state::Disabled;
        }
        return half == live ? liveState : up_down_state::Normal;
    };
    hotHalf_ = MouseOver() ? live : up_down_half::None;
    const bool horizontal = Horizontal();
    DrawHalf(buffer, first, horizontal ? up_down_kind::Left : up_down_kind::Up,
             stateOf(up_down_half::First));
    DrawHalf(buffer, second, horizontal ? up_down_kind::Right : up_down_kind::Down,
             stateOf(up_down_half::Second));
    buffer.BlitTo(dc, rect.left, rect.top);
}

void TSkinUpDown::DrawHalf(HDC dc, const RECT& half, int kind, int state) const {
    const bool horizontal = kind >= up_down_kind::Left;
    const TDataSkinBorder* element =
        horizontal ? FSkinData->UpDownHorz.get() : FSkinData->UpDownVert.get();
    if (!element || element->Bitmap.Empty()) {
        DrawPlainHalf(dc, half, kind, state);
        return;
    }
    const int cell = CellOf(kind, state);
    DrawFrameCell(dc, half, element->Bitmap, true, element->Frame, cell);
    const TDib& glyphs = element->Bitmap2;
    if (glyphs.Empty() || element->Frame < 1) {
        return;
    }
    const int glyphWidth = glyphs.Width() / element->Frame;
    const int glyphHeight = glyphs.Height();
    const int left = half.left + (half.right - half.left - glyphWidth) / 2;
    const int top = half.top + (half.bottom - half.top - glyphHeight) / 2;
    DrawFrameCell(dc, {left, top, left + glyphWidth, top + glyphHeight}, glyphs, true,
                  element->Frame, cell);
}

void TSkinUpDown::DrawPlainHalf(HDC dc, const RECT& half, int kind, int state) const {
    const bool down = state == up_down_state::Pressed || state == up_down_state::Hot;
    const tk::OwnedPen edge(CreatePen(PS_SOLID, 1, ResolveColour(FSkinData->ButtonDkShadowColour)));
    const tk::OwnedBrush face(CreateSolidBrush(
        ResolveColour(down ? FSkinData->ButtonShadowColour : FSkinData->ButtonFaceColour)));
    {
        const tk::SelectedObject pen(dc, edge.get());
        const tk::SelectedObject brush(dc, face.get());
        Rectangle(dc, half.left, half.top, half.right, half.bottom);
    }
    const tk::OwnedPen ink(
        CreatePen(PS_SOLID, 1,
                  ResolveColour(state == up_down_state::Disabled ? FSkinData->ButtonShadowColour
                                                                 : FSkinData->ButtonTextColour)));
    const tk::SelectedObject pen(dc, ink.get());
    const int x = half.left + (half.right - half.left) / 2;
    int y = half.top + (half.bottom - half.top) / 2;
    if (kind == up_down_kind::Up || kind == up_down_kind::Down) {
        y -= FSkinData->Measure(PlainArrowRaise);
        for (const TSegment& s : kind == up_down_kind::Up ? UpArrowLines : DownArrowLines) {
            MoveToEx(dc, x + s.x1, y + s.y1, nullptr);
            LineTo(dc, x + s.x2, y + s.y2);
        }
        return;
    }
    std::array<POINT, 5> line = kind == up_down_kind::Left ? LeftArrowLine : RightArrowLine;
    for (POINT& p : line) {
        p.x += x;
        p.y += y;
    }
    Polyline(dc, line.data(), int(line.size()));
}

} // namespace skin
