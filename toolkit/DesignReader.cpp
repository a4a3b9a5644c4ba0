#include "toolkit/DesignReader.h"

#include "toolkit/Properties.h"

#include <stdexcept>

namespace tk {

DesignReader::DesignReader(const ClassRegistry& classes, std::string source)
    : classes_(classes), source_(std::move(source)) {}

void DesignReader::Fail(int line, const std::string& what) const {
    throw std::runtime_error("design " + source_ + ", line " + std::to_string(line) + ": " + what);
}

void DesignReader::Read(Component& root, std::string_view text) {
    Read(root, ParseDesign(text, source_));
}

void DesignReader::Read(Component& root, const DesignObject& design) {
    root_ = &root;
    read_.clear();
    fixups_.clear();
    read_.push_back(&root);
    root.SetLoading(true);
    try {
        if (!design.name.empty()) {
            root.SetName(design.name);
        }
        ReadObject(root, design);
        for (const Fixup& fixup : fixups_) {
            Component* target =
                SameText(fixup.target, root.Name()) ? &root : root.FindComponent(fixup.target);
            if (!target) {
                Fail(fixup.line, "no component named '" + fixup.target + "'");
            }
            try {
                fixup.info->setReference(*fixup.object, target);
            } catch (const std::invalid_argument& e) {
                Fail(fixup.line, fixup.info->name + ": " + e.what());
            }
        }
    } catch (...) {
        // A design that fails part-way leaves nothing half-made behind.
        root.SetLoading(false);
        while (read_.size() > 1) {
            delete read_.back();
            read_.pop_back();
        }
        throw;
    }
    for (Component* c : read_) {
        c->SetLoading(false);
        c->Loaded();
    }
}

void DesignReader::ReadObject(Component& component, const DesignObject& design) {
    ApplyProperties(component, design.properties);
    for (const DesignObject& child : design.children) {
        Component* created = nullptr;
        try {
            created = classes_.Create(child.className, root_);
        } catch (const std::invalid_argument& e) {
            Fail(child.line, e.what());
        }
        read_.push_back(created);
        created->SetLoading(true);
        try {
            created->SetName(child.name);
            created->SetParentComponent(component);
        } catch (const std::invalid_argument& e) {
            Fail(child.line, child.name + ": " + e.what());
        }
        ReadObject(*created, child);
    }
}

void DesignReader::ApplyProperties(Persistent& object,
                                   const std::vector<DesignProperty>& properties) {
    for (const DesignProperty& property : properties) {
        if (property.value.kind == DesignValue::Kind::Binary) {
            continue;
        }
        line_ = property.line;
        try {
            ApplyValue(object, property.name, property.value);
        } catch (const std::invalid_argument& e) {
            Fail(property.line, e.what());
        }
    }
    // Stored binary properties come after the published ones, so that their
    // readers see the object's options already set.
    for (const DesignProperty& property : properties) {
        if (property.value.kind != DesignValue::Kind::Binary) {
            continue;
        }
        Persistent* target = &object;
        std::string name = property.name;
        if (size_t dot = name.rfind('.'); dot != std::string::npos) {
            target = TryGetObjProp(object, name.substr(0, dot));
            name = name.substr(dot + 1);
        }
        BinaryProperties defined;
        if (target) {
            target->DefineProperties(defined);
        }
        const BinaryPropertyReader* read = defined.Find(name);
        if (!read) {
            Fail(property.line,
                 "a " + object.ClassName() + " stores no binary property '" + property.name + "'");
        }
        try {
            (*read)(property.value.bytes);
        } catch (const std::exception& e) {
            Fail(property.line, property.name + ": " + e.what());
        }
    }
}

void DesignReader::ApplyValue(Persistent& object, const std::string& path,
                              const DesignValue& value) {
    PropertyRef ref = FindProperty(object, path);
    if (!ref.info) {
        throw std::invalid_argument("a " + object.ClassName() + " has no property '" + path + "'");
    }
    const PropertyInfo& info = *ref.info;
    auto wrongValue = [&]() {
        return std::invalid_argument("property '" + path + "' cannot take this value");
    };
    using Kind = DesignValue::Kind;
    switch (info.kind) {
    case PropertyKind::Boolean:
    case PropertyKind::Enumeration:
        if (value.kind != Kind::Identifier) {
            throw wrongValue();
        }
        SetEnumProp(object, path, value.text);
        return;
    case PropertyKind::Integer:
        if (value.kind == Kind::Integer) {
            info.setOrdinal(*ref.object, value.integer);
            return;
        }
        if (value.kind == Kind::Identifier) {
            for (const IntIdent& ident : info.idents) {
                if (SameText(ident.name, value.text)) {
                    info.setOrdinal(*ref.object, ident.value);
                    return;
                }
            }
            throw std::invalid_argument("'" + value.text + "' is not a value of property '" + path +
                                        "'");
        }
        throw wrongValue();
    case PropertyKind::String:
        if (value.kind != Kind::String) {
            throw wrongValue();
        }
        info.setString(*ref.object, value.text);
        return;
    case PropertyKind::Set:
        if (value.kind != Kind::Set) {
            throw wrongValue();
        }
        info.setOrdinal(*ref.object, NamesToSet(*info.enumInfo, value.names));
        return;
    case PropertyKind::StringList: {
        if (value.kind != Kind::List) {
            throw wrongValue();
        }
        std::vector<std::string> lines;
        for (const DesignValue& item : value.items) {
            if (item.kind != Kind::String) {
                throw wrongValue();
            }
            lines.push_back(item.text);
        }
        info.setStrings(*ref.object, lines);
        return;
    }
    case PropertyKind::Reference:
        if (value.kind != Kind::Identifier) {
            throw wrongValue();
        }
        fixups_.push_back({ref.object, &info, value.text, line_});
        return;
    case PropertyKind::Event: {
        if (value.kind != Kind::Identifier) {
            throw wrongValue();
        }
        const EventHandler* handler = root_->FindMethod(value.text);
        if (!handler) {
            throw std::invalid_argument("no method named '" + value.text + "' for " + path);
        }
        SetEventProp(object, path, *handler);
        return;
    }
    case PropertyKind::Collection:
        if (value.kind != Kind::Collection) {
            throw wrongValue();
        }
        info.clearItems(*ref.object);
        for (const auto& item : value.collection) {
            ApplyProperties(info.addItem(*ref.object), item);
        }
        return;
    case PropertyKind::Object:
        throw std::invalid_argument("property '" + path + "' is an object: set its properties");
    }
}

} // namespace tk
