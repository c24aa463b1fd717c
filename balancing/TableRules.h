#pragma once
// The rules a presetting table of the planner's own must keep, as the
// dialog "Voreinstelltabellen" checks them and as the files holding such
// tables are read.
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "project/Document.h"

namespace balancing {

inline constexpr std::size_t kMostSteps = 12;

enum class TableField { Name, StepName, StepKv };

// The first rule a table breaks: its message and the field to put it right in.
struct TableFault {
    TableField field = TableField::Name;
    std::size_t row = 0;  // the step's row, from 0
    std::string_view message;
    bool operator==(const TableFault&) const = default;
};

// A step's row as typed; a row with both fields blank is no step.
struct StepText {
    std::string name;
    std::string kv;
};

// The table the texts describe, names trimmed; or the first broken rule.
// `takenNames` holds the names of the other tables, the built-in ones among them.
std::variant<project::PresettingTable, TableFault> checkedTable(
    const std::string& name, const std::vector<StepText>& rows,
    const std::vector<std::string>& takenNames);

// The first rule a table read from a file breaks; empty when it keeps them all.
std::string tableFault(const project::PresettingTable& table,
                       const std::vector<std::string>& takenNames);

// The names of the built-in tables and of `tables` but the one at `except`.
std::vector<std::string> takenNames(const std::vector<project::PresettingTable>& tables,
                                    std::size_t except);

}  // namespace balancing
