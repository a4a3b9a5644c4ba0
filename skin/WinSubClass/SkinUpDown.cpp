#include "SkinUpDown.h"

#include "ImgUtil.h"
#include "WinSkinData.h"

#include <iterator>

namespace skin {
namespace {

// Which arrow a half shows.
namespace ArrowKind {
constexpr int Up = 0;
constexpr int Down = 1;
constexpr int Left = 2;
constexpr int Right = 3;
} // namespace ArrowKind

// The look of a half; with the arrow kind it picks the strip's cell.
namespace HalfState {
constexpr int Normal = 1;
constexpr int Pressed = 2;
constexpr int Disabled = 3;
constexpr int Hot = 4;
} // namespace HalfState

// Cell = state + CellsPerKind x kind, less KindsPerStrip x CellsPerKind for
// the horizontal kinds: up and left use cells 1 to 4, down and right 5 to 8.
constexpr int CellsPerKind = 4;
constexpr int HorizontalCellShift = 8;
// The border an inset up-down leaves around its arrows.
constexpr int InsetBorder = 1;
// Vertical arrows are drawn this far above the half's centre.
constexpr int VerticalArrowLift = 2;

bool IsHorizontalKind(int kind) {
    return kind == ArrowKind::Left || kind == ArrowKind::Right;
}

int CellOf(int kind, int state) {
    return state + CellsPerKind * kind - (IsHorizontalKind(kind) ? HorizontalCellShift : 0);
}

// The small arrow of a half without a skin element, around (x, y).
void DrawPlainArrow(HDC dc, int kind, int x, int y) {
    const auto line = [dc](int x1, int y1, int x2, int y2) {
        MoveToEx(dc, x1, y1, nullptr);
        LineTo(dc, x2, y2);
    };
    switch (kind) {
    case ArrowKind::Up:
        line(x, y, x, y - 1);
        line(x + 1, y + 1, x + 4, y + 4);
        line(x, y + 1, x + 3, y + 4);
        line(x, y + 2, x + 2, y + 4);
        line(x - 1, y + 1, x - 4, y + 4);
        line(x, y + 2, x - 3, y + 4);
        line(x, y + 1, x - 2, y + 4);
        break;
    case ArrowKind::Down:
        line(x, y + 3, x, y + 4);
        line(x + 1, y + 2, x + 4, y - 1);
        line(x, y + 2, x + 3, y - 1);
        line(x, y + 1, x + 2, y);
        line(x - 1, y + 2, x - 4, y - 1);
        line(x, y + 2, x - 3, y - 1);
        line(x, y + 1, x - 2, y);
        break;
    case ArrowKind::Left: {
        const POINT points[] = {{x, y}, {x + 1, y + 2}, {x + 1, y - 2}, {x - 1, y}, {x + 1, y + 2}};
        Polyline(dc, points, int(std::size(points)));
        break;
    }
    default: {
        const POINT points[] = {{x, y}, {x - 1, y + 2}, {x - 1, y - 2}, {x + 1, y}, {x - 1, y + 2}};
        Polyline(dc, points, int(std::size(points)));
        break;
    }
    }
}

} // namespace

const tk::ClassInfo& TSkinUpDown::StaticClass() {
    static const tk::ClassInfo info("TSkinUpDown", &TSkinControl::StaticClass());
    return info;
}

TSkinUpDown::TSkinUpDown(tk::Component* owner) : TSkinControl(owner) {}

bool TSkinUpDown::BeforeMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_PAINT:
        PaintClient(message);
        return false;
    case WM_ERASEBKGND:
        message.result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CallOriginal(message);
        FMouseState |= MouseBit::Pressed;
        Paint(nullptr);
        return false;
    case WM_LBUTTONUP:
        FMouseState &= uint8_t(~MouseBit::Pressed);
        CallOriginal(message);
        Paint(nullptr);
        return false;
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

void TSkinUpDown::Draw(HDC dc, const RECT&) {
    RECT client{};
    GetClientRect(FHandle, &client);
    if (IsRectEmpty(&client)) {
        return;
    }
    const tk::MemoryDC buffer(dc, client.right, client.bottom);
    if (!buffer) {
        return;
    }
    FillBackground(buffer, client);
    const DWORD style = ReadWindowState();
    RECT area = client;
    if (FInset) {
        InflateRect(&area, -InsetBorder, -InsetBorder);
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(FHandle, &cursor);
    const auto stateOf = [&](const RECT& half) {
        if (!FIsEnabled) {
            return HalfState::Disabled;
        }
        if (!PtInRect(&half, cursor)) {
            return HalfState::Normal;
        }
        return Pressed() ? HalfState::Pressed : MouseOver() ? HalfState::Hot : HalfState::Normal;
    };
    RECT first = area;
    RECT second = area;
    int firstKind = ArrowKind::Up;
    int secondKind = ArrowKind::Down;
    if (FHorizontal == 1 || (style & UDS_HORZ)) {
        first.right = second.left = area.left + (area.right - area.left) / 2;
        firstKind = ArrowKind::Left;
        secondKind = ArrowKind::Right;
    } else {
        first.bottom = second.top = area.top + (area.bottom - area.top) / 2;
    }
    DrawHalf(buffer, first, firstKind, stateOf(first));
    DrawHalf(buffer, second, secondKind, stateOf(second));
    buffer.BlitTo(dc, 0, 0);
}

void TSkinUpDown::DrawHalf(HDC dc, const RECT& half, int kind, int state) const {
    const TDataSkinBorder* element =
        IsHorizontalKind(kind) ? FSkinData->UpDownHorz.get() : FSkinData->UpDownVert.get();
    if (element && !element->Bitmap.Empty() && element->Frame > 0) {
        const int cell = CellOf(kind, state);
        DrawFrameCell(dc, half, element->Bitmap, true, element->Frame, cell);
        const TDib& glyphs = element->Bitmap2;
        if (!glyphs.Empty()) {
            const int width = glyphs.Width() / element->Frame;
            const int left = half.left + (half.right - half.left - width) / 2;
            const int top = half.top + (half.bottom - half.top - glyphs.Height()) / 2;
            DrawFrameCell(dc, {left, top, left + width, top + glyphs.Height()}, glyphs, true,
                          element->Frame, cell);
        }
        return;
    }
    const bool sunk = state == HalfState::Pressed || state == HalfState::Hot;
    const tk::OwnedPen pen(CreatePen(PS_SOLID, 1, ResolveColour(FSkinData->ButtonDkShadowColour)));
    const tk::OwnedBrush brush(CreateSolidBrush(
        ResolveColour(sunk ? FSkinData->ButtonShadowColour : FSkinData->ButtonFaceColour)));
    const tk::SelectedObject selectedPen(dc, pen.get());
    const tk::SelectedObject selectedBrush(dc, brush.get());
    Rectangle(dc, half.left, half.top, half.right, half.bottom);
    const int x = half.left + (half.right - half.left) / 2;
    const int y =
        half.top + (half.bottom - half.top) / 2 - (IsHorizontalKind(kind) ? 0 : VerticalArrowLift);
    DrawPlainArrow(dc, kind, x, y);
}

} // namespace skin
