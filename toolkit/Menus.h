// Menus: a main menu (the menu bar of the form it is given to) and popup
// menus, made of menu items nested in a design like the menu's structure.
// Each menu keeps a native menu built from its items. A change of an item's
// text or state is written into the native item in place, so the menu's
// handles stay valid while it is shown; a change of the structure (items
// added, removed, shown or hidden, owner drawing) builds a new
// native menu. A main menu then sends its form the menu-changed notification
// (also for a change of one of its top-level items), and the form gives its
// window the menu.
//
// Owner-drawn items are measured and drawn by the item: its own measuring
// gives the size a native item of the system's menu font would have, and an
// OnMeasureItem handler adjusts that size; OnDrawItem replaces its drawing.
#pragma once

#include "toolkit/Action.h"
#include "toolkit/Component.h"
#include "toolkit/Graphics.h"
#include "toolkit/ShortCut.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tk {

class Form;
class ImageList;
class Menu;

class MenuItem : public Component, public ActionClient {
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
    // The item holding this one; a menu's first-level items have the menu's
    // root item as parent, whose Handle is the menu's own.
    MenuItem* Parent() const { return parent_; }
    tk::Menu* GetMenu() const;
    // The image list of its menu, or none.
    tk::ImageList* Images() const;
    const std::vector<MenuItem*>& Items() const { return items_; }
    void Add(MenuItem& item);
    void Remove(MenuItem& item);
    // Command identifier of the item, unique among every menu item of the
    // program (WM_COMMAND and owner-drawn messages name the item by it).
    UINT Command() const { return command_; }
    // The item of that command, whichever menu holds it, or none.
    static MenuItem* FromCommand(UINT command);
    // The native submenu when the item has children (for a menu's root item,
    // the menu's own handle), else none.
    HMENU Handle() const;
    // The item below this one whose submenu is `handle`, or none.
    MenuItem* FindByHandle(HMENU handle);

    // Runs on a choice of the item; never while the item is disabled.
    NotifyEvent OnClick;
    // Owner drawing (when the menu's OwnerDraw is set). Either handler may be
    // set and removed (assigned nullptr) at any time.
    std::function<void(MenuItem& item, Canvas& canvas, const RECT& rect, bool selected)> OnDrawItem;
    // Adjusts the size the item's own measuring gave.
    std::function<void(MenuItem& item, Canvas& canvas, int& width, int& height)> OnMeasureItem;
    virtual void Click();
    // The item's own measuring and drawing, whatever handlers are set. The
    // canvas carries the menu font (see MenuFont).
    void MeasureItem(Canvas& canvas, int& width, int& height);
    void DrawItem(Canvas& canvas, const RECT& rect, bool selected);

    void SetParentComponent(Component& parent) override;
    void ActionChanged() override;
    void ActionFreed() override { action_ = nullptr; }

private:
    friend class Menu;
    // Writes the item's text and state into its native item.
    void Changed();
    // The menu must build its native menu again.
    void StructureChanged();
    // Takes the action's values; with `onlyDefaults`, only where the item
    // still has its default value (an action linked to a designed item).
    void ApplyAction(bool onlyDefaults);
    bool IsTopLevel() const;
    void FillNativeItem(MENUITEMINFOW& info, std::wstring& text) const;
    void Build(HMENU into);
    void ReleaseHandles();

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    int imageIndex_ = NoIndex;
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
    bool HandleAllocated() const { return handle_ != nullptr; }
    tk::ImageList* Images() const { return images_; }
    void SetImages(tk::ImageList* images);
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool ownerDraw);
    // Right-to-left reading order: the items draw themselves mirrored (glyph
    // and caption on the right) and a popup menu opens to the left of its
    // point. The native items keep their order: the system's right-to-left
    // flag for items is not drawn reliably everywhere.
    bool RightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(bool rightToLeft);
    // The item of that command in this menu, or none.
    MenuItem* FindItem(UINT command) const;
    // The item whose submenu is `handle` in this menu, or none.
    MenuItem* FindItemByHandle(HMENU handle) { return root_->FindByHandle(handle); }
    // Rebuilds the native menu after a change of the items.
    void Rebuild();

protected:
    Menu(Component* owner, bool bar);
    // The native menu was built again, or a top-level item changed.
    virtual void Changed() {}
    void Notification(Component& component, Operation operation) override;

private:
    friend class MenuItem;
    std::unique_ptr<MenuItem> root_;
    HMENU handle_ = nullptr;
    bool bar_;
    bool ownerDraw_ = false;
    bool rightToLeft_ = false;
    bool building_ = false;
    tk::ImageList* images_ = nullptr;
};

class MainMenu : public Menu {
    TK_CLASS(MainMenu)

public:
    explicit MainMenu(Component* owner);

protected:
    void Changed() override;
};

class PopupMenu : public Menu {
    TK_CLASS(PopupMenu)

public:
    explicit PopupMenu(Component* owner);
    // Shows the menu at a screen point for `window` and runs the chosen item.
    void Popup(HWND window, int x, int y);
};

// The system's menu font (SPI_GETNONCLIENTMETRICS), bold for a default item.
void SetMenuFont(tk::Font& font, bool bold);

// The size a native menu item of this caption, shortcut text and glyph
// column would have in the canvas's font (a menu item's own measuring).
void MeasureMenuItemLayout(Canvas& canvas, const std::string& caption, const std::string& shortCut,
                           SIZE glyph, int& width, int& height);

// Called by the message loop with a key press: when its key and modifiers
// are the ShortCut of an item of the main menu of the form the key went to
// (the item and the items holding it enabled and visible, with an OnClick
// handler or an action), the item is clicked and the answer is true; then
// the key goes no further. Items without a handler leave the key to the
// focused control.
bool IsMenuShortCut(const MSG& msg);

// Owner-drawn menu messages of a form: true when the item was one of ours.
bool MeasureMenuItem(MEASUREITEMSTRUCT& measure);
bool DrawMenuItem(const DRAWITEMSTRUCT& draw);

} // namespace tk
