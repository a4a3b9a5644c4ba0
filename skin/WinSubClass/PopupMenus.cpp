// The manager's popup-menu skinners: one per system popup-menu window the
// hook saw created, freed when the hook sees the window destroyed.
#include "skin/WinSubClass/SkinManager.h"

#include "skin/WinSkinMenu/PopupMenuSkin.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <algorithm>

namespace skin {

void TSkinManage::AttachPopupMenu(HWND window) {
    if (!FEnabled || FStandingAside ||
        SendMessageW(window, WM_SKINQUERY, 0, 0) == SkinQueryAnswer || IsPopupMenuWindow(window)) {
        return;
    }
    const TSkinData* data = FindSkinData(window);
    if (!data || !data->SkinLoaded || !data->Skins(xcMainMenu)) {
        return;
    }
    auto popup = std::make_unique<TWinSkinPopMenu>();
    popup->Attach(window, *data, nullptr);
    FPopupMenus.push_back(std::move(popup));
}

bool TSkinManage::DetachPopupMenu(HWND window) {
    const auto it = std::find_if(FPopupMenus.begin(), FPopupMenus.end(),
                                 [&](const auto& popup) { return popup->Window() == window; });
    const bool found = it != FPopupMenus.end();
    if (found) {
        (*it)->Detach();
        FPopupMenus.erase(it);
    }
    if (FPopupMenus.empty()) {
        FMenuBarTracking = false;
    }
    return found;
}

bool TSkinManage::IsPopupMenuWindow(HWND window) const {
    return std::any_of(FPopupMenus.begin(), FPopupMenus.end(),
                       [&](const auto& popup) { return popup->Window() == window; });
}

TWinSkinPopMenu* TSkinManage::PopupMenuShowing(HMENU menu) {
    for (const auto& popup : FPopupMenus) {
        if (menu && popup->Menu() == menu) {
            return popup.get();
        }
    }
    return nullptr;
}

void TSkinManage::FreePopupMenus() {
    for (const auto& popup : FPopupMenus) {
        popup->Detach();
    }
    FPopupMenus.clear();
    FMenuBarTracking = false;
}

} // namespace skin
