// Components: objects with an owner that frees them, a name unique among the
// owner's components, an integer tag, and a part in designs (published
// properties, stored binary properties, Loaded once a design is read).
#pragma once

#include "toolkit/Persistent.h"

#include <string>
#include <string_view>
#include <vector>

namespace tk {

// An item, image or tab index that names none.
constexpr int NoIndex = -1;

enum class Operation { Insert, Remove };

class Component : public Persistent {
    TK_CLASS(Component)

public:
    // The owner (if any) takes the new component into its list and frees it.
    explicit Component(Component* owner);
    ~Component() override;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Component* Owner() const { return owner_; }
    // Owned components in the order they were created (or inserted).
    const std::vector<Component*>& Components() const { return components_; }
    // The owned component of that name (case ignored), or none.
    Component* FindComponent(std::string_view name) const;
    // Moves an owned component to another owner.
    void InsertComponent(Component& component);
    void RemoveComponent(Component& component);

    const std::string& Name() const { return name_; }
    // Names are identifiers, unique among the owner's components (case ignored).
    void SetName(const std::string& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // True while a design is being read into this component.
    bool IsLoading() const { return loading_; }
    bool IsDestroying() const { return destroying_; }

    // Called once the whole design holding this component has been read.
    virtual void Loaded();
    // Places a component that a design nests inside this one (a control in its
    // parent, an action in its list, a menu item in its menu).
    virtual void SetParentComponent(Component& parent);
    // A design's event binding: the method of that name this component offers.
    virtual const EventHandler* FindMethod(std::string_view name) const;

    // Asks for a Notification(*this, Remove) to `other` when this component goes.
    void FreeNotification(Component& other);
    void RemoveFreeNotification(Component& other);

protected:
    // Told when a component it watches (or owns) is inserted or removed.
    virtual void Notification(Component& component, Operation operation);

private:
    friend class DesignReader;
    void SetLoading(bool loading) { loading_ = loading; }

    Component* owner_ = nullptr;
    std::vector<Component*> components_;
    std::vector<Component*> freeNotifies_;
    std::string name_;
    int tag_ = 0;
    bool loading_ = false;
    bool destroying_ = false;
};

// True for a text made of a letter or '_' followed by letters, digits and '_'.
bool IsIdentifier(std::string_view text);

} // namespace tk
