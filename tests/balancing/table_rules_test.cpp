#include <gtest/gtest.h>

#include <variant>

#include "balancing/TableRules.h"

namespace {

using balancing::StepText;
using balancing::TableField;
using balancing::TableFault;

const std::vector<std::string> kTaken = {"Thermostatventil DN 15, 8 Stufen", "Eigene A"};

// Each rule with its message and the field that takes the focus; the first
// broken rule is the one told.
TEST(PresettingTableRules, EachBrokenRuleNamesItsFieldAndMessage) {
    const std::vector<StepText> good = {{"1", "0,05"}, {"2", "0,1"}};
    const std::string forty(40, 'x');
    struct Case {
        std::string name;
        std::vector<StepText> rows;
        std::optional<TableFault> fault;
    };
    const char* name = "Bitte einen Namen mit 1 bis 40 Zeichen eingeben.";
    const char* taken = "Diesen Namen gibt es schon.";
    const char* count = "Eine Tabelle braucht 2 bis 12 Stufen.";
    const char* stepName = "Bitte einen Stufennamen mit 1 bis 4 Zeichen eingeben.";
    const char* kv = "Bitte kv-Werte zwischen 0,01 und 600 eingeben.";
    const char* rising = "Die kv-Werte müssen von Stufe zu Stufe steigen.";
    const Case cases[] = {
        {forty, good, {}},
        {"ÄÖÜ" + std::string(37, 'x'), good, {}},
        {"   ", good, TableFault{TableField::Name, 0, name}},
        {forty + "y", good, TableFault{TableField::Name, 0, name}},
        {"a\tb", good, TableFault{TableField::Name, 0, name}},
        {" Eigene A ", good, TableFault{TableField::Name, 0, taken}},
        {"Thermostatventil DN 15, 8 Stufen", good, TableFault{TableField::Name, 0, taken}},
        {"T", {{"1", "0,05"}, {"", ""}, {"", ""}}, TableFault{TableField::StepName, 1, count}},
        {"T", {{"", ""}, {"2", "0,05"}}, TableFault{TableField::StepName, 0, count}},
        {"T", {{"1", "0,05"}, {"", " "}, {"3", "0,2"}}, {}},
        {"T", {{"1", "0,05"}, {"", "0,1"}}, TableFault{TableField::StepName, 1, stepName}},
        {"T", {{"1", "0,05"}, {"12345", "0,1"}}, TableFault{TableField::StepName, 1, stepName}},
        {"T", {{"1", "0,05"}, {"2", ""}}, TableFault{TableField::StepKv, 1, kv}},
        {"T", {{"1", "0,009"}, {"2", "1"}}, TableFault{TableField::StepKv, 0, kv}},
        {"T", {{"1", "0,01"}, {"2", "600"}}, {}},
        {"T", {{"1", "0,05"}, {"2", "600,001"}}, TableFault{TableField::StepKv, 1, kv}},
        {"T", {{"1", "0.05"}, {"2", "1"}}, TableFault{TableField::StepKv, 0, kv}},
        {"T", {{"1", "0,1"}, {"2", "0,1"}}, TableFault{TableField::StepKv, 1, rising}},
        {"T", {{"1", "0,2"}, {"2", "0,3"}, {"3", "0,25"}}, TableFault{TableField::StepKv, 2, rising}},
    };
    for (const Case& c : cases) {
        const auto checked = balancing::checkedTable(c.name, c.rows, kTaken);
        if (c.fault) {
            ASSERT_TRUE(std::holds_alternative<TableFault>(checked)) << c.name;
            EXPECT_EQ(std::get<TableFault>(checked), *c.fault) << c.name;
        } else {
            ASSERT_TRUE(std::holds_alternative<project::PresettingTable>(checked)) << c.name;
        }
    }
}

// A table taken is trimmed and blank rows between steps are left out; a
// table read from a file must keep the same rules.
TEST(PresettingTableRules, ATakenTableIsTrimmedAndPassesAsReadFromAFile) {
    const auto checked = balancing::checkedTable(
        "  Mein Ventil ", {{" 1 ", "0,05"}, {"", ""}, {"N", "2,5"}}, kTaken);
    ASSERT_TRUE(std::holds_alternative<project::PresettingTable>(checked));
    const project::PresettingTable& table = std::get<project::PresettingTable>(checked);
    EXPECT_EQ(table, (project::PresettingTable{"Mein Ventil", {{"1", 0.05}, {"N", 2.5}}}));
    const auto step = table.steps[0];
    const std::pair<project::PresettingTable, std::string> read[] = {
        {table, ""},
        {{" Mein Ventil", table.steps}, "Bitte einen Namen mit 1 bis 40 Zeichen eingeben."},
        {{"Eigene A", table.steps}, "Diesen Namen gibt es schon."},
        {{"X", {step}}, "Eine Tabelle braucht 2 bis 12 Stufen."},
        {{"X", std::vector(13, step)}, "Eine Tabelle braucht 2 bis 12 Stufen."},
        {{"X", {step, {"2 ", 1}}}, "Bitte einen Stufennamen mit 1 bis 4 Zeichen eingeben."},
        {{"X", {step, {"2", 601}}}, "Bitte kv-Werte zwischen 0,01 und 600 eingeben."},
        {{"X", {step, step}}, "Die kv-Werte müssen von Stufe zu Stufe steigen."}};
    for (const auto& [file, fault] : read) EXPECT_EQ(balancing::tableFault(file, kTaken), fault);
}

}  // namespace
