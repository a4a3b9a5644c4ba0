// TSkinTab31: the tab set (the older notebook tabs that hang from the top
// edge of a control drawing its own row). The skinner draws the whole row
// from the skin's Tabs strip turned upside down, laid out as the tab set
// lays it out, so a click lands on the tab that shows; the tab set's
// scroller gets an up-down skinner with left and right arrows.
#pragma once

#include "skin/ImgUtil/Dib.h"
#include "skin/WinSubClass/SkinControl.h"

namespace tk {
class UpDown;
}

namespace skin {

class TSkinUpDown;

class TSkinTab31 : public TSkinControl {
    TK_CLASS(TSkinTab31)

public:
    explicit TSkinTab31(tk::Component* owner);
    void Attach(TWinSkinForm& frame, TSkinData& skin, bool useSkinColor,
                tk::Canvas& canvas) override;
    bool BeforeMessage(tk::Message& message) override;
    void AfterMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;

    // The skin's tab strip, flipped: the tabs hang down.
    TDib FTabImage;
    TSkinUpDown* FUpDown = nullptr;
    tk::UpDown* FScroller = nullptr;

protected:
    void Notification(tk::Component& component, tk::Operation operation) override;
};

} // namespace skin
