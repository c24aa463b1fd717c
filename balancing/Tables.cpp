#include "balancing/Balance.h"

namespace balancing {

const std::vector<PresettingTable>& builtInTables() {
    static const std::vector<PresettingTable> tables = {
        {project::kDefaultPresettingTable, {0.05, 0.09, 0.14, 0.21, 0.30, 0.40, 0.52, 0.72}, true},
        {"Thermostatventil DN 10, 8 Stufen",
         {0.05, 0.09, 0.13, 0.19, 0.26, 0.33, 0.40, 0.55},
         true},
        {"Thermostatventil DN 20, 8 Stufen",
         {0.10, 0.15, 0.20, 0.27, 0.36, 0.47, 0.70, 1.00},
         true},
    };
    return tables;
}

const PresettingTable* findTable(const std::string& name) {
    for (const PresettingTable& table : builtInTables())
        if (table.name == name) return &table;
    return nullptr;
}

}  // namespace balancing
