#include "toolkit/Properties.h"

#include "toolkit/Component.h"

#include <stdexcept>

namespace tk {
namespace {

// A set property is a 32-bit mask: one bit per element.
constexpr size_t MaxSetElements = 32;

PropertyRef Require(Persistent& object, std::string_view path, PropertyKind kind) {
    PropertyRef ref = FindProperty(object, path);
    if (!ref.info) {
        throw std::invalid_argument("a " + object.ClassName() + " has no property '" +
                                    std::string(path) + "'");
    }
    if (ref.info->kind != kind &&
        !(kind == PropertyKind::Enumeration && ref.info->kind == PropertyKind::Boolean)) {
        throw std::invalid_argument("property '" + std::string(path) + "' of a " +
                                    object.ClassName() + " is of another kind");
    }
    return ref;
}

PropertyRef OfKind(Persistent& object, std::string_view path, PropertyKind kind) {
    PropertyRef ref = FindProperty(object, path);
    if (!ref.info || ref.info->kind != kind) {
        return {};
    }
    return ref;
}

} // namespace

PropertyRef FindProperty(Persistent& object, std::string_view path) {
    Persistent* current = &object;
    for (;;) {
        size_t dot = path.find('.');
        const PropertyInfo* info = current->Class().Find(path.substr(0, dot));
        if (!info) {
            return {};
        }
        if (dot == std::string_view::npos) {
            return {current, info};
        }
        if (info->kind != PropertyKind::Object) {
            return {};
        }
        current = info->object(*current);
        if (!current) {
            return {};
        }
        path.remove_prefix(dot + 1);
    }
}

std::optional<PropertyKind> PropertyKindOf(Persistent& object, std::string_view path) {
    PropertyRef ref = FindProperty(object, path);
    if (!ref.info) {
        return std::nullopt;
    }
    return ref.info->kind;
}

std::optional<bool> TryGetBoolProp(Persistent& object, std::string_view path) {
    PropertyRef ref = OfKind(object, path, PropertyKind::Boolean);
    if (!ref.info) {
        return std::nullopt;
    }
    return ref.info->getOrdinal(*ref.object) != 0;
}

std::optional<int> TryGetIntProp(Persistent& object, std::string_view path) {
    PropertyRef ref = OfKind(object, path, PropertyKind::Integer);
    if (!ref.info) {
        return std::nullopt;
    }
    return static_cast<int>(ref.info->getOrdinal(*ref.object));
}

std::optional<std::string> TryGetStrProp(Persistent& object, std::string_view path) {
    PropertyRef ref = OfKind(object, path, PropertyKind::String);
    if (!ref.info) {
        return std::nullopt;
    }
    return ref.info->getString(*ref.object);
}

std::optional<std::string> TryGetEnumProp(Persistent& object, std::string_view path) {
    PropertyRef ref = FindProperty(object, path);
    if (!ref.info) {
        return std::nullopt;
    }
    if (ref.info->kind == PropertyKind::Boolean) {
        return ref.info->getOrdinal(*ref.object) ? "True" : "False";
    }
    if (ref.info->kind != PropertyKind::Enumeration) {
        return std::nullopt;
    }
    int64_t ordinal = ref.info->getOrdinal(*ref.object);
    const auto& names = ref.info->enumInfo->names;
    if (ordinal < 0 || ordinal >= static_cast<int64_t>(names.size())) {
        return std::nullopt;
    }
    return std::string(names[static_cast<size_t>(ordinal)]);
}

std::optional<uint32_t> TryGetSetProp(Persistent& object, std::string_view path) {
    PropertyRef ref = OfKind(object, path, PropertyKind::Set);
    if (!ref.info) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(ref.info->getOrdinal(*ref.object));
}

std::optional<std::vector<std::string>> TryGetStringsProp(Persistent& object,
                                                          std::string_view path) {
    PropertyRef ref = OfKind(object, path, PropertyKind::StringList);
    if (!ref.info) {
        return std::nullopt;
    }
    return ref.info->getStrings(*ref.object);
}

Persistent* TryGetObjProp(Persistent& object, std::string_view path) {
    PropertyRef ref = FindProperty(object, path);
    if (!ref.info) {
        return nullptr;
    }
    if (ref.info->kind == PropertyKind::Object) {
        return ref.info->object(*ref.object);
    }
    if (ref.info->kind == PropertyKind::Reference) {
        return ref.info->getReference(*ref.object);
    }
    return nullptr;
}

Component* TryGetReferenceProp(Persistent& object, std::string_view path) {
    PropertyRef ref = OfKind(object, path, PropertyKind::Reference);
    return ref.info ? ref.info->getReference(*ref.object) : nullptr;
}

void SetBoolProp(Persistent& object, std::string_view path, bool value) {
    PropertyRef ref = Require(object, path, PropertyKind::Boolean);
    ref.info->setOrdinal(*ref.object, value ? 1 : 0);
}

void SetIntProp(Persistent& object, std::string_view path, int value) {
    PropertyRef ref = Require(object, path, PropertyKind::Integer);
    ref.info->setOrdinal(*ref.object, value);
}

void SetStrProp(Persistent& object, std::string_view path, const std::string& value) {
    PropertyRef ref = Require(object, path, PropertyKind::String);
    ref.info->setString(*ref.object, value);
}

void SetEnumProp(Persistent& object, std::string_view path, std::string_view identifier) {
    PropertyRef ref = Require(object, path, PropertyKind::Enumeration);
    if (ref.info->kind == PropertyKind::Boolean) {
        if (SameText(identifier, "True") || SameText(identifier, "False")) {
            ref.info->setOrdinal(*ref.object, SameText(identifier, "True") ? 1 : 0);
            return;
        }
    } else if (int ordinal = ref.info->enumInfo->Find(identifier); ordinal >= 0) {
        ref.info->setOrdinal(*ref.object, ordinal);
        return;
    }
    throw std::invalid_argument("'" + std::string(identifier) + "' is not a value of property '" +
                                std::string(path) + "'");
}

void SetSetProp(Persistent& object, std::string_view path, uint32_t bits) {
    PropertyRef ref = Require(object, path, PropertyKind::Set);
    ref.info->setOrdinal(*ref.object, bits);
}

void SetStringsProp(Persistent& object, std::string_view path,
                    const std::vector<std::string>& value) {
    PropertyRef ref = Require(object, path, PropertyKind::StringList);
    ref.info->setStrings(*ref.object, value);
}

void SetReferenceProp(Persistent& object, std::string_view path, Component* value) {
    PropertyRef ref = Require(object, path, PropertyKind::Reference);
    ref.info->setReference(*ref.object, value);
}

void SetEventProp(Persistent& object, std::string_view path, const EventHandler& handler) {
    PropertyRef ref = Require(object, path, PropertyKind::Event);
    if (KindOf(handler) != ref.info->eventKind) {
        throw std::invalid_argument("the handler does not fit event '" + std::string(path) + "'");
    }
    ref.info->setEvent(*ref.object, handler);
}

std::vector<std::string> SetToNames(const EnumInfo& element, uint32_t bits) {
    std::vector<std::string> names;
    for (size_t i = 0; i < element.names.size() && i < MaxSetElements; ++i) {
        if (bits & (1u << i)) {
            names.emplace_back(element.names[i]);
        }
    }
    return names;
}

uint32_t NamesToSet(const EnumInfo& element, const std::vector<std::string>& names) {
    uint32_t bits = 0;
    for (const std::string& name : names) {
        int ordinal = element.Find(name);
        if (ordinal < 0 || ordinal >= static_cast<int>(MaxSetElements)) {
            throw std::invalid_argument("'" + name + "' is not an element of " +
                                        std::string(element.typeName));
        }
        bits |= 1u << ordinal;
    }
    return bits;
}

} // namespace tk
