// Published properties read and written by name, on any toolkit object.
// Names may be dotted paths into sub-objects ("Font.Name").
//
// The Try... readers answer nothing (std::nullopt, nullptr) when the object has
// no such property or it is of another kind; the setters throw
// std::invalid_argument with a message naming the property.
#pragma once

#include "toolkit/Persistent.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

struct PropertyRef {
    Persistent* object = nullptr;
    const PropertyInfo* info = nullptr;
};

// Resolves a possibly dotted name; {nullptr, nullptr} when it does not exist.
PropertyRef FindProperty(Persistent& object, std::string_view path);

std::optional<PropertyKind> PropertyKindOf(Persistent& object, std::string_view path);

std::optional<bool> TryGetBoolProp(Persistent& object, std::string_view path);
std::optional<int> TryGetIntProp(Persistent& object, std::string_view path);
std::optional<std::string> TryGetStrProp(Persistent& object, std::string_view path);
// The identifier of an enumeration or Boolean value ("blGlyphLeft", "True").
std::optional<std::string> TryGetEnumProp(Persistent& object, std::string_view path);
std::optional<uint32_t> TryGetSetProp(Persistent& object, std::string_view path);
std::optional<std::vector<std::string>> TryGetStringsProp(Persistent& object,
                                                          std::string_view path);
Persistent* TryGetObjProp(Persistent& object, std::string_view path);
Component* TryGetReferenceProp(Persistent& object, std::string_view path);

void SetBoolProp(Persistent& object, std::string_view path, bool value);
void SetIntProp(Persistent& object, std::string_view path, int value);
void SetStrProp(Persistent& object, std::string_view path, const std::string& value);
// Sets an enumeration or Boolean property from its identifier ("True", "alClient").
void SetEnumProp(Persistent& object, std::string_view path, std::string_view identifier);
void SetSetProp(Persistent& object, std::string_view path, uint32_t bits);
void SetStringsProp(Persistent& object, std::string_view path,
                    const std::vector<std::string>& value);
void SetReferenceProp(Persistent& object, std::string_view path, Component* value);
void SetEventProp(Persistent& object, std::string_view path, const EventHandler& handler);

// Set elements as identifiers and back ("[xcMainMenu, xcTab]").
std::vector<std::string> SetToNames(const EnumInfo& element, uint32_t bits);
uint32_t NamesToSet(const EnumInfo& element, const std::vector<std::string>& names);

} // namespace tk
