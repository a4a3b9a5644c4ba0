#include "skin/WinSubClass/SkinTrackBar.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "toolkit/Notifications.h"
#include "skin/WinSubClass/RangeCodes.h"
#include "skin/WinSkinData/WinSkinData.h"

namespace skin {
namespace {

// Whether what is drawn on the context can be read back: not so for a
// metafile being recorded or a printer.
bool CanReadBack(HDC dc) {
    const DWORD kind = GetObjectType(dc);
    return kind != OBJ_METADC && kind != OBJ_ENHMETADC &&
           GetDeviceCaps(dc, TECHNOLOGY) == DT_RASDISPLAY;
}

} // namespace

void PaintTrackThumb(HDC dc, const RECT& thumb, const TDataSkinObject& element,
                     TThumbPieces* pieces) {
    const int w = thumb.right - thumb.left;
    const int h = thumb.bottom - thumb.top;
    if (w <= 0 || h <= 0 || element.Bitmap.Empty()) {
        return;
    }
    try {
        TThumbPieces scratchPieces;
        TThumbPieces& kept = pieces ? *pieces : scratchPieces;
        const TDib& piece =
            kept.thumb.Render(element, w, h, element.Frame, TrackThumbCell, {}, false);
        if (piece.Empty()) {
            return;
        }
        if (!CanReadBack(dc)) {
            // The thumb keyed straight onto the context instead, by plain
            // raster operations: a recording keeps those (a masked blit it
            // may drop).
            TransparentBlitXor(dc, thumb, piece, KeyColour);
            return;
        }
        TDib& shown = kept.shown;
        if (shown.Width() != w || shown.Height() != h) {
            shown.SetSize(w, h, TrueColourBits);
        }
        // What the control drew under the thumb is read back, the thumb laid
        // over it in memory and the whole copied back: cheaper than a mask
        // blit onto the window.
        const tk::BitmapDC shownDc(NativeBitmap(shown));
        BitBlt(shownDc, 0, 0, w, h, dc, thumb.left, thumb.top, SRCCOPY);
        CopyKeyed(shown, 0, 0, piece, true);
        BitBlt(dc, thumb.left, thumb.top, w, h, shownDc, 0, 0, SRCCOPY);
    } catch (const std::exception&) {
        // a thumb that cannot be composed keeps what the control drew
    }
}

const tk::ClassInfo& TSkinTrackBar::StaticClass() {
    static const tk::ClassInfo info("TSkinTrackBar", &TSkinControl::StaticClass());
    return info;
}

TSkinTrackBar::TSkinTrackBar(tk::Component* owner) : TSkinControl(owner) {}

bool TSkinTrackBar::BeforeMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_ERASEBKGND:
        return SkipErase(message);
    case WM_NOTIFY:
    case tk::ReflectedNotify:
        return OnNotify(message);
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

// The control's custom drawing is answered here; other notifications pass.
bool TSkinTrackBar::OnNotify(tk::Message& message) {
    const auto* header = reinterpret_cast<const NMHDR*>(message.lParam);
    if (!header || header->code != UINT(NM_CUSTOMDRAW)) {
        return true;
    }
    message.result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(header));
    return false;
}

void TSkinTrackBar::Draw(HDC dc, const RECT&) {
    if (FControl || !FHandle) {
        return;
    }
    RECT thumb{};
    SendMessageW(FHandle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    if (IsRectEmpty(&thumb)) {
        return;
    }
    // The control's own thumb goes under the parent's background first, so
    // that none of it shows round the skin's.
    const auto background = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(FHandle), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(FHandle)));
    FillRect(dc, &thumb, background ? background : GetSysColorBrush(COLOR_BTNFACE));
    DrawThumb(dc);
}

void TSkinTrackBar::Refresh() {
    pieces_.Clear();
    TSkinControl::Refresh();
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
    switch (draw.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        if (draw.dwItemSpec == TBCD_THUMB) {
            DrawThumb(draw.hdc);
            return CDRF_SKIPDEFAULT;
        }
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

void TSkinTrackBar::DrawThumb(HDC dc) {
    RECT thumb{};
    SendMessageW(FHandle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const bool vertical = (GetWindowLongPtrW(FHandle, GWL_STYLE) & TBS_VERT) != 0;
    const TDataSkinObject* element = FSkinData->TrackbarThumbHorz.get();
    if (vertical && FSkinData->TrackbarThumbVert) {
        element = FSkinData->TrackbarThumbVert.get();
    }
    if (element && !element->Bitmap.Empty()) {
        PaintTrackThumb(dc, thumb, *element, &pieces_);
        return;
    }
    // Without a thumb image: a plain thumb of the skin's face colour.
    const tk::CanvasBinding binding(*FCanvas, dc);
    FCanvas->Pen().SetStyle(tk::PenStyle::Solid);
    FCanvas->Pen().SetWidth(1);
    FCanvas->Pen().SetColor(ResolveColour(FSkinData->ButtonShadowColour));
    FCanvas->Brush().SetStyle(tk::BrushStyle::Solid);
    FCanvas->Brush().SetColor(ResolveColour(FSkinData->ButtonFaceColour));
    FCanvas->Rectangle(thumb);
}

} // namespace skin
