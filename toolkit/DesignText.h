// The text form of a design: objects with a name and a class, nested objects,
// and properties set by name.
//
//   object FormMain: TFormMain
//     Caption = '霓虹'              // string, '' stands for one quote
//     ClientWidth = 921            // integer, also -5 and $FF00000F
//     BorderStyle = bsSingle       // identifier: enumeration, True/False, colour...
//     BorderIcons = [biSystemMenu, biMinimize]   // set
//     Items.Strings = ('one', 'two')             // list of values
//     SkinStream = {0A0B 0C}                     // binary block, hexadecimal
//     Panels = <                                 // collection of items
//       item
//         Width = 50
//       end>
//     object Button1: TButton
//       OnClick = Button1Click     // event, bound to the form's method
//     end
//   end
//
// Property names may be dotted paths into sub-objects (Font.Name). Comments run
// from "//" to the end of the line. Text is UTF-8.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

struct DesignProperty;

struct DesignValue {
    enum class Kind { Integer, String, Identifier, Set, List, Binary, Collection };
    Kind kind = Kind::Integer;
    int64_t integer = 0;
    std::string text;                // String and Identifier
    std::vector<std::string> names;  // Set elements
    std::vector<DesignValue> items;  // List
    std::vector<std::uint8_t> bytes; // Binary
    std::vector<std::vector<DesignProperty>> collection;
};

struct DesignProperty {
    std::string name; // possibly dotted
    DesignValue value;
    int line = 0;
};

struct DesignObject {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<DesignProperty> properties;
    std::vector<DesignObject> children;
};

// Parses a design; throws std::runtime_error naming `source` and the line.
DesignObject ParseDesign(std::string_view text, const std::string& source);

} // namespace tk
