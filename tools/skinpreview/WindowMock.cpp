#include "tools/skinpreview/WindowMock.h"

#include "skin/WinSkinData/SkinCodes.h"
#include "toolkit/win32/ColourRef.h"

#include <algorithm>
#include <string>

namespace skinpreview {
namespace {

using skin::TDataSkinBorder;
using skin::TDataSkinObject;

RECT Margins(const TDataSkinObject& e) {
    return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
}

int CellSize(const TDataSkinObject& e, bool stacked) {
    const int frames = std::max(e.Frame, 1);
    return stacked ? e.Bitmap.Height() / frames : e.Bitmap.Width() / frames;
}

// One border: active cell 1 or inactive cell 2; the centre is tiled unless
// the border's stretch setting is 1.
void Border(HDC dc, const RECT& r, const TDataSkinBorder& b, bool stacked, bool active) {
    const int cell = active || b.Frame == 1 ? 1 : 2;
    skin::DrawElement(dc, r, b.Bitmap, stacked, b.Tile != 1, b.Trans != 0, b.Frame, cell,
                      Margins(b));
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Text(HDC dc, const RECT& r, const std::wstring& text, COLORREF colour, UINT format) {
    SetTextColor(dc, colour);
    skin::DrawSkinText(dc, text, r, format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

HFONT CaptionFont(int height) {
    return CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                       DEFAULT_PITCH, L"Microsoft YaHei");
}

// Caption buttons anchored to the right edge, the caption text or the left
// edge, as their Align says; hidden ones (never shown, or shown only when
// maximised) are left out.
void CaptionButtons(HDC dc, const RECT& window, const RECT& caption, const skin::TSkinModel& skin,
                    bool active) {
    const int width = window.right - window.left;
    for (const auto& b : skin.SysButtons) {
        if (b->Bitmap.Empty() || b->Visibility == skin::visibility::Never ||
            b->Visibility == skin::visibility::MdiChild ||
            b->Visibility1 == skin::visibility::Maximized ||
            b->Visibility1 == skin::visibility::DecorationDefault) {
            continue;
        }
        const int w = b->Bitmap.Width() / std::max(b->Frame, 1), h = b->Bitmap.Height();
        int x = 0;
        switch (b->Align) {
        case 1:
            x = width - b->Xcoord;
            break;
        case 2:
        case 8:
            x = caption.left - window.left - w - b->Xcoord;
            break;
        case 3:
        case 9:
            x = caption.right - window.left + b->Xcoord;
            break;
        default:
            x = b->Xcoord;
            break;
        }
        const RECT r = {window.left + x, window.top + b->Ycoord, window.left + x + w,
                        window.top + b->Ycoord + h};
        const int cell = active || b->Frame < 4 ? 1 : 4;
        skin::DrawFrameCell(dc, r, b->Bitmap, true, b->Frame, cell);
    }
}

void ClientControls(HDC dc, const RECT& client, const skin::TSkinModel& skin) {
    Fill(dc, client, tk::ResolveColour(skin.ButtonFaceColour));
    // The mock's layout is written for 96 DPI and drawn at the skin's scale.
    const auto m = [&skin](int measure) { return skin.Measure(measure); };
    const skin::TDataSkinButton& button = skin.Buttons;
    const int x = client.left + m(12), y = client.top + m(12);
    const wchar_t* captions[] = {L"\x786E\x5B9A", L"\x53D6\x6D88"}; // OK, Cancel
    const int cells[] = {1, 4};
    for (int i = 0; i < 2; ++i) {
        const RECT r = {x + m(i * 84), y, x + m(i * 84 + 76), y + m(26)};
        skin::DrawElement(dc, r, button.Bitmap, false, button.Tile == 1, button.Trans != 0, 5,
                          cells[i], Margins(button));
        Text(dc, r, captions[i],
             tk::ResolveColour(i == 0 ? button.NormalColour2 : button.MouseOverColour2), DT_CENTER);
    }
    const RECT check = {x, y + m(38), x + m(13), y + m(51)};
    skin::DrawFrameCell(dc, check, button.CheckBitmap, true, button.CheckButtonFrame, 2);
    Text(dc, {x + m(18), y + m(36), x + m(120), y + m(53)}, L"\x6A21\x677F",
         tk::ResolveColour(skin.ButtonTextColour), DT_LEFT);
    const RECT radio = {x + m(84), y + m(38), x + m(97), y + m(51)};
    skin::DrawFrameCell(dc, radio, button.RadioBitmap, true, button.RadioButtonFrame, 2);
    Text(dc, {x + m(102), y + m(36), x + m(200), y + m(53)}, L"\x5EFA\x7AD9",
         tk::ResolveColour(skin.ButtonTextColour), DT_LEFT);
    if (const TDataSkinBorder* progress = skin.Progress.get()) {
        const RECT track = {x, y + m(62), client.right - m(12), y + m(76)};
        skin::DrawElement(dc, track, progress->Bitmap, false, progress->Tile == 1, true, 2, 1,
                          Margins(*progress));
        RECT bar = track;
        bar.right = bar.left + (track.right - track.left) * 3 / 5;
        skin::DrawElement(dc, bar, progress->Bitmap, false, progress->Tile == 1, true, 2, 2,
                          Margins(*progress));
    }
}

} // namespace

void DrawWindowMock(HDC dc, const RECT& window, const skin::TSkinModel& skin, bool active) {
    const int bl = skin.BorderLeft.Bitmap.Width() / std::max(skin.BorderLeft.Frame, 1);
    const int br = skin.BorderRight.Bitmap.Width() / std::max(skin.BorderRight.Frame, 1);
    const int bt = CellSize(skin.BorderTop, true);
    const int bb = CellSize(skin.BorderBottom, true);
    const int menu = skin.MenuBar ? CellSize(*skin.MenuBar, true) : 0;
    const RECT& w = window;
    Border(dc, {w.left, w.top, w.left + bl, w.bottom}, skin.BorderLeft, false, active);
    Border(dc, {w.right - br, w.top, w.right, w.bottom}, skin.BorderRight, false, active);
    Border(dc, {w.left + bl, w.bottom - bb, w.right - br, w.bottom}, skin.BorderBottom, true,
           active);
    Border(dc, {w.left + bl, w.top, w.right - br, w.top + bt}, skin.BorderTop, true, active);

    RECT client = {w.left + bl, w.top + bt, w.right - br, w.bottom - bb};
    {
        // The caption font for the title and the menu bar only.
        const skin::TDataSkinTitle& title = skin.Title;
        const tk::OwnedFont font(CaptionFont(title.FontHeight));
        const tk::SelectedObject selectedFont(dc, font.get());
        SetBkMode(dc, TRANSPARENT);
        const std::wstring caption =
            L"\x9713\x8679Kanvio\x4F01\x4E1A\x6A21\x677F\x5EFA\x7AD9\x5DE5\x5177\x7BB1";
        RECT text = {w.left + bl + title.LeftWidth, w.top + title.TopHeight / 2,
                     w.right - br - title.RightWidth, w.top + bt + title.TopHeight / 2};
        SIZE extent{};
        GetTextExtentPoint32W(dc, caption.data(), int(caption.size()), &extent);
        Text(dc, text, caption,
             tk::ResolveColour(active ? skin.TitleTextActiveColour : skin.TitleTextNoActiveColour),
             DT_LEFT | DT_END_ELLIPSIS);
        text.right = std::min<LONG>(text.right, text.left + extent.cx);
        CaptionButtons(dc, window, text, skin, active);

        if (const TDataSkinObject* bar = skin.MenuBar.get()) {
            const RECT r = {client.left, client.top, client.right, client.top + menu};
            skin::DrawStrip(dc, r, bar->Bitmap, true, false, 2, active ? 1 : 2, Margins(*bar));
            const wchar_t* items[] = {L"\x6587\x4EF6", L"\x7F16\x8F91", L"\x5E2E\x52A9"};
            for (int i = 0; i < 3; ++i) {
                Text(dc,
                     {r.left + bar->LeftWidth + skin.Measure(6 + 44 * i), r.top, r.right, r.bottom},
                     items[i], tk::ResolveColour(skin.MenuBarTextColour), DT_LEFT);
            }
            client.top += menu;
        }
    }
    ClientControls(dc, client, skin);
}

} // namespace skinpreview
