// Run-time class information and published properties. Every toolkit class
// reports its class name ("TPageControl") and a table of properties that can be
// read and written by name, which is how designs are applied and how other
// code inspects controls it does not know.
#pragma once

#include "toolkit/Events.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class Component;
class Persistent;

// Raised when a design names a component of the wrong class for a reference.
[[noreturn]] void ThrowReferenceMismatch(const Component& given, const std::string& wanted);

enum class PropertyKind {
    Boolean,
    Enumeration,
    Integer,
    String,
    Set, // bit n stands for element n of its enumeration
    StringList,
    Object,     // an owned sub-object with properties of its own (Font, Picture)
    Reference,  // another component of the same design, by name
    Event,      // a handler bound by name
    Collection, // a list of items with properties of their own (tree nodes, panels)
};

// Identifiers of an enumeration in ordinal order.
struct EnumInfo {
    std::string_view typeName;
    std::vector<std::string_view> names;

    // Ordinal of an identifier, case ignored; -1 when unknown.
    int Find(std::string_view name) const;
};

// Named integer constants accepted for an integer property (colours, cursors).
struct IntIdent {
    std::string_view name;
    int64_t value;
};

struct PropertyInfo {
    std::string name;
    PropertyKind kind = PropertyKind::Integer;
    const EnumInfo* enumInfo = nullptr; // Enumeration; element type of a Set
    std::span<const IntIdent> idents;   // Integer
    EventKind eventKind = EventKind::Notify;

    // Boolean (0/1), Enumeration (ordinal), Integer, Set (bits).
    std::function<int64_t(const Persistent&)> getOrdinal;
    std::function<void(Persistent&, int64_t)> setOrdinal;
    std::function<std::string(const Persistent&)> getString;
    std::function<void(Persistent&, const std::string&)> setString;
    std::function<std::vector<std::string>(const Persistent&)> getStrings;
    std::function<void(Persistent&, const std::vector<std::string>&)> setStrings;
    std::function<Persistent*(Persistent&)> object;
    std::function<Component*(const Persistent&)> getReference;
    std::function<void(Persistent&, Component*)> setReference;
    std::function<bool(const Persistent&)> hasEvent;
    std::function<void(Persistent&, const EventHandler&)> setEvent;
    std::function<void(Persistent&)> clearItems;
    std::function<Persistent&(Persistent&)> addItem;
};

class ClassInfo;
template <class C> class PropertyBuilder;

class ClassInfo {
public:
    template <class C>
    static ClassInfo Make(std::string name, const ClassInfo* parent,
                          void (*fill)(PropertyBuilder<C>&)) {
        ClassInfo info(std::move(name), parent);
        PropertyBuilder<C> builder(info.properties_);
        fill(builder);
        return info;
    }
    ClassInfo(std::string name, const ClassInfo* parent)
        : name_(std::move(name)), parent_(parent) {}

    const std::string& Name() const { return name_; }
    const ClassInfo* Parent() const { return parent_; }
    // True for this class or one it derives from, by T-name.
    bool InheritsFrom(std::string_view className) const;
    // The property of that name (case ignored), searching base classes too.
    const PropertyInfo* Find(std::string_view name) const;
    // All properties, base classes first.
    std::vector<const PropertyInfo*> All() const;

private:
    std::string name_;
    const ClassInfo* parent_;
    std::vector<PropertyInfo> properties_;
};

// Handlers for stored binary properties ("SkinStream = { ... }" in a design):
// the block's bytes are handed over after the published properties are set.
using BinaryPropertyReader = std::function<void(std::span<const std::uint8_t>)>;

class BinaryProperties {
public:
    void Define(std::string name, BinaryPropertyReader read);
    const BinaryPropertyReader* Find(std::string_view name) const;

private:
    std::vector<std::pair<std::string, BinaryPropertyReader>> entries_;
};

class Persistent {
public:
    virtual ~Persistent() = default;
    static const ClassInfo& StaticClass();
    virtual const ClassInfo& Class() const { return StaticClass(); }
    const std::string& ClassName() const { return Class().Name(); }
    bool InheritsFrom(std::string_view className) const { return Class().InheritsFrom(className); }
    // Lists the binary properties this object reads from a design.
    virtual void DefineProperties(BinaryProperties&) {}

protected:
    Persistent() = default;
    Persistent(const Persistent&) = default;
    Persistent& operator=(const Persistent&) = default;
};

// Declares the class information members of a toolkit class.
#define TK_CLASS(Cls)                                                                              \
public:                                                                                            \
    static const ::tk::ClassInfo& StaticClass();                                                   \
    const ::tk::ClassInfo& Class() const override {                                                \
        return StaticClass();                                                                      \
    }                                                                                              \
                                                                                                   \
private:

// Builds the property table of class C from its getters and setters.
template <class C> class PropertyBuilder {
public:
    explicit PropertyBuilder(std::vector<PropertyInfo>& out) : out_(out) {}

    template <class G, class S> void Boolean(std::string name, G get, S set) {
        PropertyInfo& p = Add(std::move(name), PropertyKind::Boolean);
        p.getOrdinal = [get](const Persistent& o) {
            return int64_t(std::invoke(get, Self(o)) ? 1 : 0);
        };
        p.setOrdinal = [set](Persistent& o, int64_t v) { std::invoke(set, Self(o), v != 0); };
    }
    template <class E, class G, class S>
    void Enumeration(std::string name, const EnumInfo& info, G get, S set) {
        PropertyInfo& p = Add(std::move(name), PropertyKind::Enumeration);
        p.enumInfo = &info;
        p.getOrdinal = [get](const Persistent& o) { return int64_t(std::invoke(get, Self(o))); };
        p.setOrdinal = [set](Persistent& o, int64_t v) {
            std::invoke(set, Self(o), static_cast<E>(v));
        };
    }
    template <class G, class S>
    void Integer(std::string name, G get, S set, std::span<const IntIdent> idents = {}) {
        PropertyInfo& p = Add(std::move(name), PropertyKind::Integer);
        p.idents = idents;
        p.getOrdinal = [get](const Persistent& o) { return int64_t(std::invoke(get, Self(o))); };
        p.setOrdinal = [set](Persistent& o, int64_t v) {
            std::invoke(set, Self(o), static_cast<int>(static_cast<int32_t>(v)));
        };
    }
    template <class G, class S> void String(std::string name, G get, S set) {
        PropertyInfo& p = Add(std::move(name), PropertyKind::String);
        p.getString = [get](const Persistent& o) { return std::string(std::invoke(get, Self(o))); };
        p.setString = [set](Persistent& o, const std::string& v) { std::invoke(set, Self(o), v); };
    }
    template <class G, class S> void Set(std::string name, const EnumInfo& element, G get, S set) {
        PropertyInfo& p = Add(std::move(name), PropertyKind::Set);
        p.enumInfo = &element;
        p.getOrdinal = [get](const Persistent& o) { return int64_t(std::invoke(get, Self(o))); };
        p.setOrdinal = [set](Persistent& o, int64_t v) {
            std::invoke(set, Self(o), static_cast<uint32_t>(v));
        };
    }
    template <class G, class S> void StringList(std::string name, G get, S set) {
        PropertyInfo& p = Add(std::move(name), PropertyKind::StringList);
        p.getStrings = [get](const Persistent& o) {
            return std::vector<std::string>(std::invoke(get, Self(o)));
        };
        p.setStrings = [set](Persistent& o, const std::vector<std::string>& v) {
            std::invoke(set, Self(o), v);
        };
    }
    template <class G> void Object(std::string name, G get) {
        PropertyInfo& p = Add(std::move(name), PropertyKind::Object);
        p.object = [get](Persistent& o) -> Persistent* { return &std::invoke(get, Self(o)); };
    }
    template <class T, class G, class S> void Reference(std::string name, G get, S set) {
        PropertyInfo& p = Add(std::move(name), PropertyKind::Reference);
        p.getReference = [get](const Persistent& o) -> Component* {
            return std::invoke(get, Self(o));
        };
        p.setReference = [set](Persistent& o, Component* c) {
            T* target = c ? dynamic_cast<T*>(c) : nullptr;
            if (c && !target) {
                ThrowReferenceMismatch(*c, T::StaticClass().Name());
            }
            std::invoke(set, Self(o), target);
        };
    }
    // An event stored in a member of type F (one of the handler types).
    template <class F> void Event(std::string name, F C::*member) {
        PropertyInfo& p = Add(std::move(name), PropertyKind::Event);
        p.eventKind = KindOf(EventHandler(std::in_place_type<F>));
        p.hasEvent = [member](const Persistent& o) { return bool(Self(o).*member); };
        p.setEvent = [member](Persistent& o, const EventHandler& h) {
            Self(o).*member = std::get<F>(h);
        };
    }
    template <class Clear, class AddItem>
    void Collection(std::string name, Clear clear, AddItem add) {
        PropertyInfo& p = Add(std::move(name), PropertyKind::Collection);
        p.clearItems = [clear](Persistent& o) { std::invoke(clear, Self(o)); };
        p.addItem = [add](Persistent& o) -> Persistent& { return std::invoke(add, Self(o)); };
    }

private:
    static const C& Self(const Persistent& o) { return static_cast<const C&>(o); }
    static C& Self(Persistent& o) { return static_cast<C&>(o); }
    PropertyInfo& Add(std::string name, PropertyKind kind) {
        out_.push_back(PropertyInfo{});
        out_.back().name = std::move(name);
        out_.back().kind = kind;
        return out_.back();
    }
    std::vector<PropertyInfo>& out_;
};

// Case-insensitive comparison of ASCII identifiers.
bool SameText(std::string_view a, std::string_view b);

// For property setters: stores `value` and answers whether it differed from
// what `field` held, so that only a real change is passed on.
template <class T> bool ChangeValue(T& field, const T& value) {
    if (field == value) {
        return false;
    }
    field = value;
    return true;
}

} // namespace tk
