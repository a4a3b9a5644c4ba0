#include "catalogue/SqlQuery.h"

#include "catalogue/JetText.h"
#include "catalogue/Row.h"

#include <algorithm>
#include <optional>

namespace catalogue {
namespace {

// Condition values: NULL for unknown, Boolean (1 or 0) for truth values.
Value Truth(bool truth) {
    Value value;
    value.kind = Value::Kind::Boolean;
    value.integer = truth ? 1 : 0;
    return value;
}

[[noreturn]] void TypeMismatch() {
    throw ECatalogueError("Data type mismatch in criteria expression.");
}

// Three-valued truth of a condition value: nullopt is unknown.
std::optional<bool> TruthOf(const Value& value) {
    if (value.IsNull()) {
        return std::nullopt;
    }
    if (!value.IsNumeric()) {
        TypeMismatch();
    }
    return value.AsDouble() != 0;
}

// Compares two non-null values of one family (numbers or texts).
int CompareValues(const Value& a, const Value& b) {
    if (a.IsNumeric() && b.IsNumeric()) {
        if (a.kind == Value::Kind::Integer && b.kind == Value::Kind::Integer) {
            return a.integer < b.integer ? -1 : a.integer > b.integer ? 1 : 0;
        }
        double x = a.AsDouble();
        double y = b.AsDouble();
        return x < y ? -1 : x > y ? 1 : 0;
    }
    if (a.kind == Value::Kind::Text && b.kind == Value::Kind::Text) {
        return CompareTextIgnoringCase(a.text, b.text);
    }
    TypeMismatch();
}

bool Holds(CompareOp op, int order) {
    switch (op) {
    case CompareOp::Equal:
        return order == 0;
    case CompareOp::NotEqual:
        return order != 0;
    case CompareOp::Less:
        return order < 0;
    case CompareOp::Greater:
        return order > 0;
    case CompareOp::LessEqual:
        return order <= 0;
    case CompareOp::GreaterEqual:
        return order >= 0;
    }
    return false;
}

// A condition with its column names resolved to the table's columns.
class Condition {
public:
    Condition(const TableDef& table, const SqlExpr& expr) : table_(table), expr_(expr) {
        Resolve(expr);
    }

    Value Evaluate(const JetFile& file, const Row& row) const { return Eval(file, row, expr_); }

private:
    void Resolve(const SqlExpr& expr) {
        if (expr.kind == SqlExpr::Kind::Column) {
            int index = table_.FindColumn(expr.column);
            if (index < 0) {
                throw ECatalogueError("No value given for one or more required parameters.");
            }
            columns_.push_back({&expr, &table_.columns[static_cast<size_t>(index)]});
        }
        if (expr.left) {
            Resolve(*expr.left);
        }
        if (expr.right) {
            Resolve(*expr.right);
        }
    }

    const Column& ColumnOf(const SqlExpr& expr) const {
        return *std::find_if(columns_.begin(), columns_.end(), [&](const auto& entry) {
                    return entry.first == &expr;
                })->second;
    }

    Value Eval(const JetFile& file, const Row& row, const SqlExpr& expr) const {
        switch (expr.kind) {
        case SqlExpr::Kind::Literal:
            return expr.literal;
        case SqlExpr::Kind::Column:
            return row.Read(file, ColumnOf(expr));
        case SqlExpr::Kind::Compare: {
            Value left = Eval(file, row, *expr.left);
            Value right = Eval(file, row, *expr.right);
            if (left.IsNull() || right.IsNull()) {
                return Value{};
            }
            return Truth(Holds(expr.op, CompareValues(left, right)));
        }
        case SqlExpr::Kind::Not: {
            std::optional<bool> inner = TruthOf(Eval(file, row, *expr.left));
            return inner ? Truth(!*inner) : Value{};
        }
        case SqlExpr::Kind::And:
        case SqlExpr::Kind::Or: {
            bool isAnd = expr.kind == SqlExpr::Kind::And;
            std::optional<bool> left = TruthOf(Eval(file, row, *expr.left));
            if (left && *left != isAnd) {
                return Truth(*left);
            }
            std::optional<bool> right = TruthOf(Eval(file, row, *expr.right));
            if (right && *right != isAnd) {
                return Truth(*right);
            }
            return left && right ? Truth(isAnd) : Value{};
        }
        }
        return Value{};
    }

    const TableDef& table_;
    const SqlExpr& expr_;
    std::vector<std::pair<const SqlExpr*, const Column*>> columns_;
};

// NULLs sort first, as in Jet.
int CompareForSort(const Value& a, const Value& b) {
    if (a.IsNull() || b.IsNull()) {
        return a.IsNull() == b.IsNull() ? 0 : a.IsNull() ? -1 : 1;
    }
    return CompareValues(a, b);
}

void SortRows(const JetFile& file, const std::vector<SqlOrderKey>& keys, ResultSet& result) {
    std::vector<const Column*> columns;
    for (const SqlOrderKey& key : keys) {
        int index = result.table.FindColumn(key.column);
        if (index < 0) {
            throw ECatalogueError("No value given for one or more required parameters.");
        }
        columns.push_back(&result.table.columns[static_cast<size_t>(index)]);
    }
    struct Keyed {
        std::vector<Value> values;
        Bytes row;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(result.rows.size());
    for (Bytes bytes : result.rows) {
        Row row(result.table, bytes);
        Keyed entry{{}, bytes};
        for (const Column* column : columns) {
            entry.values.push_back(row.Read(file, *column));
        }
        keyed.push_back(std::move(entry));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        for (size_t i = 0; i < keys.size(); ++i) {
            int order = CompareForSort(a.values[i], b.values[i]);
            if (order != 0) {
                return keys[i].descending ? order > 0 : order < 0;
            }
        }
        return false;
    });
    for (size_t i = 0; i < keyed.size(); ++i) {
        result.rows[i] = keyed[i].row;
    }
}

} // namespace

ResultSet RunSelect(const Database& database, const SqlSelect& select) {
    const JetFile& file = database.File();
    ResultSet result{database.OpenTable(select.table), {}};
    std::optional<Condition> condition;
    if (select.where) {
        condition.emplace(result.table, *select.where);
    }
    ForEachRow(file, result.table, [&](Bytes bytes) {
        if (condition) {
            Row row(result.table, bytes);
            std::optional<bool> keep = TruthOf(condition->Evaluate(file, row));
            if (!keep || !*keep) {
                return;
            }
        }
        result.rows.push_back(bytes);
    });
    if (!select.orderBy.empty()) {
        SortRows(file, select.orderBy, result);
    }
    return result;
}

} // namespace catalogue
