// The menu bar until the skinned one takes over: the reserved bar is painted
// in the skin's menu bar colour, and the window's native menu is kept to be
// given back when the frame detaches.
#pragma once

#include "WinSkinForm.h"

namespace skin {

class TPlainMenuBar : public TFrameMenuBar {
public:
    TPlainMenuBar(TWinSkinForm& frame, HMENU nativeMenu) : frame_(frame), nativeMenu_(nativeMenu) {}
    void PaintBar(HDC dc, const RECT& rect) override;
    TNCObject* MenuButtonAt(POINT) override { return nullptr; }
    bool OpenMenuButton(TNCObject&) override { return false; }
    TNCObject* FindAccelerator(wchar_t) override { return nullptr; }
    HMENU NativeMenu() const override { return nativeMenu_; }
    void SetNativeMenu(HMENU menu) override { nativeMenu_ = menu; }

private:
    TWinSkinForm& frame_;
    HMENU nativeMenu_;
};

} // namespace skin
