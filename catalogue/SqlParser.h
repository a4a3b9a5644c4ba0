// Parser for the SELECT statements the catalogue answers:
//   SELECT * FROM table [WHERE condition] [ORDER BY column [ASC|DESC], ...] [;]
// Conditions combine comparisons (= <> < > <= >=) of columns, numbers and
// quoted strings ('it''s' or "text") with AND, OR, NOT and parentheses.
// Names may be written in brackets: [Title 3]. Keywords ignore letter case.
// Errors raise ECatalogueError with the Jet engine's texts.
#pragma once

#include "catalogue/Value.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

enum class CompareOp : uint8_t { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

struct SqlExpr {
    enum class Kind : uint8_t { Literal, Column, Compare, And, Or, Not };
    Kind kind = Kind::Literal;
    Value literal;                   // Literal
    std::string column;              // Column
    CompareOp op = CompareOp::Equal; // Compare
    std::unique_ptr<SqlExpr> left;   // Compare, And, Or, Not
    std::unique_ptr<SqlExpr> right;  // Compare, And, Or
};

struct SqlOrderKey {
    std::string column;
    bool descending = false;
};

struct SqlSelect {
    std::string table;
    std::unique_ptr<SqlExpr> where; // null when there is no WHERE clause
    std::vector<SqlOrderKey> orderBy;
};

SqlSelect ParseSelect(std::string_view sql);

} // namespace catalogue
