#include "toolkit/Persistent.h"

#include <cctype>

namespace tk {

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

int EnumInfo::Find(std::string_view name) const {
    for (size_t i = 0; i < names.size(); ++i) {
        if (SameText(names[i], name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool ClassInfo::InheritsFrom(std::string_view className) const {
    for (const ClassInfo* c = this; c; c = c->parent_) {
        if (SameText(c->name_, className)) {
            return true;
        }
    }
    return false;
}

const PropertyInfo* ClassInfo::Find(std::string_view name) const {
    for (const ClassInfo* c = this; c; c = c->parent_) {
        for (const PropertyInfo& p : c->properties_) {
            if (SameText(p.name, name)) {
                return &p;
            }
        }
    }
    return nullptr;
}

std::vector<const PropertyInfo*> ClassInfo::All() const {
    std::vector<const PropertyInfo*> all =
        parent_ ? parent_->All() : std::vector<const PropertyInfo*>{};
    for (const PropertyInfo& p : properties_) {
        all.push_back(&p);
    }
    return all;
}

void BinaryProperties::Define(std::string name, BinaryPropertyReader read) {
    entries_.emplace_back(std::move(name), std::move(read));
}

const BinaryPropertyReader* BinaryProperties::Find(std::string_view name) const {
    for (const auto& [entryName, read] : entries_) {
        if (SameText(entryName, name)) {
            return &read;
        }
    }
    return nullptr;
}

const ClassInfo& Persistent::StaticClass() {
    static const ClassInfo info("TPersistent", nullptr);
    return info;
}

} // namespace tk
