// Menus: a main menu (the menu bar of the form it is given to) and popup
// menus, made of menu items nested in a design like the menu's structure.
// Each menu keeps a native menu built from its items and rebuilds it when an
// item changes; a main menu then sends its form the menu-changed notification,
// and the form gives its window the new menu.
#pragma once

#include "Component.h"
#include "Graphics.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tk {

class Action;
class Form;
class ImageList;
class Menu;

class MenuItem : public Component {
    TK_CLASS(MenuItem)

public:
    explicit MenuItem(Component* owner);
    ~MenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // Virtual-key code with scShift, scCtrl, scAlt; 0 for none.
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int shortCut);
    tk::Action* GetAction() const { return action_; }
    void SetAction(tk::Action* action);

    bool IsLine() const { return caption_ == "-"; }
    MenuItem* Parent() const { return parent_; }
    tk::Menu* GetMenu() const;
    const std::vector<MenuItem*>& Items() const { return items_; }
    void Add(MenuItem& item);
    void Remove(MenuItem& item);
    // Command identifier of the item, unique among every menu item of the
    // program (WM_COMMAND and owner-drawn messages name the item by it).
    UINT Command() const { return command_; }
    // The item of that command, whichever menu holds it, or none.
    static MenuItem* FromCommand(UINT command);
    // The native submenu when the item has children, else none.
    HMENU Handle() const { return handle_; }

    NotifyEvent OnClick;
    // Owner drawing (when the menu's OwnerDraw is set).
    std::function<void(MenuItem& item, Canvas& canvas, const RECT& rect, bool selected)> OnDrawItem;
    std::function<void(MenuItem& item, Canvas& canvas, int& width, int& height)> OnMeasureItem;
    virtual void Click();
    // The item's own measuring and drawing, used without handlers.
    void MeasureItem(Canvas& canvas, int& width, int& height);
    void DrawItem(Canvas& canvas, const RECT& rect, bool selected);

    void SetParentComponent(Component& parent) override;

protected:
    void Notification(Component& component, Operation operation) override;

private:
    friend class Menu;
    void Changed();
    void Build(HMENU into, bool topLevel);
    void ReleaseHandles();

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    int imageIndex_ = -1;
    int shortCut_ = 0;
    tk::Action* action_ = nullptr;
    MenuItem* parent_ = nullptr;
    tk::Menu* menu_ = nullptr; // set on the root item
    std::vector<MenuItem*> items_;
    UINT command_;
    HMENU handle_ = nullptr;
};

class Menu : public Component {
    TK_CLASS(Menu)

public:
    ~Menu() override;
    MenuItem& Items() { return *root_; }
    HMENU Handle();
    tk::ImageList* Images() const { return images_; }
    void SetImages(tk::ImageList* images);
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool ownerDraw);
    // The item of that command in this menu, or none.
    MenuItem* FindItem(UINT command) const;
    // Rebuilds the native menu after a change of the items.
    void Rebuild();

protected:
    Menu(Component* owner, bool bar);
    virtual void Rebuilt() {}
    void Notification(Component& component, Operation operation) override;

private:
    friend class MenuItem;
    std::unique_ptr<MenuItem> root_;
    HMENU handle_ = nullptr;
    bool bar_;
    bool ownerDraw_ = false;
    bool building_ = false;
    tk::ImageList* images_ = nullptr;
};

class MainMenu : public Menu {
    TK_CLASS(MainMenu)

public:
    explicit MainMenu(Component* owner);

protected:
    void Rebuilt() override;
};

class PopupMenu : public Menu {
    TK_CLASS(PopupMenu)

public:
    explicit PopupMenu(Component* owner);
    // Shows the menu at a screen point for `window` and runs the chosen item.
    void Popup(HWND window, int x, int y);
};

// "Ctrl+S" and the like.
std::string ShortCutToText(int shortCut);
constexpr int scShift = 0x2000;
constexpr int scCtrl = 0x4000;
constexpr int scAlt = 0x8000;

// Owner-drawn menu messages of a form: true when the item was one of ours.
bool MeasureMenuItem(MEASUREITEMSTRUCT& measure);
bool DrawMenuItem(const DRAWITEMSTRUCT& draw);

} // namespace tk
