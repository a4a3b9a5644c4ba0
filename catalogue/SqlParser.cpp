#include "catalogue/SqlParser.h"

#include "catalogue/JetText.h"

#include <cctype>
#include <cstdlib>

namespace catalogue {
namespace {

struct Token {
    enum class Kind : uint8_t { Word, Name, Number, String, Symbol, BadString, BadName, End };
    Kind kind = Kind::End;
    std::string text; // word, name or string contents, number or symbol as written
    size_t offset = 0;
};

bool IsWordChar(char c) {
    auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || u >= 0x80;
}

std::vector<Token> Tokenize(std::string_view sql) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (true) {
        while (i < sql.size() && std::isspace(static_cast<unsigned char>(sql[i]))) {
            ++i;
        }
        Token token;
        token.offset = i;
        if (i >= sql.size()) {
            tokens.push_back(token);
            return tokens;
        }
        char c = sql[i];
        if (c == '\'' || c == '"') {
            token.kind = Token::Kind::BadString;
            for (++i; i < sql.size(); ++i) {
                if (sql[i] != c) {
                    token.text += sql[i];
                } else if (i + 1 < sql.size() && sql[i + 1] == c) {
                    token.text += c;
                    ++i;
                } else {
                    token.kind = Token::Kind::String;
                    ++i;
                    break;
                }
            }
        } else if (c == '[') {
            size_t close = sql.find(']', i + 1);
            token.kind = close == std::string_view::npos ? Token::Kind::BadName : Token::Kind::Name;
            token.text =
                std::string(sql.substr(i + 1, close == std::string_view::npos ? 0 : close - i - 1));
            i = close == std::string_view::npos ? sql.size() : close + 1;
        } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                   (c == '.' && i + 1 < sql.size() &&
                    std::isdigit(static_cast<unsigned char>(sql[i + 1])))) {
            token.kind = Token::Kind::Number;
            size_t start = i;
            while (i < sql.size() &&
                   (std::isdigit(static_cast<unsigned char>(sql[i])) || sql[i] == '.')) {
                ++i;
            }
            if (i < sql.size() && (sql[i] == 'e' || sql[i] == 'E')) {
                size_t exponent = i + 1;
                if (exponent < sql.size() && (sql[exponent] == '+' || sql[exponent] == '-')) {
                    ++exponent;
                }
                if (exponent < sql.size() &&
                    std::isdigit(static_cast<unsigned char>(sql[exponent]))) {
                    i = exponent;
                    while (i < sql.size() && std::isdigit(static_cast<unsigned char>(sql[i]))) {
                        ++i;
                    }
                }
            }
            token.text = std::string(sql.substr(start, i - start));
        } else if (IsWordChar(c)) {
            token.kind = Token::Kind::Word;
            size_t start = i;
            while (i < sql.size() && IsWordChar(sql[i])) {
                ++i;
            }
            token.text = std::string(sql.substr(start, i - start));
        } else {
            token.kind = Token::Kind::Symbol;
            size_t length = 1;
            if (i + 1 < sql.size()) {
                std::string_view pair = sql.substr(i, 2);
                if (pair == "<>" || pair == "<=" || pair == ">=") {
                    length = 2;
                }
            }
            token.text = std::string(sql.substr(i, length));
            i += length;
        }
        tokens.push_back(std::move(token));
    }
}

bool IsKeyword(const Token& token, std::string_view keyword) {
    return token.kind == Token::Kind::Word && CompareTextIgnoringCase(token.text, keyword) == 0;
}

bool IsReserved(const Token& token) {
    for (std::string_view word :
         {"SELECT", "FROM", "WHERE", "ORDER", "BY", "AND", "OR", "NOT", "ASC", "DESC"}) {
        if (IsKeyword(token, word)) {
            return true;
        }
    }
    return false;
}

class Parser {
public:
    explicit Parser(std::string_view sql) : sql_(sql), tokens_(Tokenize(sql)) {}

    SqlSelect Select() {
        SqlSelect select;
        if (!IsKeyword(Peek(), "SELECT")) {
            Fail("Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or "
                 "'UPDATE'.");
        }
        ++pos_;
        if (!IsSymbol("*")) {
            Fail("The catalogue answers SELECT * queries only.");
        }
        ++pos_;
        if (!IsKeyword(Peek(), "FROM")) {
            Fail("The SELECT statement includes a reserved word or an argument name that is "
                 "misspelled or missing, or the punctuation is incorrect.");
        }
        ++pos_;
        if (!IsName(Peek())) {
            Fail("Syntax error in FROM clause.");
        }
        select.table = tokens_[pos_++].text;
        if (IsKeyword(Peek(), "WHERE")) {
            ++pos_;
            expressionStart_ = Peek().offset;
            select.where = Or();
            if (!AtClauseEnd() && !IsKeyword(Peek(), "ORDER")) {
                FailExpression();
            }
        } else if (!AtClauseEnd() && !IsKeyword(Peek(), "ORDER")) {
            Fail("Syntax error in FROM clause.");
        }
        if (IsKeyword(Peek(), "ORDER")) {
            OrderBy(select);
        }
        if (IsSymbol(";")) {
            ++pos_;
        }
        if (Peek().kind != Token::Kind::End) {
            Fail("Characters found after end of SQL statement.");
        }
        return select;
    }

private:
    const Token& Peek() const { return tokens_[pos_]; }
    bool IsSymbol(std::string_view symbol) const {
        return Peek().kind == Token::Kind::Symbol && Peek().text == symbol;
    }
    bool AtClauseEnd() const { return Peek().kind == Token::Kind::End || IsSymbol(";"); }
    static bool IsName(const Token& token) {
        return token.kind == Token::Kind::Name ||
               (token.kind == Token::Kind::Word && !IsReserved(token));
    }

    [[noreturn]] void Fail(const std::string& message) const { throw ECatalogueError(message); }

    // Jet quotes the condition from its start to the end of the statement.
    [[noreturn]] void FailExpression() const {
        std::string_view text = sql_.substr(expressionStart_);
        while (!text.empty() &&
               (std::isspace(static_cast<unsigned char>(text.back())) || text.back() == ';')) {
            text.remove_suffix(1);
        }
        std::string kind = Peek().kind == Token::Kind::BadString
                               ? "Syntax error in string"
                               : "Syntax error (missing operator)";
        Fail(kind + " in query expression '" + std::string(text) + "'.");
    }

    std::unique_ptr<SqlExpr> Binary(SqlExpr::Kind kind, std::unique_ptr<SqlExpr> left,
                                    std::unique_ptr<SqlExpr> right) {
        auto node = std::make_unique<SqlExpr>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    // Operands of the next tighter level joined left to right by `keyword`.
    std::unique_ptr<SqlExpr> Chain(std::string_view keyword, SqlExpr::Kind kind,
                                   std::unique_ptr<SqlExpr> (Parser::*operand)()) {
        std::unique_ptr<SqlExpr> left = (this->*operand)();
        while (IsKeyword(Peek(), keyword)) {
            ++pos_;
            left = Binary(kind, std::move(left), (this->*operand)());
        }
        return left;
    }

    std::unique_ptr<SqlExpr> Or() { return Chain("OR", SqlExpr::Kind::Or, &Parser::And); }
    std::unique_ptr<SqlExpr> And() { return Chain("AND", SqlExpr::Kind::And, &Parser::Not); }

    std::unique_ptr<SqlExpr> Not() {
        if (!IsKeyword(Peek(), "NOT")) {
            return Comparison();
        }
        ++pos_;
        NestingGuard guard(*this);
        return Binary(SqlExpr::Kind::Not, Not(), nullptr);
    }

    // Bounds the recursion of nested parentheses and NOTs.
    class NestingGuard {
    public:
        explicit NestingGuard(Parser& parser) : parser_(parser) {
            if (++parser_.depth_ > MaxNesting) {
                parser_.Fail("Query is too complex.");
            }
        }
        ~NestingGuard() { --parser_.depth_; }
        NestingGuard(const NestingGuard&) = delete;
        NestingGuard& operator=(const NestingGuard&) = delete;

    private:
        Parser& parser_;
    };
    static constexpr int MaxNesting = 200;

    std::unique_ptr<SqlExpr> Comparison() {
        std::unique_ptr<SqlExpr> left = Operand();
        static const std::pair<std::string_view, CompareOp> kOps[] = {
            {"=", CompareOp::Equal},      {"<>", CompareOp::NotEqual},
            {"<", CompareOp::Less},       {">", CompareOp::Greater},
            {"<=", CompareOp::LessEqual}, {">=", CompareOp::GreaterEqual}};
        for (const auto& [symbol, op] : kOps) {
            if (IsSymbol(symbol)) {
                ++pos_;
                auto node = Binary(SqlExpr::Kind::Compare, std::move(left), Operand());
                node->op = op;
                return node;
            }
        }
        return left;
    }

    std::unique_ptr<SqlExpr> Operand() {
        auto node = std::make_unique<SqlExpr>();
        const Token& token = Peek();
        if (IsSymbol("(")) {
            ++pos_;
            NestingGuard guard(*this);
            node = Or();
            if (!IsSymbol(")")) {
                FailExpression();
            }
            ++pos_;
            return node;
        }
        bool negative = IsSymbol("-");
        if (negative) {
            ++pos_;
        }
        if (Peek().kind == Token::Kind::Number) {
            node->kind = SqlExpr::Kind::Literal;
            node->literal = NumberValue(Peek().text, negative);
            ++pos_;
            return node;
        }
        if (negative) {
            FailExpression();
        }
        if (token.kind == Token::Kind::String) {
            node->kind = SqlExpr::Kind::Literal;
            node->literal.kind = Value::Kind::Text;
            node->literal.text = token.text;
        } else if (IsName(token)) {
            node->kind = SqlExpr::Kind::Column;
            node->column = token.text;
        } else {
            FailExpression();
        }
        ++pos_;
        return node;
    }

    Value NumberValue(const std::string& text, bool negative) const {
        Value value;
        bool whole = text.find_first_of(".eE") == std::string::npos;
        if (whole && text.size() <= 18) {
            value.kind = Value::Kind::Integer;
            value.integer = std::strtoll(text.c_str(), nullptr, 10) * (negative ? -1 : 1);
        } else {
            char* end = nullptr;
            value.kind = Value::Kind::Real;
            value.real = std::strtod(text.c_str(), &end) * (negative ? -1 : 1);
            if (end != text.c_str() + text.size()) {
                FailExpression();
            }
        }
        return value;
    }

    void OrderBy(SqlSelect& select) {
        ++pos_;
        if (!IsKeyword(Peek(), "BY")) {
            Fail("Syntax error in ORDER BY clause.");
        }
        ++pos_;
        while (true) {
            if (!IsName(Peek())) {
                Fail("Syntax error in ORDER BY clause.");
            }
            SqlOrderKey key;
            key.column = tokens_[pos_++].text;
            if (IsKeyword(Peek(), "ASC")) {
                ++pos_;
            } else if (IsKeyword(Peek(), "DESC")) {
                key.descending = true;
                ++pos_;
            }
            select.orderBy.push_back(std::move(key));
            if (!IsSymbol(",")) {
                break;
            }
            ++pos_;
        }
        if (!AtClauseEnd()) {
            Fail("Syntax error in ORDER BY clause.");
        }
    }

    std::string_view sql_;
    std::vector<Token> tokens_;
    size_t pos_ = 0;
    size_t expressionStart_ = 0;
    int depth_ = 0;
};

} // namespace

SqlSelect ParseSelect(std::string_view sql) {
    return Parser(sql).Select();
}

} // namespace catalogue
