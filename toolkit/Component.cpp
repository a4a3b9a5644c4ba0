#include "toolkit/Component.h"

#include <algorithm>
#include <stdexcept>

namespace tk {

void ThrowReferenceMismatch(const Component& given, const std::string& wanted) {
    throw std::invalid_argument("'" + given.Name() + "' is a " + given.ClassName() + ", not a " +
                                wanted);
}

bool IsIdentifier(std::string_view text) {
    auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (text.empty() || !letter(text[0])) {
        return false;
    }
    return std::all_of(text.begin(), text.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

const ClassInfo& Component::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Component>("TComponent", &Persistent::StaticClass(), [](auto& p) {
            p.String("Name", &Component::Name, &Component::SetName);
            p.Integer("Tag", &Component::Tag, &Component::SetTag);
        });
    return info;
}

Component::Component(Component* owner) {
    if (owner) {
        owner->InsertComponent(*this);
    }
}

Component::~Component() {
    destroying_ = true;
    // Owned components go last-created first, so a component never outlives
    // one created before it that it may refer to.
    while (!components_.empty()) {
        Component* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
    std::vector<Component*> watchers;
    watchers.swap(freeNotifies_);
    for (Component* watcher : watchers) {
        watcher->RemoveFreeNotification(*this);
        watcher->Notification(*this, Operation::Remove);
    }
    if (owner_) {
        owner_->RemoveComponent(*this);
    }
}

Component* Component::FindComponent(std::string_view name) const {
    if (name.empty()) {
        return nullptr;
    }
    for (Component* c : components_) {
        if (SameText(c->name_, name)) {
            return c;
        }
    }
    return nullptr;
}

void Component::InsertComponent(Component& component) {
    if (component.owner_ == this) {
        return;
    }
    if (!component.name_.empty() && FindComponent(component.name_)) {
        throw std::invalid_argument("a component named '" + component.name_ + "' already exists");
    }
    if (component.owner_) {
        component.owner_->RemoveComponent(component);
    }
    components_.push_back(&component);
    component.owner_ = this;
    Notification(component, Operation::Insert);
}

void Component::RemoveComponent(Component& component) {
    auto it = std::find(components_.begin(), components_.end(), &component);
    if (it == components_.end()) {
        return;
    }
    components_.erase(it);
    component.owner_ = nullptr;
    Notification(component, Operation::Remove);
}

void Component::SetName(const std::string& name) {
    if (SameText(name, name_)) {
        name_ = name;
        return;
    }
    if (!name.empty() && !IsIdentifier(name)) {
        throw std::invalid_argument("'" + name + "' is not a valid component name");
    }
    if (owner_ && owner_->FindComponent(name)) {
        throw std::invalid_argument("a component named '" + name + "' already exists");
    }
    name_ = name;
}

void Component::Loaded() {}

void Component::SetParentComponent(Component& parent) {
    if (&parent == owner_) {
        return; // non-visual components sit directly on their owner
    }
    throw std::invalid_argument("a " + ClassName() + " cannot be placed inside a " +
                                parent.ClassName());
}

const EventHandler* Component::FindMethod(std::string_view) const {
    return nullptr;
}

void Component::FreeNotification(Component& other) {
    if (&other == this) {
        return;
    }
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), &other) == freeNotifies_.end()) {
        freeNotifies_.push_back(&other);
        other.FreeNotification(*this);
    }
}

void Component::RemoveFreeNotification(Component& other) {
    auto it = std::find(freeNotifies_.begin(), freeNotifies_.end(), &other);
    if (it != freeNotifies_.end()) {
        freeNotifies_.erase(it);
        other.RemoveFreeNotification(*this);
    }
}

void Component::Notification(Component& component, Operation operation) {
    if (operation == Operation::Remove) {
        RemoveFreeNotification(component);
    }
}

} // namespace tk
