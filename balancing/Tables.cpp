#include "balancing/Balance.h"

namespace balancing {
namespace {

PresettingTable example(std::string name, std::vector<double> kv) {
    std::vector<std::string> steps;
    for (std::size_t i = 1; i <= kv.size(); ++i) steps.push_back(std::to_string(i));
    return {std::move(name), std::move(steps), std::move(kv), true};
}

}  // namespace

const std::vector<PresettingTable>& builtInTables() {
    static const std::vector<PresettingTable> tables = {
        example(project::kDefaultPresettingTable, {0.05, 0.09, 0.14, 0.21, 0.30, 0.40, 0.52, 0.72}),
        example("Thermostatventil DN 10, 8 Stufen", {0.05, 0.09, 0.13, 0.19, 0.26, 0.33, 0.40, 0.55}),
        example("Thermostatventil DN 20, 8 Stufen", {0.10, 0.15, 0.20, 0.27, 0.36, 0.47, 0.70, 1.00}),
    };
    return tables;
}

const PresettingTable* findTable(const std::string& name) {
    for (const PresettingTable& table : builtInTables())
        if (table.name == name) return &table;
    return nullptr;
}

PresettingTable tableOf(const project::PresettingTable& own) {
    PresettingTable table{own.name, {}, {}, false};
    for (const project::PresettingStep& step : own.steps) {
        table.steps.push_back(step.name);
        table.kv.push_back(step.kv);
    }
    return table;
}

std::optional<PresettingTable> findTable(const project::Document& document,
                                         const std::string& name) {
    for (const project::PresettingTable& own : document.balancing.tables)
        if (own.name == name) return tableOf(own);
    if (const PresettingTable* builtIn = findTable(name)) return *builtIn;
    return std::nullopt;
}

}  // namespace balancing
