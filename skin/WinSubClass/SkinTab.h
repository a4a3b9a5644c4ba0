// TSkinTab: native tab controls and page controls, tabs on any side. The
// skinner paints the tab row, the display area and the page border from the
// skin's Tabs element, which covers the whole control: the control's own
// paint and erase are left out (they filled the whole display area for
// nothing, most of a repaint's time). With a skin without tab images the
// control paints itself. The row is composed in a landscape buffer as if the
// tabs were on top (or at the bottom), then turned to the side they are on;
// the images are copied and turned to suit once per skin. The tab row's
// scroll arrows (an up-down the control makes when its tabs overflow) get a
// skinner of their own and are left out of the row's copy.
#pragma once

#include "skin/ImgUtil/Dib.h"
#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinUpDown;

// TSkinTab::FTabPosition: the side of the window the tabs are on.
enum class TTabSide : uint8_t { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// The side a tab control's window style puts its tabs on.
TTabSide TabSideOfStyle(DWORD style);

class TSkinTab : public TSkinControl {
    TK_CLASS(TSkinTab)

public:
    explicit TSkinTab(tk::Component* owner);
    void AttachWindow(HWND window, TSkinData& skin, TWinSkinForm& frame,
                      tk::Canvas& canvas) override;
    void Refresh() override;
    bool BeforeMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;

    // The side from the style, and the skin's images turned to suit it.
    void PrepareImages();
    // Gives the control's scroll arrows their skinner (once they exist);
    // answers whether they are showing.
    bool AttachUpDown();

    TTabSide FTabPosition = TTabSide::Top;
    TDib FTabImage;
    TDib FBorderImage;
    TDib FBuffer;
    TSkinUpDown* FUpDown = nullptr;

protected:
    void Notification(tk::Component& component, tk::Operation operation) override;

private:
    // Whether the skin paints the whole control (see above).
    bool PaintsAlone() const;
    // WM_PAINT in the control's stead: the update region validated, the
    // whole control drawn.
    bool PaintInstead(tk::Message& message);
    // The page: the display area widened to its border, one pixel in on the
    // tab side.
    RECT PageRect(const RECT& rect) const;
    // The display area in the skin's face where no child window lies: a
    // tab control whose pages are sibling windows leaves it in the system's
    // window colour.
    void FillDisplay(HDC dc, const RECT& rect);
    void ComposeRow(const RECT& rect, const RECT& page, const RECT& row);
    // Copies the row, leaving the scroll arrows out when they show.
    void CopyRow(HDC dc, const RECT& rect, const RECT& row);
};

} // namespace skin
