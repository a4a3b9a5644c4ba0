#include "skin/WinSubClass/SkinHeader.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <algorithm>

namespace skin {
namespace {

// Cell of the header bar strip every item shows.
constexpr int HeaderCell = 1;
// An item's caption is read into a buffer of this many characters.
constexpr int MaxItemText = 201;

// DrawImageCaption's alignment for an item's format.
int AlignmentOf(int format) {
    if (format & HDF_RIGHT) {
        return ImageCaptionRight;
    }
    if (format & HDF_CENTER) {
        return ImageCaptionCentre;
    }
    return 0;
}

} // namespace

const tk::ClassInfo& TSkinHeader::StaticClass() {
    static const tk::ClassInfo info("TSkinHeader", &TSkinControl::StaticClass());
    return info;
}

TSkinHeader::TSkinHeader(tk::Component* owner) : TSkinControl(owner) {}

bool TSkinHeader::SkinPaints() const {
    return FSkinData && FSkinData->Headerbar && !FSkinData->Headerbar->Bitmap.Empty();
}

bool TSkinHeader::BeforeMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_ERASEBKGND:
        return !SkinPaints() || SkipErase(message);
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

void TSkinHeader::Draw(HDC dc, const RECT& rect) {
    if (!SkinPaints() || IsRectEmpty(&rect)) {
        return;
    }
    ReadWindowState();
    tk::MemoryDC buffer(dc, rect.right - rect.left, rect.bottom - rect.top);
    if (!buffer) {
        return;
    }
    SetBkMode(buffer, TRANSPARENT);
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, HDM_GETIMAGELIST, 0, 0));
    const int count = Header_GetItemCount(FHandle);
    const TDataSkinObject& bar = *FSkinData->Headerbar;
    int rightmost = 0;
    for (int i = 0; i < count; ++i) {
        RECT item{};
        if (!Header_GetItemRect(FHandle, i, &item)) {
            continue;
        }
        rightmost = std::max<int>(rightmost, item.right);
        DrawItem(buffer, i, item, images);
    }
    // The bar goes on right of the last item.
    PaintElement(buffer, {rightmost, 0, buffer.Width(), buffer.Height()}, bar.Frame, HeaderCell,
                 bar);
    buffer.BlitTo(dc, rect.left, rect.top);
}

void TSkinHeader::DrawItem(HDC dc, int index, const RECT& item, HIMAGELIST images) {
    wchar_t text[MaxItemText] = {};
    HDITEMW info{};
    info.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    info.pszText = text;
    info.cchTextMax = MaxItemText;
    if (!Header_GetItem(FHandle, index, &info)) {
        return;
    }
    const TDataSkinObject& bar = *FSkinData->Headerbar;
    const TDib cell = RenderElement(item, bar.Bitmap, MarginRect(bar), false, bar.Tile == 1,
                                    bar.Frame, HeaderCell);
    if (!cell.Empty()) {
        const tk::BitmapDC source(NativeBitmap(cell));
        BitBlt(dc, item.left, item.top, cell.Width(), cell.Height(), source, 0, 0, SRCCOPY);
    }
    if (text[0] == L'\0') {
        // An item without text shows the bar alone, without its icon.
        return;
    }
    const bool withImage = (info.fmt & (HDF_IMAGE | HDF_STRING)) != 0;
    const tk::CanvasBinding binding(*FCanvas, dc);
    FCanvas->Font().Assign(reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0)));
    FCanvas->Font().SetColor(ResolveColour(FSkinData->ButtonTextColour));
    DrawImageCaption(*FCanvas, item, AlignmentOf(info.fmt), tk::Narrow(text),
                     withImage ? info.iImage : -1, images);
}

} // namespace skin
