#include "toolkit/ShortCut.h"

#include "toolkit/Persistent.h"
#include "toolkit/Text.h"

#include <windows.h>

#include <iterator>

namespace tk {
namespace {

struct NamedKey {
    UINT key;
    const char* name;
};

constexpr NamedKey KeyNames[] = {
    {VK_BACK, "BkSp"},      {VK_TAB, "Tab"},     {VK_RETURN, "Enter"},   {VK_PAUSE, "Pause"},
    {VK_ESCAPE, "Esc"},     {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"},     {VK_NEXT, "PgDn"},
    {VK_END, "End"},        {VK_HOME, "Home"},   {VK_LEFT, "Left"},      {VK_UP, "Up"},
    {VK_RIGHT, "Right"},    {VK_DOWN, "Down"},   {VK_INSERT, "Ins"},     {VK_DELETE, "Del"},
    {VK_MULTIPLY, "Num *"}, {VK_ADD, "Num +"},   {VK_SUBTRACT, "Num -"}, {VK_DECIMAL, "Num ."},
    {VK_DIVIDE, "Num /"},
};

struct Modifier {
    int bit;
    std::string_view text;
};

constexpr Modifier Modifiers[] = {{scCtrl, "Ctrl+"}, {scShift, "Shift+"}, {scAlt, "Alt+"}};

constexpr UINT KeyCount = 256;

bool IsPunctuationKey(UINT key) {
    return (key >= VK_OEM_1 && key <= VK_OEM_3) || (key >= VK_OEM_4 && key <= VK_OEM_8) ||
           key == VK_OEM_102;
}

// The character a punctuation key types without modifiers, or 0. A dead key
// (an accent) answers with its top bit set.
wchar_t TypedCharacter(UINT key) {
    const UINT typed = MapVirtualKeyW(key, MAPVK_VK_TO_CHAR) & 0x7FFF;
    const bool alphanumeric = (typed >= L'0' && typed <= L'9') ||
                              (typed >= L'A' && typed <= L'Z') || (typed >= L'a' && typed <= L'z');
    return typed > L' ' && !alphanumeric ? static_cast<wchar_t>(typed) : 0;
}

// A punctuation key's character, unless an earlier key types the same one
// (layouts put the backslash on two keys): every name stands for one key.
std::string PunctuationName(UINT key) {
    const wchar_t typed = TypedCharacter(key);
    if (!typed) {
        return {};
    }
    for (UINT earlier = 0; earlier < key; ++earlier) {
        if (IsPunctuationKey(earlier) && TypedCharacter(earlier) == typed) {
            return {};
        }
    }
    return Narrow(std::wstring_view(&typed, 1));
}

std::string KeyName(UINT key) {
    for (const NamedKey& named : KeyNames) {
        if (named.key == key) {
            return named.name;
        }
    }
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        return std::string(1, static_cast<char>(key));
    }
    // Appended rather than prefixed: GCC 12 warns falsely about a literal
    // plus a temporary string.
    if (key >= VK_F1 && key <= VK_F24) {
        return std::string("F").append(std::to_string(key - VK_F1 + 1));
    }
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) {
        return std::string("Num ").append(std::to_string(key - VK_NUMPAD0));
    }
    return IsPunctuationKey(key) ? PunctuationName(key) : std::string();
}

} // namespace

std::string ShortCutToText(int shortCut) {
    std::string name = KeyName(static_cast<UINT>(shortCut & 0xFF));
    if (name.empty()) {
        return {};
    }
    std::string text;
    for (const Modifier& modifier : Modifiers) {
        if (shortCut & modifier.bit) {
            text += modifier.text;
        }
    }
    return text + name;
}

int TextToShortCut(std::string_view text) {
    int modifiers = 0;
    for (bool stripped = true; stripped;) {
        stripped = false;
        for (const Modifier& modifier : Modifiers) {
            const size_t length = modifier.text.size();
            if (!(modifiers & modifier.bit) && text.size() > length &&
                SameText(text.substr(0, length), modifier.text)) {
                modifiers |= modifier.bit;
                text.remove_prefix(length);
                stripped = true;
            }
        }
    }
    for (UINT key = 0; key < KeyCount; ++key) {
        const std::string name = KeyName(key);
        if (!name.empty() && SameText(name, text)) {
            return modifiers | static_cast<int>(key);
        }
    }
    return 0;
}

} // namespace tk
