// The menu bar until the skinned one takes over: the reserved bar in the
// skin's menu bar colour with the captions of the window's native menu, each
// dropping its submenu down (or sending its command) when clicked. The native
// menu is kept to be given back when the frame detaches.
#pragma once

#include "WinSkinForm.h"

#include <memory>
#include <string>
#include <vector>

namespace skin {

class TPlainMenuBar : public TFrameMenuBar {
public:
    TPlainMenuBar(TWinSkinForm& frame, HMENU nativeMenu);
    void PaintBar(HDC dc, const RECT& rect) override;
    TNCObject* MenuButtonAt(POINT point) override;
    bool OpenMenuButton(TNCObject& button) override;
    TNCObject* FindAccelerator(wchar_t) override { return nullptr; }
    HMENU NativeMenu() const override { return nativeMenu_; }
    void SetNativeMenu(HMENU menu) override;

private:
    // One top-level item of the native menu.
    struct TBarButton : TNCObject {
        using TNCObject::TNCObject;
        std::wstring caption;
        UINT command = 0;
        HMENU subMenu = nullptr;
        bool enabled = true;
    };
    void BuildButtons();
    void PaintMdiButtons(HDC dc);

    TWinSkinForm& frame_;
    HMENU nativeMenu_;
    std::vector<std::unique_ptr<TBarButton>> buttons_;
};

} // namespace skin
