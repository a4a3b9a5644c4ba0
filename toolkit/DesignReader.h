// Applies a design to a root component (usually a form): creates the nested
// objects by class name, owned by the root, sets their properties by name and
// binds events to the root's methods.
//
// Order: for each object, its published properties as they stand, then its
// stored binary properties, then its nested objects; after the whole design,
// references between components are resolved and every component read
// (root first, then in creation order) gets Loaded().
#pragma once

#include "toolkit/ClassRegistry.h"
#include "toolkit/DesignText.h"

#include <string>
#include <string_view>
#include <vector>

namespace tk {

class DesignReader {
public:
    DesignReader(const ClassRegistry& classes, std::string source);

    // Reads the design text into `root`. Errors throw std::runtime_error
    // naming the source and the line; the components created so far are freed.
    void Read(Component& root, std::string_view text);
    void Read(Component& root, const DesignObject& design);

private:
    struct Fixup {
        Persistent* object;
        const PropertyInfo* info;
        std::string target;
        int line;
    };

    void ReadObject(Component& component, const DesignObject& design);
    void ApplyProperties(Persistent& object, const std::vector<DesignProperty>& properties);
    void ApplyValue(Persistent& object, const std::string& path, const DesignValue& value);
    [[noreturn]] void Fail(int line, const std::string& what) const;

    const ClassRegistry& classes_;
    std::string source_;
    Component* root_ = nullptr;
    std::vector<Component*> read_;
    std::vector<Fixup> fixups_;
    int line_ = 0; // of the property being applied
};

} // namespace tk
