// TSkinScrollbar: the window scroll bars (WS_HSCROLL, WS_VSCROLL) of a
// scrollable control, painted from the skin over the system's own after every
// paint of the non-client area, every scroll message, every press on a bar
// that the system tracks, and the pointer leaving the bars. A press on a thumb
// can be taken over: the skinner then drags the thumb itself in its own
// message loop (ThumbDrag.h), telling the control every position the thumb
// passes (SB_THUMBTRACK), the last one at the release (SB_THUMBPOSITION), then
// SB_ENDSCROLL. Arrows and page areas stay the system's, which repeats them.
//
// TSkinListView is the same for a list view, and also skins its column header.
//
// Error policy: the base's (nothing throws out of the filters; a failed paint
// leaves the system's bars).
#pragma once

#include "skin/WinSubClass/LifeToken.h"
#include "skin/WinSubClass/ScrollBarPaint.h"
#include "skin/WinSubClass/ScrollGeometry.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/WinSubClass/ThumbDrag.h"

#include <memory>

namespace tk {
class WinControl;
}

namespace skin {

class TSkinHeader;

class TSkinScrollbar : public TSkinControl {
    TK_CLASS(TSkinScrollbar)

public:
    explicit TSkinScrollbar(tk::Component* owner);
    ~TSkinScrollbar() override;

    // To the owner, a scrollable toolkit control: its message handler is
    // replaced as for Attach. With `handleNcDown` a press on a thumb starts
    // the skinner's own drag.
    virtual void AttachScrolled(tk::WinControl& control, TSkinData& skin, bool handleNcDown,
                                TWinSkinForm& frame, tk::Canvas& canvas);
    // To a raw window: its subclass chain, no drag of its own.
    void AttachWindow(HWND window, TSkinData& skin, TWinSkinForm& frame,
                      tk::Canvas& canvas) override;
    bool BeforeMessage(tk::Message& message) override;
    void AfterMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;
    // The skin may have changed: the bars' parts are rendered anew.
    void Refresh() override;

    // One bar: where it lies, its scroll information and its parts.
    struct TBar {
        RECT rect{};
        SCROLLINFO info{};
        TBarGeometry geometry;
        DWORD styleBit = 0;
        TBarPieces pieces;
    };

    int FPressedPart = 0;
    DWORD FStyle = 0;
    DWORD FExStyle = 0;
    RECT FCornerRect{};
    bool FDragging = false;
    bool FHandleNcDown = false;
    bool FInVScroll = false;
    bool FInHScroll = false;
    TBar FHorz;
    TBar FVert;

protected:
    // Reads the style and places the bars in the window rectangle; false
    // when the window shows none.
    bool CalcBars(const RECT& window);

private:
    // The thumb from the bar's scroll information (kept while dragging).
    void CalcThumb(TBar& bar, int which);
    void DrawBar(HDC dc, TBar& bar, bool vertical);
    // The scroll message is passed on, then the bar repainted: handled here.
    bool OnScroll(tk::Message& message, bool vertical);
    bool OnNcLButtonDown(tk::Message& message);
    // A press on a bar: true when it hit a thumb and the drag ran.
    bool StartThumbDrag(WPARAM hitCode, LPARAM screenPoint);
    void DragThumb(bool vertical, POINT start);
    // One step of the drag: the thumb `moved` pixels from where it started.
    void DragTo(TBar& bar, bool vertical, int startThumb, int moved, int& lastPosition);
    void SendScroll(bool vertical, int code, int position);
    // The bars are the skinner's from now on: the frame is measured again
    // and repainted.
    void TakeOverBars();

    // Expires with the skinner: a drag loop or scroll message that freed it
    // touches nothing of it afterwards.
    TLifeToken life_;
};

class TSkinListView : public TSkinScrollbar {
    TK_CLASS(TSkinListView)

public:
    explicit TSkinListView(tk::Component* owner);
    ~TSkinListView() override;
    // Also gives the list view's header (when it has one) a TSkinHeader,
    // owned by the same control.
    void AttachScrolled(tk::WinControl& control, TSkinData& skin, bool handleNcDown,
                        TWinSkinForm& frame, tk::Canvas& canvas) override;

    TSkinHeader* FHeader = nullptr;

protected:
    void Notification(tk::Component& component, tk::Operation operation) override;
};

} // namespace skin
