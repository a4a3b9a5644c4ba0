#include "skin/WinSubClass/SkinGroupBox.h"

#include "skin/WinSubClass/InputCodes.h"
#include "skin/WinSkinData/WinSkinData.h"

namespace skin {

const tk::ClassInfo& TSkinGroupBox::StaticClass() {
    static const tk::ClassInfo info("TSkinGroupBox", &TSkinControl::StaticClass());
    return info;
}

TSkinGroupBox::TSkinGroupBox(tk::Component* owner) : TSkinControl(owner) {}

void TSkinGroupBox::AfterMessage(tk::Message& message) {
    if (message.msg == BM_SETSTATE) {
        return Repaint();
    }
    TSkinControl::AfterMessage(message);
}

void TSkinGroupBox::Draw(HDC dc, const RECT& rect) {
    const std::wstring caption = ShownCaption();
    // A toolkit control's font with its colour; a raw window's own font, in
    // the skin's colour for text on its face.
    HFONT font = nullptr;
    COLORREF textColour = ResolveColour(FSkinData->ButtonTextColour);
    if (FControl) {
        font = FControl->Font().Handle();
        textColour = tk::ResolveColour(FControl->Font().GetColor());
    } else {
        font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
    }
    // Made before the context is saved: the restore deselects it first.
    const tk::OwnedPen pen(CreatePen(PS_SOLID, 1, ResolveColour(FSkinData->ButtonShadowColour)));
    const tk::SavedDC saved(dc);
    if (font) {
        SelectObject(dc, font);
    }
    SIZE digit{};
    GetTextExtentPoint32W(dc, L"0", 1, &digit);
    // The frame's top line runs through the middle of the caption, less one.
    const int lineY = digit.cy / 2 - 1;

    // The system's own frame and caption, covered with the face colour (the
    // system's caption need not sit where the skin's does).
    const RECT captionBand{rect.left, rect.top, rect.right, rect.top + digit.cy};
    FillRect(dc, &captionBand, FSkinData->ButtonFaceBrush());
    RECT outer{rect.left, rect.top + lineY, rect.right, rect.bottom};
    FrameRect(dc, &outer, FSkinData->ButtonFaceBrush());
    InflateRect(&outer, -1, -1);
    FrameRect(dc, &outer, FSkinData->ButtonFaceBrush());

    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SelectObject(dc, pen.get());
    RoundRect(dc, rect.left + 1, rect.top + lineY, rect.right - 1, rect.bottom - 1,
              FSkinData->Measure(GroupCornerSize), FSkinData->Measure(GroupCornerSize));

    // The caption's opaque background hides the line behind it.
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ResolveColour(FSkinData->ButtonFaceColour));
    SetTextColor(dc, textColour);
    RECT text{rect.left + FSkinData->Measure(GroupCaptionIndent), rect.top, rect.right,
              rect.bottom};
    DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_EXPANDTABS);
}

} // namespace skin
