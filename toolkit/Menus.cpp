#include "toolkit/Menus.h"

#include "toolkit/Action.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "toolkit/Notifications.h"
#include "toolkit/Text.h"

#include <algorithm>
#include <stdexcept>
#include <tuple>
#include <unordered_map>

namespace tk {
namespace {

// Every menu item of the program has its own command identifier, so a
// WM_COMMAND or an owner-drawn message names one item whichever menu (a form's
// menu bar or any popup menu) it came from. Identifiers stay below the system
// commands (SC_SIZE, 0xF000, and up), which a maximised MDI child's buttons
// carry in the frame's menu bar, and so below the MDI window list too.
constexpr UINT FirstCommand = 100;
constexpr UINT LastCommand = 0xEFFF;

struct CommandTable {
    std::unordered_map<UINT, MenuItem*> items;
    UINT next = FirstCommand;
};

CommandTable& Commands() {
    static CommandTable table;
    return table;
}

// The next free identifier after the last one given, wrapping round to the
// first once the range is used up.
UINT AcquireCommand(MenuItem& item) {
    CommandTable& table = Commands();
    constexpr UINT Range = LastCommand - FirstCommand + 1;
    for (UINT tried = 0; tried < Range; ++tried) {
        UINT command = table.next;
        table.next = command == LastCommand ? FirstCommand : command + 1;
        if (table.items.emplace(command, &item).second) {
            return command;
        }
    }
    throw std::runtime_error("too many menu items: every menu command identifier is in use");
}

void ReleaseCommand(UINT command) {
    Commands().items.erase(command);
}

} // namespace

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

MenuItem::MenuItem(Component* owner) : Component(owner), command_(AcquireCommand(*this)) {}

MenuItem::~MenuItem() {
    ReleaseCommand(command_);
    if (action_) {
        action_->Unlink(*this);
    }
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

tk::ImageList* MenuItem::Images() const {
    Menu* menu = GetMenu();
    return menu ? menu->Images() : nullptr;
}

HMENU MenuItem::Handle() const {
    return menu_ ? menu_->Handle() : handle_;
}

bool MenuItem::IsTopLevel() const {
    return parent_ && parent_->menu_;
}

void MenuItem::Changed() {
    // Only an item of a built menu has a native item; a hidden one has none.
    Menu* menu = GetMenu();
    HMENU holder = !parent_ ? nullptr : parent_->menu_ ? menu->handle_ : parent_->handle_;
    if (!holder || !visible_) {
        return;
    }
    std::wstring text;
    MENUITEMINFOW info{};
    FillNativeItem(info, text);
    // Whoever shows the menu may have made its items owner-drawn for the
    // time it is open (a skinned menu bar): a new text or state keeps that.
    MENUITEMINFOW shown{};
    shown.cbSize = sizeof(shown);
    shown.fMask = MIIM_FTYPE;
    if (GetMenuItemInfoW(holder, command_, FALSE, &shown)) {
        info.fType |= shown.fType & MFT_OWNERDRAW;
    }
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    SetMenuItemInfoW(holder, command_, FALSE, &info);
    if (IsTopLevel()) {
        menu->Changed();
    }
}

void MenuItem::StructureChanged() {
    // Until its native menu is asked for, a menu has nothing to rebuild.
    if (Menu* menu = GetMenu(); menu && menu->handle_) {
        menu->Rebuild();
    }
}

// Setting a value an item already has changes nothing: OnUpdate handlers of
// actions set the whole state each time an item is drawn.
void MenuItem::SetCaption(const std::string& caption) {
    if (ChangeValue(caption_, caption)) {
        Changed();
    }
}
void MenuItem::SetChecked(bool checked) {
    if (ChangeValue(checked_, checked)) {
        Changed();
    }
}
void MenuItem::SetEnabled(bool enabled) {
    if (ChangeValue(enabled_, enabled)) {
        Changed();
    }
}
void MenuItem::SetVisible(bool visible) {
    if (ChangeValue(visible_, visible)) {
        StructureChanged();
    }
}
void MenuItem::SetDefault(bool isDefault) {
    if (ChangeValue(default_, isDefault)) {
        Changed();
    }
}
void MenuItem::SetImageIndex(int index) {
    if (ChangeValue(imageIndex_, index)) {
        Changed();
    }
}
void MenuItem::SetShortCut(int shortCut) {
    if (ChangeValue(shortCut_, shortCut)) {
        Changed();
    }
}

void MenuItem::SetAction(tk::Action* action) {
    if (Relink(action_, action)) {
        ApplyAction(true);
    }
}

void MenuItem::ActionChanged() {
    ApplyAction(false);
}

void MenuItem::ApplyAction(bool onlyDefaults) {
    if (!action_) {
        return;
    }
    const Action& action = *action_;
    auto state = [this] { return std::tuple(caption_, checked_, enabled_, visible_, imageIndex_); };
    const auto before = state();
    if (!action.Caption().empty() && (!onlyDefaults || caption_.empty())) {
        caption_ = action.Caption();
    }
    if (!onlyDefaults || imageIndex_ < 0) {
        imageIndex_ = action.ImageIndex();
    }
    if (!onlyDefaults || enabled_) {
        enabled_ = action.Enabled();
    }
    if (!onlyDefaults || !checked_) {
        checked_ = action.Checked();
    }
    if (!onlyDefaults || visible_) {
        visible_ = action.Visible();
    }
    if (std::get<3>(before) != visible_) {
        StructureChanged();
    } else if (before != state()) {
        Changed();
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
    StructureChanged();
}

void MenuItem::Remove(MenuItem& item) {
    items_.erase(std::remove(items_.begin(), items_.end(), &item), items_.end());
    item.parent_ = nullptr;
    item.ReleaseHandles();
    StructureChanged();
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

MenuItem* MenuItem::FromCommand(UINT command) {
    auto found = Commands().items.find(command);
    return found == Commands().items.end() ? nullptr : found->second;
}

MenuItem* MenuItem::FindByHandle(HMENU handle) {
    if (!handle) {
        return nullptr;
    }
    for (MenuItem* child : items_) {
        if (child->handle_ == handle) {
            return child;
        }
        if (MenuItem* found = child->FindByHandle(handle)) {
            return found;
        }
    }
    return nullptr;
}

// A disabled item does nothing: its command can still arrive (a skinned menu
// bar posts a disabled top-level item's command as a native bar reports it).
void MenuItem::Click() {
    if (!enabled_) {
        return;
    }
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

void MenuItem::FillNativeItem(MENUITEMINFOW& info, std::wstring& text) const {
    const Menu& menu = *GetMenu();
    text = Widen(caption_);
    if (shortCut_) {
        text += L"\t" + Widen(ShortCutToText(shortCut_));
    }
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_DATA;
    info.fType = IsLine() ? MFT_SEPARATOR : MFT_STRING;
    // A menu bar's own items stay native; the system draws the bar.
    if (menu.OwnerDraw() && !(menu.bar_ && IsTopLevel())) {
        info.fType |= MFT_OWNERDRAW;
    }
    info.fState =
        (checked_ ? MFS_CHECKED : 0) | (enabled_ ? 0 : MFS_GRAYED) | (default_ ? MFS_DEFAULT : 0);
    info.wID = command_;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
    info.dwTypeData = text.data();
}

void MenuItem::Build(HMENU into) {
    for (MenuItem* child : items_) {
        if (!child->visible_) {
            continue;
        }
        std::wstring text;
        MENUITEMINFOW info{};
        child->FillNativeItem(info, text);
        if (!child->items_.empty()) {
            child->handle_ = CreatePopupMenu();
            child->Build(child->handle_);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = child->handle_;
        }
        InsertMenuItemW(into, GetMenuItemCount(into), TRUE, &info);
    }
}

const ClassInfo& Menu::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Menu>("TMenu", &Component::StaticClass(), [](auto& p) {
            p.template Reference<tk::ImageList>("Images", &Menu::Images, &Menu::SetImages);
            p.Boolean("OwnerDraw", &Menu::OwnerDraw, &Menu::SetOwnerDraw);
            p.Boolean("RightToLeft", &Menu::RightToLeft, &Menu::SetRightToLeft);
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

// The new menu is in place (the form told) before the old one goes, so a
// window never holds a destroyed menu.
void Menu::Rebuild() {
    if (building_ || IsDestroying()) {
        return;
    }
    building_ = true;
    HMENU old = handle_;
    root_->ReleaseHandles();
    handle_ = bar_ ? CreateMenu() : CreatePopupMenu();
    root_->Build(handle_);
    building_ = false;
    // A first build answers whoever asked for the handle; a rebuild is news.
    if (old) {
        Changed();
        DestroyMenu(old);
    }
}

MenuItem* Menu::FindItem(UINT command) const {
    MenuItem* item = MenuItem::FromCommand(command);
    return item && item != root_.get() && item->GetMenu() == this ? item : nullptr;
}

void Menu::SetImages(tk::ImageList* images) {
    images_ = images;
    if (images_) {
        images_->FreeNotification(*this);
    }
}

void Menu::SetOwnerDraw(bool ownerDraw) {
    if (ChangeValue(ownerDraw_, ownerDraw) && handle_) {
        Rebuild();
    }
}

void Menu::SetRightToLeft(bool rightToLeft) {
    rightToLeft_ = rightToLeft;
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

void MainMenu::Changed() {
    // The form showing this menu is told, and gives its window the menu.
    if (auto* form = dynamic_cast<Form*>(Owner());
        form && form->Menu() == this && form->HandleAllocated()) {
        SendMessageW(form->Handle(), NotifyMenuChanged, 0, 0);
    }
}

const ClassInfo& PopupMenu::StaticClass() {
    static const ClassInfo info("TPopupMenu", &Menu::StaticClass());
    return info;
}

PopupMenu::PopupMenu(Component* owner) : Menu(owner, false) {}

void PopupMenu::Popup(HWND window, int x, int y) {
    const UINT align = RightToLeft() ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    UINT command = static_cast<UINT>(TrackPopupMenu(
        Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON | align, x, y, 0, window, nullptr));
    if (MenuItem* item = command ? FindItem(command) : nullptr) {
        item->Click();
    }
}

} // namespace tk
