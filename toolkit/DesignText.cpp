#include "toolkit/DesignText.h"

#include <cctype>
#include <stdexcept>

namespace tk {
namespace {

// Nesting limit, so that a hostile design cannot exhaust the stack.
constexpr int MaxDepth = 64;

class Parser {
public:
    Parser(std::string_view text, const std::string& source) : text_(text), source_(source) {}

    DesignObject Document() {
        DesignObject root = Object(0);
        SkipBlanks();
        if (pos_ < text_.size()) {
            Fail("text after the last 'end'");
        }
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("design " + source_ + ", line " + std::to_string(line_) + ": " +
                                 what);
    }

    void SkipBlanks() {
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n') {
                    ++pos_;
                }
            } else {
                break;
            }
        }
    }

    static bool IdentStart(char c) {
        return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
    }
    static bool IdentPart(char c) {
        return IdentStart(c) || std::isdigit(static_cast<unsigned char>(c));
    }

    bool PeekChar(char c) {
        SkipBlanks();
        return pos_ < text_.size() && text_[pos_] == c;
    }

    void Expect(char c) {
        if (!PeekChar(c)) {
            Fail(std::string("'") + c + "' expected");
        }
        ++pos_;
    }

    // An identifier, with dots when `dotted`.
    std::string Identifier(bool dotted) {
        SkipBlanks();
        size_t start = pos_;
        if (pos_ >= text_.size() || !IdentStart(text_[pos_])) {
            Fail("name expected");
        }
        while (pos_ < text_.size() && (IdentPart(text_[pos_]) ||
                                       (dotted && text_[pos_] == '.' && pos_ + 1 < text_.size() &&
                                        IdentStart(text_[pos_ + 1])))) {
            ++pos_;
        }
        return std::string(text_.substr(start, pos_ - start));
    }

    bool PeekKeyword(std::string_view word) {
        SkipBlanks();
        if (text_.substr(pos_, word.size()) != word) {
            return false;
        }
        size_t after = pos_ + word.size();
        return after >= text_.size() || !IdentPart(text_[after]);
    }

    DesignObject Object(int depth) {
        if (depth > MaxDepth) {
            Fail("objects nested too deeply");
        }
        if (!PeekKeyword("object")) {
            Fail("'object' expected");
        }
        DesignObject object;
        object.line = line_;
        pos_ += 6;
        object.name = Identifier(false);
        Expect(':');
        object.className = Identifier(false);
        Body(object.properties, &object.children, depth);
        return object;
    }

    // Properties (and, for objects, nested objects) up to "end".
    void Body(std::vector<DesignProperty>& properties, std::vector<DesignObject>* children,
              int depth) {
        for (;;) {
            SkipBlanks();
            if (pos_ >= text_.size()) {
                Fail("'end' expected before the end of the text");
            }
            if (PeekKeyword("end")) {
                pos_ += 3;
                return;
            }
            if (children && PeekKeyword("object")) {
                children->push_back(Object(depth + 1));
                continue;
            }
            DesignProperty property;
            property.line = line_;
            property.name = Identifier(true);
            Expect('=');
            property.value = Value(depth);
            properties.push_back(std::move(property));
        }
    }

    DesignValue Value(int depth) {
        if (depth > MaxDepth) {
            Fail("values nested too deeply");
        }
        SkipBlanks();
        if (pos_ >= text_.size()) {
            Fail("value expected");
        }
        char c = text_[pos_];
        DesignValue value;
        if (c == '\'') {
            value.kind = DesignValue::Kind::String;
            value.text = StringLiteral();
        } else if (c == '-' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
            value.kind = DesignValue::Kind::Integer;
            value.integer = Number();
        } else if (IdentStart(c)) {
            value.kind = DesignValue::Kind::Identifier;
            value.text = Identifier(true);
        } else if (c == '[') {
            value.kind = DesignValue::Kind::Set;
            ++pos_;
            if (!PeekChar(']')) {
                for (;;) {
                    value.names.push_back(Identifier(false));
                    if (PeekChar(']')) {
                        break;
                    }
                    Expect(',');
                }
            }
            Expect(']');
        } else if (c == '(') {
            value.kind = DesignValue::Kind::List;
            ++pos_;
            while (!PeekChar(')')) {
                value.items.push_back(Value(depth + 1));
                if (PeekChar(',')) {
                    ++pos_;
                }
            }
            Expect(')');
        } else if (c == '{') {
            value.kind = DesignValue::Kind::Binary;
            ++pos_;
            value.bytes = HexBlock();
        } else if (c == '<') {
            value.kind = DesignValue::Kind::Collection;
            ++pos_;
            while (!PeekChar('>')) {
                if (!PeekKeyword("item")) {
                    Fail("'item' or '>' expected");
                }
                pos_ += 4;
                value.collection.emplace_back();
                Body(value.collection.back(), nullptr, depth + 1);
            }
            Expect('>');
        } else {
            Fail(std::string("unexpected character '") + c + "'");
        }
        return value;
    }

    std::string StringLiteral() {
        std::string out;
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') {
                Fail("string not closed on its line");
            }
            char c = text_[pos_++];
            if (c != '\'') {
                out += c;
            } else if (pos_ < text_.size() && text_[pos_] == '\'') {
                out += '\'';
                ++pos_;
            } else {
                return out;
            }
        }
    }

    int64_t Number() {
        bool negative = false;
        if (text_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        int base = 10;
        if (pos_ < text_.size() && text_[pos_] == '$') {
            base = 16;
            ++pos_;
        }
        uint64_t value = 0;
        size_t digits = 0;
        while (pos_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[pos_]))) {
            char c = text_[pos_];
            if (base == 10 && !std::isdigit(static_cast<unsigned char>(c))) {
                break;
            }
            int digit =
                std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
            value = value * base + digit;
            if (value > 0xFFFFFFFFull) {
                Fail("number out of range");
            }
            ++digits;
            ++pos_;
        }
        if (digits == 0) {
            Fail("digits expected");
        }
        return negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
    }

    std::vector<std::uint8_t> HexBlock() {
        std::vector<std::uint8_t> bytes;
        int pending = -1;
        for (;;) {
            SkipBlanks();
            if (pos_ >= text_.size()) {
                Fail("'}' expected");
            }
            char c = text_[pos_++];
            if (c == '}') {
                break;
            }
            if (!std::isxdigit(static_cast<unsigned char>(c))) {
                Fail(std::string("'") + c + "' in a binary block");
            }
            int digit =
                std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
            if (pending < 0) {
                pending = digit;
            } else {
                bytes.push_back(static_cast<std::uint8_t>(pending * 16 + digit));
                pending = -1;
            }
        }
        if (pending >= 0) {
            Fail("odd number of digits in a binary block");
        }
        return bytes;
    }

    std::string_view text_;
    const std::string& source_;
    size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

DesignObject ParseDesign(std::string_view text, const std::string& source) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    return Parser(text, source).Document();
}

} // namespace tk
