#include "skin/WinSubClass/SkinTab31.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "toolkit/RangeControls.h"
#include "skin/WinSubClass/SkinUpDown.h"
#include "toolkit/TabSet.h"
#include "skin/WinSkinData/WinSkinData.h"

namespace skin {
namespace {

// Cells of the Tabs strip.
constexpr int NormalTabCell = 1;
constexpr int SelectedTabCell = 2;

} // namespace

const tk::ClassInfo& TSkinTab31::StaticClass() {
    static const tk::ClassInfo info("TSkinTab31", &TSkinControl::StaticClass());
    return info;
}

TSkinTab31::TSkinTab31(tk::Component* owner) : TSkinControl(owner) {}

void TSkinTab31::Attach(TWinSkinForm& frame, TSkinData& skin, bool useSkinColor,
                        tk::Canvas& canvas) {
    if (FAttached) {
        return;
    }
    TSkinControl::Attach(frame, skin, useSkinColor, canvas);
    if (!FAttached) {
        return;
    }
    if (skin.Tabs) {
        FTabImage = skin.Tabs->Bitmap;
        FlipBitmap(FTabImage);
    }
    // The tab set's scroller is its first owned component.
    auto* scroller = FControl->Components().empty()
                         ? nullptr
                         : dynamic_cast<tk::UpDown*>(FControl->Components().front());
    if (!scroller) {
        return;
    }
    FScroller = scroller;
    FScroller->FreeNotification(*this);
    FUpDown = new TSkinUpDown(FScroller);
    FUpDown->FreeNotification(*this);
    FUpDown->FHorizontal = 1;
    FUpDown->Attach(frame, skin, false, canvas);
}

void TSkinTab31::Notification(tk::Component& component, tk::Operation operation) {
    TSkinControl::Notification(component, operation);
    if (operation != tk::Operation::Remove) {
        return;
    }
    if (&component == FUpDown) {
        FUpDown = nullptr;
    }
    if (&component == FScroller) {
        FScroller = nullptr;
    }
}

bool TSkinTab31::BeforeMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_PAINT:
        // Painted now; the control's own paint then finds nothing left to
        // paint (it still sees the message).
        PaintClient(message);
        return true;
    case WM_ERASEBKGND:
        return SkipErase(message);
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

void TSkinTab31::AfterMessage(tk::Message& message) {
    // The row is painted before the control's own paint; painting it once
    // more on the whole window's context would cover the scroller, which
    // that context does not leave out.
    if (message.msg != WM_PAINT) {
        TSkinControl::AfterMessage(message);
    }
}

void TSkinTab31::Draw(HDC dc, const RECT& rect) {
    auto* tabSet = dynamic_cast<tk::TabSet*>(FControl);
    const TDataSkinBorder* tabs = FSkinData->Tabs.get();
    if (!tabSet || !tabs || tabs->Bitmap.Empty() || IsRectEmpty(&rect)) {
        return;
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const tk::MemoryDC buffer(dc, width, height);
    if (!buffer) {
        return;
    }
    FillBackground(buffer, {0, 0, width, height});
    const tk::CanvasBinding binding(*FCanvas, buffer);
    FCanvas->Font() = tabSet->Font();
    std::vector<int> widths;
    for (const std::string& tab : tabSet->Tabs()) {
        widths.push_back(FCanvas->TextExtent(tab).cx);
    }
    // The tab set's own test, so the tabs lie where its clicks find them.
    const bool scrollerShown = FScroller && FScroller->Visible();
    for (const tk::TabSlot& slot :
         tk::LayoutTabSet(widths, tabSet->FirstIndex(), tabSet->StartMargin(),
                          width - tabSet->EndMargin(), scrollerShown)) {
        const int cell = slot.index == tabSet->TabIndex() ? SelectedTabCell : NormalTabCell;
        const RECT r{slot.left, 0, slot.right, height};
        DrawElement(buffer, r, FTabImage, false, tabs->Tile == 1, tabs->Trans == 1, tabs->Frame,
                    cell, MarginRect(*tabs));
        const COLORREF text =
            ResolveColour(cell == NormalTabCell ? tabs->NormalColour2 : tabs->MouseOverColour2);
        FCanvas->Font().SetColor(text);
        DrawCaption(*FCanvas, r, DT_CENTER, true, tabSet->Tabs()[size_t(slot.index)]);
        if (cell == SelectedTabCell) {
            DrawFocusCue(buffer, r, text);
        }
    }
    buffer.BlitTo(dc, rect.left, rect.top);
}

} // namespace skin
