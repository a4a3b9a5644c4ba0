// Creates components by class name ("TButton"), as designs name them.
#pragma once

#include "toolkit/Component.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tk {

class ClassRegistry {
public:
    using Factory = std::function<Component*(Component* owner)>;

    template <class T> void Register() {
        Register(T::StaticClass().Name(),
                 [](Component* owner) -> Component* { return new T(owner); });
    }
    void Register(const std::string& className, Factory factory);
    bool Knows(std::string_view className) const;
    // A new component owned by `owner`; throws for an unknown class name.
    Component* Create(std::string_view className, Component* owner) const;

private:
    std::map<std::string, Factory, std::less<>> factories_; // keyed by lower-case name
};

// The toolkit's own classes (forms excepted: each form class is its own).
void RegisterStandardClasses(ClassRegistry& registry);

} // namespace tk
