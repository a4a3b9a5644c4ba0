#include "skin/WinSubClass/SkinTab.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "skin/WinSubClass/SkinUpDown.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

namespace skin {
namespace {

// The display area widened by this on every side is the page with its border.
constexpr int PageBorderWidth = 4;
// Cells of the Tabs strip.
constexpr int NormalTabCell = 1;
constexpr int SelectedTabCell = 2;
// The page border image: one cell, drawn as a ring with these margins.
constexpr int PageBorderCells = 1;
constexpr RECT PageBorderMargins{4, 5, 4, 4};
// The page's edge on the tab side lies this far inside the widened display
// area, and the items are drawn this far off their own rectangles (down on
// top, up at the bottom and on the right).
constexpr int TabSideNudge = 1;
// A tab's text is read into a buffer of this many characters.
constexpr int TabTextChars = 80;

int WidthOf(const RECT& r) {
    return r.right - r.left;
}
int HeightOf(const RECT& r) {
    return r.bottom - r.top;
}

bool IsSide(TTabSide side) {
    return side == TTabSide::Left || side == TTabSide::Right;
}

HWND ArrowsOf(HWND tabs) {
    return FindWindowExW(tabs, nullptr, UPDOWN_CLASSW, nullptr);
}

} // namespace

TTabSide TabSideOfStyle(DWORD style) {
    const bool farSide = (style & TCS_BOTTOM) != 0; // TCS_RIGHT with TCS_VERTICAL
    if (style & TCS_VERTICAL) {
        return farSide ? TTabSide::Right : TTabSide::Left;
    }
    return farSide ? TTabSide::Bottom : TTabSide::Top;
}

const tk::ClassInfo& TSkinTab::StaticClass() {
    static const tk::ClassInfo info("TSkinTab", &TSkinControl::StaticClass());
    return info;
}

TSkinTab::TSkinTab(tk::Component* owner) : TSkinControl(owner) {}

void TSkinTab::AttachWindow(HWND window, TSkinData& skin, TWinSkinForm& frame, tk::Canvas& canvas) {
    if (FAttached) {
        return;
    }
    TSkinControl::AttachWindow(window, skin, frame, canvas);
    if (!FAttached) {
        return;
    }
    ReadWindowState();
    FCaption = WindowTextOf(window);
    PrepareImages();
    AttachUpDown();
}

void TSkinTab::Refresh() {
    TSkinControl::Refresh();
    PrepareImages();
}

bool TSkinTab::PaintsAlone() const {
    const TDataSkinBorder* tabs = FSkinData ? FSkinData->Tabs.get() : nullptr;
    return tabs && !tabs->Bitmap.Empty();
}

bool TSkinTab::BeforeMessage(tk::Message& message) {
    if ((message.msg == WM_PAINT || message.msg == WM_ERASEBKGND) && PaintsAlone()) {
        return message.msg == WM_PAINT ? PaintInstead(message) : SkipErase(message);
    }
    return TSkinControl::BeforeMessage(message);
}

bool TSkinTab::PaintInstead(tk::Message& message) {
    message.result = 0;
    if (const auto given = reinterpret_cast<HDC>(message.wParam)) {
        Paint(given);
        return false;
    }
    PAINTSTRUCT paint{};
    BeginPaint(FHandle, &paint);
    EndPaint(FHandle, &paint);
    Paint(nullptr);
    return false;
}

void TSkinTab::Notification(tk::Component& component, tk::Operation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == tk::Operation::Remove && &component == FUpDown) {
        FUpDown = nullptr;
    }
}

void TSkinTab::PrepareImages() {
    FTabPosition = TabSideOfStyle(DWORD(GetWindowLongPtrW(FHandle, GWL_STYLE)));
    const TDataSkinBorder* tabs = FSkinData->Tabs.get();
    if (!tabs || tabs->Bitmap.Empty()) {
        return;
    }
    // The tabs are composed as if on top (or at the bottom) and turned with
    // the whole row; the border is drawn straight, so it is turned itself.
    FTabImage = tabs->Bitmap;
    FTabImage.ConvertTo(24);
    if (FTabPosition == TTabSide::Bottom) {
        FlipBitmap(FTabImage);
    }
    FBorderImage = tabs->Bitmap2;
    if (FBorderImage.Empty()) {
        return;
    }
    FBorderImage.ConvertTo(24);
    switch (FTabPosition) {
    case TTabSide::Bottom:
        FlipBitmap(FBorderImage);
        break;
    case TTabSide::Left:
        RotateBitmapLeft(FBorderImage);
        break;
    case TTabSide::Right:
        RotateBitmapRight(FBorderImage);
        break;
    case TTabSide::Top:
        break;
    }
}

bool TSkinTab::AttachUpDown() {
    HWND arrows = ArrowsOf(FHandle);
    if (!arrows) {
        return false;
    }
    if (!FUpDown && FForm) {
        FUpDown = new TSkinUpDown(Owner());
        FUpDown->FreeNotification(*this);
        FUpDown->AttachWindow(arrows, *FSkinData, *FForm, *FCanvas);
    }
    return (GetWindowLongPtrW(arrows, GWL_STYLE) & WS_VISIBLE) != 0;
}

RECT TSkinTab::PageRect(const RECT& rect) const {
    RECT page = rect;
    SendMessageW(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    InflateRect(&page, PageBorderWidth, PageBorderWidth);
    switch (FTabPosition) {
    case TTabSide::Top:
        page.top += TabSideNudge;
        break;
    case TTabSide::Bottom:
        page.bottom -= TabSideNudge;
        break;
    case TTabSide::Left:
        page.left += TabSideNudge;
        break;
    case TTabSide::Right:
        page.right -= TabSideNudge;
        break;
    }
    return page;
}

void TSkinTab::Draw(HDC dc, const RECT& rect) {
    const TDataSkinBorder* tabs = FSkinData->Tabs.get();
    if (!tabs || tabs->Bitmap.Empty()) {
        return;
    }
    if (TabSideOfStyle(ReadWindowState()) != FTabPosition || FTabImage.Empty()) {
        PrepareImages();
    }
    const RECT page = PageRect(rect);
    RECT row = rect;
    switch (FTabPosition) {
    case TTabSide::Top:
        row.bottom = page.top;
        break;
    case TTabSide::Bottom:
        row.top = page.bottom;
        break;
    case TTabSide::Left:
        row.right = page.left;
        break;
    case TTabSide::Right:
        row.left = page.right;
        break;
    }
    if (!IsRectEmpty(&row)) {
        ComposeRow(rect, page, row);
        CopyRow(dc, rect, row);
    }
    FillDisplay(dc, rect);
    if (!tabs->Bitmap2.Empty() && !FBorderImage.Empty()) {
        DrawElementRing(dc, page, FBorderImage, false, PageBorderCells, PageBorderCells,
                        PageBorderMargins);
    }
}

void TSkinTab::FillDisplay(HDC dc, const RECT& rect) {
    RECT display = rect;
    SendMessageW(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    if (IsRectEmpty(&display)) {
        return;
    }
    const tk::SavedDC saved(dc);
    RECT window{};
    GetWindowRect(FHandle, &window);
    for (HWND child = GetWindow(FHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) {
            RECT place{};
            GetWindowRect(child, &place);
            OffsetRect(&place, -window.left, -window.top);
            ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
        }
    }
    FillRect(dc, &display, FSkinData->ButtonFaceBrush());
}

void TSkinTab::ComposeRow(const RECT& rect, const RECT& page, const RECT& row) {
    const TDataSkinBorder& tabs = *FSkinData->Tabs;
    const bool side = IsSide(FTabPosition);
    const int width = side ? HeightOf(row) : WidthOf(row);
    const int height = side ? WidthOf(row) : HeightOf(row);
    if (FBuffer.Width() != width || FBuffer.Height() != height) {
        FBuffer.SetSize(width, height, TrueColourBits);
    }
    FBuffer.Fill(ResolveColour(FSkinData->ButtonFaceColour));
    {
        const tk::BitmapDC buffer(NativeBitmap(FBuffer));
        const tk::CanvasBinding binding(*FCanvas, buffer);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
        FCanvas->Font().Assign(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
        const auto count = int(SendMessageW(FHandle, TCM_GETITEMCOUNT, 0, 0));
        const auto focused = int(SendMessageW(FHandle, TCM_GETCURFOCUS, 0, 0));
        const auto images =
            reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, TCM_GETIMAGELIST, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[TabTextChars] = {};
            TCITEMW item{};
            item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
            item.pszText = text;
            item.cchTextMax = TabTextChars;
            item.iImage = -1;
            SendMessageW(FHandle, TCM_GETITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
            RECT r{};
            if (!SendMessageW(FHandle, TCM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&r))) {
                continue;
            }
            switch (FTabPosition) {
            case TTabSide::Top:
                OffsetRect(&r, 0, TabSideNudge);
                break;
            case TTabSide::Bottom:
                OffsetRect(&r, 0, -(page.bottom + TabSideNudge));
                break;
            case TTabSide::Left:
                r = {width - r.bottom, r.left, width - r.top, r.right};
                break;
            case TTabSide::Right:
                r = {r.top - TabSideNudge, rect.right - r.right, r.bottom - TabSideNudge,
                     rect.right - r.left};
                break;
            }
            const int cell = i == focused ? SelectedTabCell : NormalTabCell;
            DrawElement(buffer, r, FTabImage, false, tabs.Tile == 1, tabs.Trans == 1, tabs.Frame,
                        cell, MarginRect(tabs));
            const COLORREF caption =
                ResolveColour(cell == NormalTabCell ? tabs.NormalColour2 : tabs.MouseOverColour2);
            FCanvas->Font().SetColor(caption);
            DrawImageCaption(*FCanvas, r, ImageCaptionCentre, tk::Narrow(item.pszText), item.iImage,
                             images);
            if (i == focused) {
                DrawFocusCue(buffer, r, caption);
            }
        }
    }
    // The drawing must have reached the pixels before they are turned.
    GdiFlush();
    if (FTabPosition == TTabSide::Right) {
        RotateBitmapRight(FBuffer);
    } else if (FTabPosition == TTabSide::Left) {
        RotateBitmapLeft(FBuffer);
    }
}

void TSkinTab::CopyRow(HDC dc, const RECT& rect, const RECT& row) {
    const tk::BitmapDC source(NativeBitmap(FBuffer));
    const tk::SavedDC saved(dc);
    if (AttachUpDown()) {
        const tk::OwnedRegion whole(CreateRectRgnIndirect(&rect));
        SelectClipRgn(dc, whole.get());
        RECT arrows{};
        RECT window{};
        GetWindowRect(ArrowsOf(FHandle), &arrows);
        GetWindowRect(FHandle, &window);
        OffsetRect(&arrows, -window.left, -window.top);
        ExcludeClipRect(dc, arrows.left, arrows.top, arrows.right, arrows.bottom);
    }
    BitBlt(dc, row.left, row.top, FBuffer.Width(), FBuffer.Height(), source, 0, 0, SRCCOPY);
}

} // namespace skin
