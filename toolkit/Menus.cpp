#include "Menus.h"

#include "Action.h"
#include "Form.h"
#include "ImageList.h"
#include "Notifications.h"
#include "Text.h"

#include <algorithm>
#include <stdexcept>

namespace tk {

std::string ShortCutToText(int shortCut) {
    if (shortCut == 0) {
        return {};
    }
    std::string text;
    if (shortCut & scCtrl) {
        text += "Ctrl+";
    }
    if (shortCut & scShift) {
        text += "Shift+";
    }
    if (shortCut & scAlt) {
        text += "Alt+";
    }
    UINT key = shortCut & 0xFF;
    if (key >= VK_F1 && key <= VK_F24) {
        return text + "F" + std::to_string(key - VK_F1 + 1);
    }
    wchar_t name[64] = {};
    LONG scan = static_cast<LONG>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    if (GetKeyNameTextW(scan, name, 64) > 0) {
        return text + Narrow(name);
    }
    return text + static_cast<char>(key);
}

const ClassInfo& MenuItem::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<MenuItem>("TMenuItem", &Component::StaticClass(), [](auto& p) {
            p.String("Caption", &MenuItem::Caption, &MenuItem::SetCaption);
            p.Boolean("Checked", &MenuItem::Checked, &MenuItem::SetChecked);
            p.Boolean("Enabled", &MenuItem::Enabled, &MenuItem::SetEnabled);
            p.Boolean("Visible", &MenuItem::Visible, &MenuItem::SetVisible);
            p.Boolean("Default", &MenuItem::Default, &MenuItem::SetDefault);
            p.Integer("ImageIndex", &MenuItem::ImageIndex, &MenuItem::SetImageIndex);
            p.Integer("ShortCut", &MenuItem::ShortCut, &MenuItem::SetShortCut);
            p.template Reference<tk::Action>("Action", &MenuItem::GetAction, &MenuItem::SetAction);
            p.Event("OnClick", &MenuItem::OnClick);
        });
    return info;
}

MenuItem::MenuItem(Component* owner) : Component(owner) {}

MenuItem::~MenuItem() {
    for (MenuItem* child : items_) {
        child->parent_ = nullptr;
    }
    if (parent_) {
        parent_->Remove(*this);
    }
    ReleaseHandles();
}

Menu* MenuItem::GetMenu() const {
    const MenuItem* root = this;
    while (root->parent_) {
        root = root->parent_;
    }
    return root->menu_;
}

void MenuItem::Changed() {
    // Until its native menu is asked for, a menu has nothing to rebuild.
    if (Menu* menu = GetMenu(); menu && menu->handle_) {
        menu->Rebuild();
    }
}

void MenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}
void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    Changed();
}
void MenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
}
void MenuItem::SetVisible(bool visible) {
    visible_ = visible;
    Changed();
}
void MenuItem::SetDefault(bool isDefault) {
    default_ = isDefault;
    Changed();
}
void MenuItem::SetImageIndex(int index) {
    imageIndex_ = index;
    Changed();
}
void MenuItem::SetShortCut(int shortCut) {
    shortCut_ = shortCut;
    Changed();
}

void MenuItem::SetAction(tk::Action* action) {
    action_ = action;
    if (action_) {
        action_->FreeNotification(*this);
        if (caption_.empty()) {
            caption_ = action_->Caption();
        }
        if (imageIndex_ < 0) {
            imageIndex_ = action_->ImageIndex();
        }
        enabled_ = action_->Enabled();
    }
    Changed();
}

void MenuItem::Notification(Component& component, Operation operation) {
    Component::Notification(component, operation);
    if (operation == Operation::Remove && &component == action_) {
        action_ = nullptr;
    }
}

void MenuItem::Add(MenuItem& item) {
    if (&item == this) {
        throw std::invalid_argument("a menu item cannot contain itself");
    }
    if (item.parent_) {
        item.parent_->Remove(item);
    }
    item.parent_ = this;
    items_.push_back(&item);
    Changed();
}

void MenuItem::Remove(MenuItem& item) {
    items_.erase(std::remove(items_.begin(), items_.end(), &item), items_.end());
    item.parent_ = nullptr;
    Changed();
}

void MenuItem::SetParentComponent(Component& parent) {
    if (auto* item = dynamic_cast<MenuItem*>(&parent)) {
        item->Add(*this);
    } else if (auto* menu = dynamic_cast<Menu*>(&parent)) {
        menu->Items().Add(*this);
    } else {
        Component::SetParentComponent(parent);
    }
}

MenuItem* MenuItem::Find(UINT command) {
    if (command_ == command && command != 0) {
        return this;
    }
    for (MenuItem* child : items_) {
        if (MenuItem* found = child->Find(command)) {
            return found;
        }
    }
    return nullptr;
}

void MenuItem::Click() {
    if (OnClick) {
        OnClick(*this);
    } else if (action_) {
        action_->Execute();
    }
}

void MenuItem::ReleaseHandles() {
    for (MenuItem* child : items_) {
        child->ReleaseHandles();
    }
    handle_ = nullptr; // destroyed with the menu that holds it
}

void MenuItem::Build(HMENU into, bool topLevel) {
    Menu* menu = GetMenu();
    for (MenuItem* child : items_) {
        if (!child->visible_) {
            continue;
        }
        if (child->command_ == 0) {
            child->command_ = menu->NextCommand();
        }
        std::wstring text = Widen(child->caption_);
        if (child->shortCut_) {
            text += L"\t" + Widen(ShortCutToText(child->shortCut_));
        }
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_DATA | MIIM_SUBMENU;
        info.fType = child->IsLine() ? MFT_SEPARATOR : MFT_STRING;
        if (menu->OwnerDraw() && !topLevel) {
            info.fType |= MFT_OWNERDRAW;
        }
        info.fState = (child->checked_ ? MFS_CHECKED : 0) | (child->enabled_ ? 0 : MFS_GRAYED) |
                      (child->default_ ? MFS_DEFAULT : 0);
        info.wID = child->command_;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(child);
        info.dwTypeData = text.data();
        child->handle_ = nullptr;
        if (!child->items_.empty()) {
            child->handle_ = CreatePopupMenu();
            child->Build(child->handle_, false);
            info.hSubMenu = child->handle_;
        }
        InsertMenuItemW(into, GetMenuItemCount(into), TRUE, &info);
    }
}

void MenuItem::MeasureItem(Canvas& canvas, int& width, int& height) {
    if (IsLine()) {
        height = 8;
        return;
    }
    std::string text = caption_;
    if (shortCut_) {
        text += "    " + ShortCutToText(shortCut_);
    }
    SIZE size = canvas.TextExtent(text);
    width = size.cx + 40;
    height = std::max<int>(size.cy + 6, GetSystemMetrics(SM_CYMENU));
}

void MenuItem::DrawItem(Canvas& canvas, const RECT& rect, bool selected) {
    canvas.Brush().SetColor(selected ? SystemColor(COLOR_HIGHLIGHT) : SystemColor(COLOR_MENU));
    canvas.FillRect(rect);
    if (IsLine()) {
        RECT line{rect.left + 2, (rect.top + rect.bottom) / 2 - 1, rect.right - 2, rect.bottom};
        DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    Menu* menu = GetMenu();
    if (menu && menu->Images() && imageIndex_ >= 0) {
        menu->Images()->Draw(canvas.Handle(), rect.left + 2,
                             rect.top + (rect.bottom - rect.top - menu->Images()->Height()) / 2,
                             imageIndex_, enabled_);
    }
    canvas.Font().SetColor(
        !enabled_ ? clGrayText : SystemColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    SetBkMode(canvas.Handle(), TRANSPARENT);
    RECT text{rect.left + 24, rect.top, rect.right - 8, rect.bottom};
    canvas.DrawText(caption_, text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (shortCut_) {
        canvas.DrawText(ShortCutToText(shortCut_), text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
}

const ClassInfo& Menu::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Menu>("TMenu", &Component::StaticClass(), [](auto& p) {
            p.template Reference<tk::ImageList>("Images", &Menu::Images, &Menu::SetImages);
            p.Boolean("OwnerDraw", &Menu::OwnerDraw, &Menu::SetOwnerDraw);
        });
    return info;
}

Menu::Menu(Component* owner, bool bar)
    : Component(owner), root_(std::make_unique<MenuItem>(nullptr)), bar_(bar) {
    root_->menu_ = this;
}

Menu::~Menu() {
    root_.reset();
    if (handle_) {
        DestroyMenu(handle_);
    }
}

HMENU Menu::Handle() {
    if (!handle_) {
        Rebuild();
    }
    return handle_;
}

void Menu::Rebuild() {
    if (building_ || IsDestroying()) {
        return;
    }
    building_ = true;
    HMENU old = handle_;
    root_->ReleaseHandles();
    handle_ = bar_ ? CreateMenu() : CreatePopupMenu();
    root_->Build(handle_, bar_);
    building_ = false;
    Rebuilt();
    if (old) {
        DestroyMenu(old);
    }
}

void Menu::SetImages(tk::ImageList* images) {
    images_ = images;
    if (images_) {
        images_->FreeNotification(*this);
    }
}

void Menu::SetOwnerDraw(bool ownerDraw) {
    ownerDraw_ = ownerDraw;
    if (handle_) {
        Rebuild();
    }
}

void Menu::Notification(Component& component, Operation operation) {
    Component::Notification(component, operation);
    if (operation == Operation::Remove && &component == images_) {
        images_ = nullptr;
    }
}

const ClassInfo& MainMenu::StaticClass() {
    static const ClassInfo info("TMainMenu", &Menu::StaticClass());
    return info;
}

MainMenu::MainMenu(Component* owner) : Menu(owner, true) {}

void MainMenu::Rebuilt() {
    // Every form showing this menu is told, and gives its window the new one.
    if (auto* form = dynamic_cast<Form*>(Owner());
        form && form->Menu() == this && form->HandleAllocated()) {
        SendMessageW(form->Handle(), kNotifyMenuChanged, 0, 0);
    }
}

const ClassInfo& PopupMenu::StaticClass() {
    static const ClassInfo info("TPopupMenu", &Menu::StaticClass());
    return info;
}

PopupMenu::PopupMenu(Component* owner) : Menu(owner, false) {}

void PopupMenu::Popup(HWND window, int x, int y) {
    UINT command = static_cast<UINT>(
        TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, window, nullptr));
    if (MenuItem* item = command ? FindItem(command) : nullptr) {
        item->Click();
    }
}

bool MeasureMenuItem(MEASUREITEMSTRUCT& measure) {
    auto* item = reinterpret_cast<MenuItem*>(measure.itemData);
    if (measure.CtlType != ODT_MENU || !item) {
        return false;
    }
    {
        WindowDC screen = WindowDC::Client(nullptr);
        Canvas canvas(screen);
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        canvas.Font().SetName(Narrow(metrics.lfMenuFont.lfFaceName));
        canvas.Font().SetHeight(metrics.lfMenuFont.lfHeight);
        int width = 0, height = 0;
        if (item->OnMeasureItem) {
            item->OnMeasureItem(*item, canvas, width, height);
        } else {
            item->MeasureItem(canvas, width, height);
        }
        measure.itemWidth = static_cast<UINT>(std::max(width, 0));
        measure.itemHeight = static_cast<UINT>(std::max(height, 0));
    }
    return true;
}

bool DrawMenuItem(const DRAWITEMSTRUCT& draw) {
    auto* item = reinterpret_cast<MenuItem*>(draw.itemData);
    if (draw.CtlType != ODT_MENU || !item) {
        return false;
    }
    Canvas canvas(draw.hDC);
    bool selected = (draw.itemState & ODS_SELECTED) != 0;
    if (item->OnDrawItem) {
        item->OnDrawItem(*item, canvas, draw.rcItem, selected);
    } else {
        item->DrawItem(canvas, draw.rcItem, selected);
    }
    return true;
}

} // namespace tk
